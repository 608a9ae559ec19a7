// The resource walk and the checks of the three resource formats.
//
// Promises: every entry lies inside the table's bytes and is found again by
// its type and name; a decoded picture has a sane size, depth, row pitch
// and pixel block, and scales to any size; a parsed wave has a supported
// format and whole sample frames inside the file; a parsed dialog template
// has a bounded number of items.
#include "fuzz/inputs/resource_walk.h"

#include <algorithm>

#include "fuzz/fuzz_check.h"
#include "platform/src/bmp_decode.h"
#include "platform/src/bmp_resize.h"
#include "platform/src/dialog_template.h"
#include "platform/src/wav_parse.h"

namespace {

constexpr uint16_t kResourceTypeDialog = 5;

void CheckScaled(const GdiBitmap& picture, int width, int height) {
  GdiBitmap scaled;
  ResizeBitmap(picture, width, height, scaled);
  FUZZ_REQUIRE(scaled.bits.size() == static_cast<size_t>(scaled.rowPitch) * height);
}

}  // namespace

void CheckDib(ByteView dib) {
  GdiBitmap picture;
  if (!DecodeDib(dib, picture)) return;
  FUZZ_REQUIRE(picture.width > 0 && picture.width <= kMaxDibSide);
  FUZZ_REQUIRE(picture.height > 0 && picture.height <= kMaxDibSide);
  FUZZ_REQUIRE(int64_t{picture.width} * picture.height <= kMaxDibPixels);
  FUZZ_REQUIRE(picture.bitsPerPixel == 8 || picture.bitsPerPixel == 24 || picture.bitsPerPixel == 32);
  FUZZ_REQUIRE(picture.rowPitch == GdiBitmap::PitchFor(picture.width, picture.bitsPerPixel));
  FUZZ_REQUIRE(picture.bits.size() == static_cast<size_t>(picture.rowPitch) * picture.height);
  FUZZ_REQUIRE(picture.bitsPerPixel != 8 || (!picture.palette.empty() && picture.palette.size() <= 256));
  // LoadImageA scales to the size the caller asks for: smaller, larger, one pixel.
  CheckScaled(picture, 1, 1);
  CheckScaled(picture, 37, 23);
  CheckScaled(picture, std::min(2 * picture.width, 512), std::min(picture.height + 1, 512));
}

void CheckWave(ByteView file) {
  WaveSound sound;
  if (!ParseWave(file, sound)) return;
  FUZZ_REQUIRE(sound.channels >= 1 && sound.channels <= 8);
  FUZZ_REQUIRE(sound.bitsPerSample == 8 || sound.bitsPerSample == 16);
  const size_t frame = size_t{sound.channels} * sound.bitsPerSample / 8;
  FUZZ_REQUIRE(sound.samples.Size() % frame == 0);
  if (sound.samples.Size() > 0) {
    FUZZ_REQUIRE(sound.samples.Data() >= file.Data());
    FUZZ_REQUIRE(sound.samples.Data() + sound.samples.Size() <= file.Data() + file.Size());
  }
}

void CheckDialogTemplate(ByteView bytes) {
  DialogTemplate form;
  if (!ParseDialogTemplate(bytes, form)) return;
  // Every item takes at least 18 bytes of the template.
  FUZZ_REQUIRE(form.items.size() * 18 <= bytes.Size());
  for (const DialogItemTemplate& item : form.items) {
    if (item.windowClass.isOrdinal) PredefinedControlClass(item.windowClass.ordinal);
  }
}

void WalkResources(const ResourceTable& table) {
  for (const ResourceEntry& entry : table.Entries()) {
    FUZZ_REQUIRE(table.Bytes().Contains(entry.offset, entry.size));
    FUZZ_REQUIRE(table.Find(entry.type, entry.name) != nullptr);
    const ByteView data = table.DataOf(entry);
    if (entry.type == ResourceKey::Number(kResourceTypeBitmap)) {
      CheckDib(data);
    } else if (entry.type == ResourceKey::Text("WAVE")) {
      CheckWave(data);
    } else if (entry.type == ResourceKey::Number(kResourceTypeDialog)) {
      CheckDialogTemplate(data);
    }
  }
}
