// Where a frame goes in a window's output and how it is scaled to get there,
// for the three scaling modes of platform/desktop.h. Pure arithmetic; the
// SDL side is present_scaler.h.
#pragma once

// A rectangle of output pixels.
struct ScaleRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool operator==(const ScaleRect& other) const {
    return x == other.x && y == other.y && width == other.width && height == other.height;
  }
};

struct ScalePlan {
  // The frame's place in the output; the rest of the output is black.
  ScaleRect picture;
  // Sharp scaling: the whole multiple the frame is first enlarged to without
  // filtering (an intermediate picture of frame size x upscale). 1: the frame
  // is drawn straight to its place.
  int upscale = 1;
  // Whether the last step (frame or intermediate picture to its place) is
  // filtered linearly; unfiltered steps take the nearest pixel.
  bool linear = false;
};

// The plan for a frame of frameWidth x frameHeight in an output of
// outputWidth x outputHeight pixels. `maxTextureSide` bounds the intermediate
// picture (a renderer's largest texture); a mode outside PlatformScalingMode
// counts as sharp.
ScalePlan PlanScaling(int frameWidth, int frameHeight, int outputWidth, int outputHeight, int mode, int maxTextureSide);

// The largest rectangle of the frame's shape inside the output, centred.
ScaleRect FitPicture(int frameWidth, int frameHeight, int outputWidth, int outputHeight);

// How many times the frame's size a window opens at on a display of `dpi`
// dots per inch (0: unknown) whose usable area is usableWidth x usableHeight:
// 1 at 96 dpi and below, and never so large that the window would not fit.
int WindowScaleForDisplay(float dpi, int frameWidth, int frameHeight, int usableWidth, int usableHeight);
