// Where the frame goes on screens of every shape, and how it is scaled there:
// sharp (whole multiple without filtering, then a linear reduction),
// pixel-perfect and smooth.
#include <gtest/gtest.h>

#include "platform/desktop.h"
#include "platform/src/present_scale.h"

namespace {

constexpr int kMaxTexture = 16384;

ScalePlan Plan(int outputWidth, int outputHeight, int mode, int maxTexture = kMaxTexture) {
  return PlanScaling(800, 600, outputWidth, outputHeight, mode, maxTexture);
}

TEST(ScalingPlan, SharpOnAFullHdScreenEnlargesTwiceThenReducesIntoAPillarbox) {
  const ScalePlan plan = Plan(1920, 1080, kPlatformScalingSharp);
  EXPECT_EQ(plan.picture, (ScaleRect{240, 0, 1440, 1080}));
  EXPECT_EQ(plan.upscale, 2);
  EXPECT_TRUE(plan.linear);
}

TEST(ScalingPlan, SharpOnA4kScreenEnlargesFourTimes) {
  const ScalePlan plan = Plan(3840, 2160, kPlatformScalingSharp);
  EXPECT_EQ(plan.picture, (ScaleRect{480, 0, 2880, 2160}));
  EXPECT_EQ(plan.upscale, 4);
  EXPECT_TRUE(plan.linear);
}

TEST(ScalingPlan, SharpAtAWholeMultipleNeedsNoIntermediatePictureNorFilter) {
  for (int multiple : {1, 2, 3}) {
    SCOPED_TRACE(multiple);
    const ScalePlan plan = Plan(800 * multiple, 600 * multiple, kPlatformScalingSharp);
    EXPECT_EQ(plan.picture, (ScaleRect{0, 0, 800 * multiple, 600 * multiple}));
    EXPECT_EQ(plan.upscale, 1);
    EXPECT_FALSE(plan.linear);
  }
}

TEST(ScalingPlan, SharpInATallWindowLetterboxes) {
  const ScalePlan plan = Plan(1000, 1000, kPlatformScalingSharp);
  EXPECT_EQ(plan.picture, (ScaleRect{0, 125, 1000, 750}));
  EXPECT_EQ(plan.upscale, 2);
}

TEST(ScalingPlan, SharpInAWindowSmallerThanTheFrameReducesLinearly) {
  const ScalePlan plan = Plan(640, 480, kPlatformScalingSharp);
  EXPECT_EQ(plan.picture, (ScaleRect{0, 0, 640, 480}));
  EXPECT_EQ(plan.upscale, 1);
  EXPECT_TRUE(plan.linear);
}

TEST(ScalingPlan, SharpKeepsTheIntermediatePictureWithinTheRenderersLargestTexture) {
  EXPECT_EQ(Plan(3840, 2160, kPlatformScalingSharp, 2048).upscale, 2);
  EXPECT_EQ(Plan(3840, 2160, kPlatformScalingSharp, 1000).upscale, 1);
}

TEST(ScalingPlan, PixelPerfectTakesTheLargestWholeMultipleThatFitsCentred) {
  ScalePlan plan = Plan(1920, 1080, kPlatformScalingPixelPerfect);
  EXPECT_EQ(plan.picture, (ScaleRect{560, 240, 800, 600}));
  EXPECT_FALSE(plan.linear);
  EXPECT_EQ(plan.upscale, 1);
  plan = Plan(2560, 1440, kPlatformScalingPixelPerfect);
  EXPECT_EQ(plan.picture, (ScaleRect{480, 120, 1600, 1200}));
  EXPECT_FALSE(plan.linear);
  plan = Plan(3840, 2160, kPlatformScalingPixelPerfect);
  EXPECT_EQ(plan.picture, (ScaleRect{720, 180, 2400, 1800}));
}

TEST(ScalingPlan, PixelPerfectInAWindowSmallerThanTheFrameStillFiltersNothing) {
  const ScalePlan plan = Plan(400, 400, kPlatformScalingPixelPerfect);
  EXPECT_EQ(plan.picture, (ScaleRect{0, 50, 400, 300}));
  EXPECT_FALSE(plan.linear);
}

TEST(ScalingPlan, SmoothFiltersStraightToTheTarget) {
  ScalePlan plan = Plan(1920, 1080, kPlatformScalingSmooth);
  EXPECT_EQ(plan.picture, (ScaleRect{240, 0, 1440, 1080}));
  EXPECT_EQ(plan.upscale, 1);
  EXPECT_TRUE(plan.linear);
  plan = Plan(800, 600, kPlatformScalingSmooth);
  EXPECT_FALSE(plan.linear) << "the frame's own size is copied as it is";
}

TEST(ScalingPlan, AnUnknownModeIsSharp) {
  const ScalePlan plan = Plan(1920, 1080, 7);
  EXPECT_EQ(plan.upscale, 2);
  EXPECT_TRUE(plan.linear);
}

TEST(ScalingPlan, AnEmptyOutputPlacesNothing) {
  EXPECT_EQ(Plan(0, 0, kPlatformScalingSharp).picture, (ScaleRect{}));
  EXPECT_EQ(Plan(1920, 0, kPlatformScalingPixelPerfect).picture, (ScaleRect{}));
}

TEST(WindowScale, OpensLargerOnlyOnAHighDensityDisplayAndAlwaysFits) {
  EXPECT_EQ(WindowScaleForDisplay(0.0f, 800, 600, 1920, 1080), 1) << "density unknown";
  EXPECT_EQ(WindowScaleForDisplay(96.0f, 800, 600, 3840, 2160), 1);
  EXPECT_EQ(WindowScaleForDisplay(120.0f, 800, 600, 3840, 2160), 1);
  EXPECT_EQ(WindowScaleForDisplay(192.0f, 800, 600, 3840, 2100), 2);
  EXPECT_EQ(WindowScaleForDisplay(288.0f, 800, 600, 3840, 2100), 3);
  EXPECT_EQ(WindowScaleForDisplay(288.0f, 800, 600, 2560, 1400), 2) << "three times would not fit";
  EXPECT_EQ(WindowScaleForDisplay(192.0f, 800, 600, 1280, 1000), 1);
}

}  // namespace
