// The frame scaler over SDL's renderer.
#include "platform/src/present_scaler.h"

#include <SDL.h>

namespace {

constexpr size_t kBytesPerPixel = 4;

SDL_Rect ToSdl(const ScaleRect& rect) { return SDL_Rect{rect.x, rect.y, rect.width, rect.height}; }

// The renderer's largest texture side; 0 when it does not say.
int MaxTextureSide(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0) return 0;
  if (info.max_texture_width <= 0 || info.max_texture_height <= 0) return 0;
  return info.max_texture_width < info.max_texture_height ? info.max_texture_width : info.max_texture_height;
}

}  // namespace

FrameScaler::~FrameScaler() { Release(); }

void FrameScaler::Release() {
  if (intermediate_ != nullptr) SDL_DestroyTexture(intermediate_);
  intermediate_ = nullptr;
  intermediateWidth_ = 0;
  intermediateHeight_ = 0;
}

size_t FrameScaler::IntermediateBytes() const {
  return static_cast<size_t>(intermediateWidth_) * static_cast<size_t>(intermediateHeight_) * kBytesPerPixel;
}

bool FrameScaler::EnsureIntermediate(SDL_Renderer* renderer, int width, int height) {
  if (intermediate_ != nullptr && intermediateWidth_ == width && intermediateHeight_ == height) return true;
  Release();
  intermediate_ = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET, width, height);
  if (intermediate_ == nullptr) return false;
  SDL_SetTextureScaleMode(intermediate_, SDL_ScaleModeLinear);
  intermediateWidth_ = width;
  intermediateHeight_ = height;
  return true;
}

bool FrameScaler::Draw(SDL_Renderer* renderer, SDL_Texture* frame, int frameWidth, int frameHeight, int mode) {
  if (SDL_GetRendererOutputSize(renderer, &outputWidth_, &outputHeight_) != 0) return false;
  plan_ = PlanScaling(frameWidth, frameHeight, outputWidth_, outputHeight_, mode, MaxTextureSide(renderer));

  SDL_Texture* source = frame;
  if (plan_.upscale > 1) {
    const int width = frameWidth * plan_.upscale;
    const int height = frameHeight * plan_.upscale;
    if (EnsureIntermediate(renderer, width, height) && SDL_SetRenderTarget(renderer, intermediate_) == 0) {
      SDL_SetTextureScaleMode(frame, SDL_ScaleModeNearest);
      SDL_RenderCopy(renderer, frame, nullptr, nullptr);
      SDL_SetRenderTarget(renderer, nullptr);
      source = intermediate_;
    } else {
      // No render targets (or no memory for one): linear straight from the frame.
      Release();
      plan_.upscale = 1;
    }
  } else {
    Release();
  }
  if (source == frame) SDL_SetTextureScaleMode(frame, plan_.linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);

  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  const SDL_Rect place = ToSdl(plan_.picture);
  return SDL_RenderCopy(renderer, source, nullptr, &place) == 0;
}

std::vector<uint32_t> RenderScaledFrame(const uint32_t* pixels, int frameWidth, int frameHeight, int pitch,
                                        int outputWidth, int outputHeight, int mode, size_t* intermediateBytes) {
  std::vector<uint32_t> output;
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, outputWidth, outputHeight, 32, SDL_PIXELFORMAT_RGB888);
  if (target == nullptr) return output;
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
  if (renderer != nullptr) {
    SDL_Texture* frame =
        SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, frameWidth, frameHeight);
    if (frame != nullptr) {
      SDL_UpdateTexture(frame, nullptr, pixels, pitch);
      FrameScaler scaler;
      if (scaler.Draw(renderer, frame, frameWidth, frameHeight, mode)) {
        SDL_RenderPresent(renderer);
        if (intermediateBytes != nullptr) *intermediateBytes = scaler.IntermediateBytes();
        output.resize(static_cast<size_t>(outputWidth) * static_cast<size_t>(outputHeight));
        for (int y = 0; y < outputHeight; ++y) {
          const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(target->pixels) +
                                                              static_cast<size_t>(y) * target->pitch);
          for (int x = 0; x < outputWidth; ++x) output[static_cast<size_t>(y) * outputWidth + x] = row[x] & 0x00FFFFFFu;
        }
      }
      scaler.Release();
      SDL_DestroyTexture(frame);
    }
    SDL_DestroyRenderer(renderer);
  }
  SDL_FreeSurface(target);
  return output;
}
