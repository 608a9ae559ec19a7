// Decoding device-independent bitmaps as a bitmap resource holds them: an
// info header (core, 40-byte or a later version), the colour table and the
// pixels, without the file header of a .bmp file.
#pragma once

#include "platform/src/gdi_object.h"
#include "platform/src/res_bytes.h"

// Fills `picture` with the DIB's pixels in DIB-section layout (rows bottom-up,
// padded to 4 bytes). 24-bit pictures stay 24-bit; 32-bit ones (plain, or
// with the usual red, green and blue masks) stay 32-bit; 1-, 4- and 8-bit
// pictures, run-length encoded ones (8 and 4 bits) included, become 8-bit
// with the colour table as their palette (indices past it are black, as
// are pixels a run-length code skips over). Top-down pictures are turned bottom-up. False for
// anything else, or when the data is shorter than the header says.
bool DecodeDib(ByteView dib, GdiBitmap& picture);

// The largest width or height, and pixel count, that a picture may have.
constexpr int kMaxDibSide = 16384;
constexpr int64_t kMaxDibPixels = int64_t{64} * 1024 * 1024;
