// Times a frame-like workload (an 800 x 600 opaque blit, an 800 x 600 keyed
// blit, forty 48 x 100 keyed sprites and 24 keyed 16 x 24 glyphs) on the
// platform's DirectDraw surfaces and on SDL surfaces with SDL_BlitSurface and
// a colour key, and prints frames per second for both and their ratio.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "common/frame_geometry.h"
#include "platform/headless.h"
#include "platform/win32.h"

namespace {

using frame_geometry::kFrameHeight;
using frame_geometry::kFrameWidth;
using frame_geometry::kGlyphHeight;
using frame_geometry::kGlyphWidth;
using frame_geometry::kSpriteHeight;
using frame_geometry::kSpriteWidth;
constexpr int kSprites = 40;
constexpr int kGlyphs = 24;
constexpr double kSecondsPerRun = 2.0;

// A picture as 32-bit XRGB pixels, 0 where it is transparent.
struct Picture {
  int width;
  int height;
  std::vector<uint32_t> pixels;
};

// A colour of the picture at (x, y); never black, the top byte always 0.
uint32_t Shade(int x, int y) { return 0x00101010u + static_cast<uint32_t>((x * 7 + y * 13) & 0xEF) * 0x00010101u; }

Picture Backdrop() {
  Picture picture{kFrameWidth, kFrameHeight, std::vector<uint32_t>(kFrameWidth * kFrameHeight)};
  for (int y = 0; y < kFrameHeight; ++y)
    for (int x = 0; x < kFrameWidth; ++x) picture.pixels[y * kFrameWidth + x] = Shade(x, y) | 0x00400000u;
  return picture;
}

// A piece: a rounded silhouette filling about half of its 48 x 100 cell.
bool InsidePiece(int x, int y) {
  const int dx = x - kSpriteWidth / 2;
  const int dy = y - 60;
  return (y > 20 && y < 95 && dx * dx * 4 + dy * dy < 38 * 38) || (y >= 10 && y <= 30 && dx * dx < 60);
}

Picture Sprite() {
  Picture picture{kSpriteWidth, kSpriteHeight, std::vector<uint32_t>(kSpriteWidth * kSpriteHeight, 0)};
  for (int y = 0; y < kSpriteHeight; ++y)
    for (int x = 0; x < kSpriteWidth; ++x)
      if (InsidePiece(x, y)) picture.pixels[y * kSpriteWidth + x] = Shade(x, y) | 0x00000080u;
  return picture;
}

// The standing pieces: 32 sprites on an 8 x 8 board, black elsewhere.
Picture PieceLayer(const Picture& sprite) {
  Picture picture{kFrameWidth, kFrameHeight, std::vector<uint32_t>(kFrameWidth * kFrameHeight, 0)};
  for (int row : {0, 1, 6, 7})
    for (int file = 0; file < 8; ++file)
      for (int y = 0; y < kSpriteHeight; ++y)
        for (int x = 0; x < kSpriteWidth; ++x) {
          const uint32_t pixel = sprite.pixels[y * kSpriteWidth + x];
          if (pixel != 0) picture.pixels[(50 + 50 * row + y) * kFrameWidth + 101 + 50 * file + x] = pixel;
        }
  return picture;
}

Picture Glyph() {
  Picture picture{kGlyphWidth, kGlyphHeight, std::vector<uint32_t>(kGlyphWidth * kGlyphHeight, 0)};
  for (int y = 2; y < kGlyphHeight - 2; ++y)
    for (int x = 2; x < kGlyphWidth - 2; ++x)
      if (x < 5 || y < 5 || y == kGlyphHeight / 2) picture.pixels[y * kGlyphWidth + x] = 0x0000FF40u;
  return picture;
}

struct Position {
  int x;
  int y;
};

std::vector<Position> SpritePositions() {
  std::vector<Position> positions;
  for (int i = 0; i < kSprites; ++i) positions.push_back({(i * 97) % (kFrameWidth - kSpriteWidth), (i * 53) % 480});
  return positions;
}

// Runs frames for about kSecondsPerRun and returns frames per second.
template <typename Frame>
double FramesPerSecond(Frame frame) {
  for (int i = 0; i < 20; ++i) frame();  // warm the caches
  const auto start = std::chrono::steady_clock::now();
  int frames = 0;
  double elapsed = 0;
  do {
    for (int i = 0; i < 50; ++i) frame();
    frames += 50;
    elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  } while (elapsed < kSecondsPerRun);
  return frames / elapsed;
}

void Check(HRESULT result, const char* what) {
  if (result != DD_OK) {
    std::fprintf(stderr, "%s failed: 0x%08x\n", what, static_cast<unsigned>(result));
    std::exit(1);
  }
}

LPDIRECTDRAWSURFACE MakeSurface(LPDIRECTDRAW directDraw, const Picture& picture, bool keyed) {
  DDSURFACEDESC description{};
  description.dwSize = sizeof description;
  description.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  description.dwWidth = static_cast<DWORD>(picture.width);
  description.dwHeight = static_cast<DWORD>(picture.height);
  description.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  LPDIRECTDRAWSURFACE surface = nullptr;
  Check(directDraw->CreateSurface(&description, &surface, nullptr), "CreateSurface");
  if (keyed) {
    DDCOLORKEY key{0, 0};
    Check(surface->SetColorKey(DDCKEY_SRCBLT, &key), "SetColorKey");
  }
  DDSURFACEDESC lock{};
  lock.dwSize = sizeof lock;
  Check(surface->Lock(nullptr, &lock, DDLOCK_WAIT, nullptr), "Lock");
  for (int y = 0; y < picture.height; ++y)
    std::memcpy(static_cast<uint8_t*>(lock.lpSurface) + static_cast<size_t>(y) * lock.lPitch,
                &picture.pixels[static_cast<size_t>(y) * picture.width], picture.width * 4u);
  surface->Unlock(nullptr);
  return surface;
}

SDL_Surface* MakeSdlSurface(const Picture& picture, bool keyed) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, picture.width, picture.height, 32, SDL_PIXELFORMAT_RGB888);
  for (int y = 0; y < picture.height; ++y)
    std::memcpy(static_cast<uint8_t*>(surface->pixels) + static_cast<size_t>(y) * surface->pitch,
                &picture.pixels[static_cast<size_t>(y) * picture.width], picture.width * 4u);
  if (keyed) SDL_SetColorKey(surface, SDL_TRUE, 0);
  return surface;
}

}  // namespace

int main() {
  headless::Enable();
  const Picture backdrop = Backdrop();
  const Picture sprite = Sprite();
  const Picture pieces = PieceLayer(sprite);
  const Picture glyph = Glyph();
  const std::vector<Position> positions = SpritePositions();

  LPDIRECTDRAW directDraw = nullptr;
  Check(DirectDrawCreate(nullptr, &directDraw, nullptr), "DirectDrawCreate");
  Check(directDraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL), "SetCooperativeLevel");
  LPDIRECTDRAWSURFACE target = MakeSurface(
      directDraw, Picture{kFrameWidth, kFrameHeight, std::vector<uint32_t>(kFrameWidth * kFrameHeight)}, false);
  LPDIRECTDRAWSURFACE backdropSurface = MakeSurface(directDraw, backdrop, false);
  LPDIRECTDRAWSURFACE piecesSurface = MakeSurface(directDraw, pieces, true);
  LPDIRECTDRAWSURFACE spriteSurface = MakeSurface(directDraw, sprite, true);
  LPDIRECTDRAWSURFACE glyphSurface = MakeSurface(directDraw, glyph, true);

  const double ours = FramesPerSecond([&] {
    Check(target->BltFast(0, 0, backdropSurface, nullptr, DDBLTFAST_NOCOLORKEY), "BltFast");
    Check(target->BltFast(0, 0, piecesSurface, nullptr, DDBLTFAST_SRCCOLORKEY), "BltFast");
    for (const Position& at : positions)
      Check(target->BltFast(at.x, at.y, spriteSurface, nullptr, DDBLTFAST_SRCCOLORKEY), "BltFast");
    for (int i = 0; i < kGlyphs; ++i)
      Check(target->BltFast(100 + i * kGlyphWidth, 560, glyphSurface, nullptr, DDBLTFAST_SRCCOLORKEY), "BltFast");
  });

  SDL_Surface* sdlTarget = SDL_CreateRGBSurfaceWithFormat(0, kFrameWidth, kFrameHeight, 32, SDL_PIXELFORMAT_RGB888);
  SDL_Surface* sdlBackdrop = MakeSdlSurface(backdrop, false);
  SDL_Surface* sdlPieces = MakeSdlSurface(pieces, true);
  SDL_Surface* sdlSprite = MakeSdlSurface(sprite, true);
  SDL_Surface* sdlGlyph = MakeSdlSurface(glyph, true);
  const double sdl = FramesPerSecond([&] {
    SDL_Rect origin{0, 0, 0, 0};
    SDL_BlitSurface(sdlBackdrop, nullptr, sdlTarget, &origin);
    origin = SDL_Rect{0, 0, 0, 0};
    SDL_BlitSurface(sdlPieces, nullptr, sdlTarget, &origin);
    for (const Position& at : positions) {
      SDL_Rect where{at.x, at.y, 0, 0};
      SDL_BlitSurface(sdlSprite, nullptr, sdlTarget, &where);
    }
    for (int i = 0; i < kGlyphs; ++i) {
      SDL_Rect where{100 + i * kGlyphWidth, 560, 0, 0};
      SDL_BlitSurface(sdlGlyph, nullptr, sdlTarget, &where);
    }
  });

  // Both must have drawn the same frame.
  DDSURFACEDESC lock{};
  lock.dwSize = sizeof lock;
  Check(target->Lock(nullptr, &lock, DDLOCK_WAIT | DDLOCK_READONLY, nullptr), "Lock");
  int differences = 0;
  for (int y = 0; y < kFrameHeight; ++y)
    differences += std::memcmp(static_cast<uint8_t*>(lock.lpSurface) + static_cast<size_t>(y) * lock.lPitch,
                               static_cast<uint8_t*>(sdlTarget->pixels) + static_cast<size_t>(y) * sdlTarget->pitch,
                               kFrameWidth * 4u) != 0;
  target->Unlock(nullptr);

  std::printf("software surfaces (Blt/BltFast): %8.0f frames/s\n", ours);
  std::printf("SDL_BlitSurface with colour key:  %8.0f frames/s\n", sdl);
  std::printf("ratio: %.2f (goal: at least 1.50, and at least 2000 frames/s)\n", ours / sdl);
  if (differences != 0) std::printf("warning: %d rows differ between the two frames\n", differences);

  for (SDL_Surface* surface : {sdlTarget, sdlBackdrop, sdlPieces, sdlSprite, sdlGlyph}) SDL_FreeSurface(surface);
  directDraw->Release();
  return differences == 0 ? 0 : 1;
}
