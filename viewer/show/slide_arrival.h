// When the moving piece has arrived: one more step along an axis that
// moves reaches or passes its destination. The slide lands as soon as
// either axis arrives.
#pragma once

#include "viewer/chess/board.h"

inline bool StepReaches(float position, float step, float destination) {
  return (step > 0 && position + step >= destination) || (step < 0 && position + step <= destination);
}

inline bool SlideArrives(const PlyAnimation& slide) {
  return StepReaches(slide.fromX, slide.stepX, slide.toX) || StepReaches(slide.fromY, slide.stepY, slide.toY);
}
