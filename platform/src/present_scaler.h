// Drawing a frame's texture into a renderer's whole output as a ScalePlan
// (present_scale.h) says: black around the picture, and for sharp scaling an
// intermediate picture of a whole multiple of the frame, enlarged without
// filtering and then reduced linearly. The intermediate picture is made again
// only when its multiple changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/src/present_scale.h"

struct SDL_Renderer;
struct SDL_Texture;

class FrameScaler {
 public:
  FrameScaler() = default;
  ~FrameScaler();
  FrameScaler(const FrameScaler&) = delete;
  FrameScaler& operator=(const FrameScaler&) = delete;

  // Draws `frame` (frameWidth x frameHeight) into the renderer's output with
  // the scaling mode; false when the renderer refuses. Leaves the renderer
  // drawing into its output again.
  bool Draw(SDL_Renderer* renderer, SDL_Texture* frame, int frameWidth, int frameHeight, int mode);
  // The textures belong to the renderer: let them go before it goes.
  void Release();

  // The last plan drawn (picture in output pixels), and the output's size.
  const ScalePlan& LastPlan() const { return plan_; }
  int OutputWidth() const { return outputWidth_; }
  int OutputHeight() const { return outputHeight_; }
  // Bytes of pixels the intermediate picture holds (0 when there is none).
  size_t IntermediateBytes() const;

 private:
  bool EnsureIntermediate(SDL_Renderer* renderer, int width, int height);

  SDL_Texture* intermediate_ = nullptr;
  int intermediateWidth_ = 0;
  int intermediateHeight_ = 0;
  ScalePlan plan_;
  int outputWidth_ = 0;
  int outputHeight_ = 0;
};

// The whole output a frame of 32-bit XRGB pixels becomes in the mode at
// outputWidth x outputHeight, drawn by the same FrameScaler on SDL's software
// renderer (no display needed): 0x00RRGGBB pixels, rows top-down. Also says
// how many bytes the intermediate picture took. For the tests.
std::vector<uint32_t> RenderScaledFrame(const uint32_t* pixels, int frameWidth, int frameHeight, int pitch,
                                        int outputWidth, int outputHeight, int mode,
                                        size_t* intermediateBytes = nullptr);
