// The scaling plans.
#include "platform/src/present_scale.h"

#include <algorithm>

#include "platform/desktop.h"

namespace {

// The dots per inch of a display without scaling.
constexpr float kBaseDpi = 96.0f;
// A window at a larger scale must leave this share of the usable area free.
constexpr int kWindowFitPercent = 90;

int RoundedQuotient(long long numerator, long long denominator) {
  return static_cast<int>((numerator + denominator / 2) / denominator);
}

}  // namespace

ScaleRect FitPicture(int frameWidth, int frameHeight, int outputWidth, int outputHeight) {
  ScaleRect picture;
  if (frameWidth <= 0 || frameHeight <= 0 || outputWidth <= 0 || outputHeight <= 0) return picture;
  if (static_cast<long long>(outputWidth) * frameHeight >= static_cast<long long>(outputHeight) * frameWidth) {
    picture.height = outputHeight;
    picture.width =
        std::min(outputWidth, RoundedQuotient(static_cast<long long>(outputHeight) * frameWidth, frameHeight));
  } else {
    picture.width = outputWidth;
    picture.height =
        std::min(outputHeight, RoundedQuotient(static_cast<long long>(outputWidth) * frameHeight, frameWidth));
  }
  picture.x = (outputWidth - picture.width) / 2;
  picture.y = (outputHeight - picture.height) / 2;
  return picture;
}

ScalePlan PlanScaling(int frameWidth, int frameHeight, int outputWidth, int outputHeight, int mode,
                      int maxTextureSide) {
  ScalePlan plan;
  plan.picture = FitPicture(frameWidth, frameHeight, outputWidth, outputHeight);
  if (plan.picture.width == 0 || plan.picture.height == 0) return plan;

  if (mode == kPlatformScalingPixelPerfect) {
    const int multiple = std::min(outputWidth / frameWidth, outputHeight / frameHeight);
    // An output smaller than the frame: reduced, but still unfiltered.
    if (multiple >= 1) {
      plan.picture.width = frameWidth * multiple;
      plan.picture.height = frameHeight * multiple;
      plan.picture.x = (outputWidth - plan.picture.width) / 2;
      plan.picture.y = (outputHeight - plan.picture.height) / 2;
    }
    return plan;
  }

  const bool sameSize = plan.picture.width == frameWidth && plan.picture.height == frameHeight;
  if (mode == kPlatformScalingSmooth) {
    plan.linear = !sameSize;
    return plan;
  }

  // Sharp. A whole multiple (or the frame's own size) needs no filtering.
  const bool wholeMultiple = plan.picture.width % frameWidth == 0 && plan.picture.height % frameHeight == 0 &&
                             plan.picture.width / frameWidth == plan.picture.height / frameHeight;
  if (wholeMultiple) return plan;
  const bool larger = plan.picture.width > frameWidth || plan.picture.height > frameHeight;
  plan.linear = true;
  if (!larger) return plan;  // a reduction: linear straight from the frame
  int upscale = std::max((plan.picture.width + frameWidth - 1) / frameWidth,
                         (plan.picture.height + frameHeight - 1) / frameHeight);
  if (maxTextureSide > 0) {
    const int largest = std::max(1, std::min(maxTextureSide / frameWidth, maxTextureSide / frameHeight));
    upscale = std::min(upscale, largest);
  }
  plan.upscale = upscale;
  return plan;
}

int WindowScaleForDisplay(float dpi, int frameWidth, int frameHeight, int usableWidth, int usableHeight) {
  if (dpi <= kBaseDpi || frameWidth <= 0 || frameHeight <= 0) return 1;
  // 1.5 times the base density and more is a larger scale (144 dpi: 2).
  int scale = static_cast<int>(dpi / kBaseDpi + 0.5f);
  while (scale > 1 &&
         (static_cast<long long>(frameWidth) * scale * 100 > static_cast<long long>(usableWidth) * kWindowFitPercent ||
          static_cast<long long>(frameHeight) * scale * 100 > static_cast<long long>(usableHeight) * kWindowFitPercent))
    --scale;
  return std::max(scale, 1);
}
