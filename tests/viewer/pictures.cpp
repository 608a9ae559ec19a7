// Pixel read-back and golden frames for the viewer tests (see pictures.h).
#include "tests/viewer/pictures.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/frame_geometry.h"

Picture ReadSurface(LPDIRECTDRAWSURFACE surface) {
  Picture picture;
  DDSURFACEDESC description;
  std::memset(&description, 0, sizeof description);
  description.dwSize = sizeof description;
  if (surface->Lock(nullptr, &description, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) {
    return picture;
  }
  picture.width = static_cast<int>(description.dwWidth);
  picture.height = static_cast<int>(description.dwHeight);
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  const auto* bytes = static_cast<const unsigned char*>(description.lpSurface);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(bytes + y * description.lPitch);
    for (int x = 0; x < picture.width; ++x) {
      picture.pixels[static_cast<size_t>(y) * picture.width + x] = row[x] & 0xFFFFFFu;
    }
  }
  surface->Unlock(nullptr);
  return picture;
}

Picture LastFrame() {
  const headless::Frame& frame = headless::LastFrame();
  Picture picture;
  picture.width = frame.width;
  picture.height = frame.height;
  picture.pixels = frame.pixels;
  for (uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFFu;
  return picture;
}

Picture Region(const Picture& picture, int x, int y, int width, int height) {
  Picture region;
  region.width = width;
  region.height = height;
  region.pixels.reserve(static_cast<size_t>(width) * height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      region.pixels.push_back(picture.At(x + column, y + row));
    }
  }
  return region;
}

namespace {

template <typename Matches>
bool Shows(const Picture& picture, const Picture& sprite, int x, int y, Matches matches) {
  if (sprite.width == 0 || x < 0 || y < 0 || x + sprite.width > picture.width || y + sprite.height > picture.height) {
    return false;
  }
  for (int row = 0; row < sprite.height; ++row) {
    for (int column = 0; column < sprite.width; ++column) {
      if (!matches(picture.At(x + column, y + row), sprite.At(column, row))) return false;
    }
  }
  return true;
}

}  // namespace

bool ShowsOpaque(const Picture& picture, const Picture& sprite, int x, int y) {
  return Shows(picture, sprite, x, y, [](uint32_t shown, uint32_t drawn) { return shown == drawn; });
}

bool ShowsKeyed(const Picture& picture, const Picture& sprite, int x, int y) {
  return Shows(picture, sprite, x, y, [](uint32_t shown, uint32_t drawn) { return drawn == 0 || shown == drawn; });
}

bool ReadPng(const std::string& path, Picture& picture) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return false;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = (uint32_t{rgb[3 * i]} << 16) | (uint32_t{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
  }
  return true;
}

bool WritePng(const std::string& path, const Picture& picture) {
  std::vector<unsigned char> rgb;
  rgb.reserve(picture.pixels.size() * 3);
  for (uint32_t pixel : picture.pixels) {
    rgb.push_back(static_cast<unsigned char>(pixel >> 16));
    rgb.push_back(static_cast<unsigned char>(pixel >> 8));
    rgb.push_back(static_cast<unsigned char>(pixel));
  }
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

int64_t CompareWithGolden(const Picture& frame, const std::string& goldenName) {
  const std::string path = std::string(TARNWICKET_TEST_DATA) + "/viewer/" + goldenName;
  const char* update = std::getenv("TARNWICKET_UPDATE_GOLDEN");
  if (update != nullptr && std::strcmp(update, "1") == 0) {
    return WritePng(path, frame) ? 0 : static_cast<int64_t>(frame.pixels.size());
  }
  Picture golden;
  int64_t differing = static_cast<int64_t>(frame.pixels.size());
  if (ReadPng(path, golden) && golden.width == frame.width && golden.height == frame.height) {
    differing = 0;
    for (size_t i = 0; i < frame.pixels.size(); ++i) differing += golden.pixels[i] != frame.pixels[i];
  }
  if (differing != 0) WritePng(std::string(TARNWICKET_TEST_OUTPUT) + "/" + goldenName, frame);
  return differing;
}

bool ShowsText(const Picture& picture, const SurfaceSet& surfaces, int x, int y, const std::string& text, int cells) {
  for (int i = 0; i < cells; ++i) {
    const unsigned char code = i < static_cast<int>(text.size()) ? static_cast<unsigned char>(text[i]) : 0;
    if (!ShowsOpaque(picture, ReadSurface(surfaces.glyphs[code]), x + frame_geometry::kGlyphWidth * i, y)) return false;
  }
  return true;
}
