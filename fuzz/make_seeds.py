#!/usr/bin/env python3
"""Writes the binary seeds of the resource fuzz targets, each named after the
quirk it covers: bitmaps (DIBs without a file header), waves, dialog
templates, a compiled resource file and a resource-only library holding them.

The library and the resource file are built with MinGW's windres and ld, as
the art libraries are. Run it from anywhere; it rewrites its files in
fuzz/corpus/. (The PE32 library seed was made once with the resource tests'
PE image builder, tests/platform_res/pe_image_builder.h.)
"""
import os
import struct
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")


def info_header(width, height, bits, compression=0, colors_used=0, image_size=0, size=40):
    header = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, image_size, 2835, 2835,
                         colors_used, 0)
    return header + bytes(size - 40)


def palette(count):
    return b"".join(struct.pack("<BBBB", (i * 37) & 255, (i * 91) & 255, (i * 13) & 255, 0) for i in range(count))


def rows(width, height, bits, value=lambda x, y: x + y):
    pitch = ((width * bits + 31) // 32) * 4
    out = bytearray()
    for y in range(height):
        row = bytearray(pitch)
        for x in range(width):
            v = value(x, y)
            if bits == 24:
                row[3 * x:3 * x + 3] = bytes((v * 40 & 255, v * 70 & 255, v * 90 & 255))
            elif bits == 32:
                row[4 * x:4 * x + 4] = bytes((v * 40 & 255, v * 70 & 255, v * 90 & 255, 0xAA))
            elif bits == 8:
                row[x] = v & 255
            elif bits == 4:
                row[x // 2] |= (v & 15) << (4 if x % 2 == 0 else 0)
            elif bits == 1:
                row[x // 8] |= (v & 1) << (7 - x % 8)
        out += row
    return bytes(out)


def dibs():
    yield "24bit-odd-width-padded-rows", info_header(5, 3, 24) + rows(5, 3, 24)
    yield "24bit-top-down", info_header(4, -3, 24) + rows(4, 3, 24)
    yield "32bit-x-byte-set", info_header(3, 2, 32) + rows(3, 2, 32)
    masks = struct.pack("<III", 0xFF0000, 0xFF00, 0xFF)
    yield "32bit-bitfields-masks", info_header(3, 2, 32, compression=3) + masks + rows(3, 2, 32)
    yield "8bit-full-palette", info_header(7, 4, 8) + palette(256) + rows(7, 4, 8)
    yield "8bit-short-palette-indices-past-it", info_header(7, 4, 8, colors_used=3) + palette(3) + rows(7, 4, 8)
    yield "4bit-odd-width", info_header(5, 2, 4) + palette(16) + rows(5, 2, 4)
    yield "1bit-two-colours", info_header(10, 2, 1) + palette(2) + rows(10, 2, 1)
    # Run, absolute run of odd length (padded), delta, end of line, end of picture.
    rle8 = bytes([3, 1, 0, 3, 2, 3, 4, 0, 0, 2, 0, 1, 2, 5, 0, 0, 4, 6, 0, 1])
    yield "rle8-run-absolute-delta-end-of-line", info_header(8, 5, 8, compression=1, colors_used=8,
                                                             image_size=len(rle8)) + palette(8) + rle8
    rle4 = bytes([6, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 0, 0, 1])
    yield "rle4-runs-and-absolute", info_header(6, 2, 4, compression=2, colors_used=16,
                                                image_size=len(rle4)) + palette(16) + rle4
    core = struct.pack("<IHHHH", 12, 3, 2, 1, 24) + rows(3, 2, 24)
    yield "core-header-12-bytes", core
    core8 = struct.pack("<IHHHH", 12, 2, 2, 1, 8) + b"".join(bytes((i, 2 * i & 255, 3 * i & 255)) for i in range(256)) + rows(2, 2, 8)
    yield "core-header-8bit-3-byte-palette", core8
    yield "v5-header-124-bytes", info_header(2, 2, 24, size=124) + rows(2, 2, 24)


def riff(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def chunk(tag, data, declared=None):
    size = len(data) if declared is None else declared
    return tag + struct.pack("<I", size) + data + (b"\0" if len(data) % 2 else b"")


def fmt(channels, rate, bits, tag=1, extensible=False):
    align = channels * bits // 8
    data = struct.pack("<HHIIHH", 0xFFFE if extensible else tag, channels, rate, rate * align, align, bits)
    if extensible:
        data += struct.pack("<HHI", 22, bits, 3) + struct.pack("<H", tag) + bytes(14)
    return chunk(b"fmt ", data)


def waves():
    yield "pcm8-mono-list-chunk-of-odd-size", riff([fmt(1, 11025, 8), chunk(b"LIST", b"INFOx"),
                                                    chunk(b"data", bytes(range(0, 250, 5)))])
    yield "pcm16-stereo", riff([fmt(2, 22050, 16), chunk(b"data", struct.pack("<8h", *range(-4, 4)))])
    yield "extensible-format-holding-pcm", riff([fmt(1, 8000, 16, extensible=True), chunk(b"data", bytes(8))])
    yield "data-claims-more-than-the-file", riff([fmt(1, 11025, 8), chunk(b"data", bytes(10), declared=4000)])
    yield "data-before-format", riff([chunk(b"data", bytes(4)), fmt(1, 11025, 8)])
    yield "stereo-16bit-with-half-a-frame", riff([fmt(2, 44100, 16), chunk(b"data", bytes(7))])


RC = r"""
#define DS_SETFONT 0x40L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define SS_BITMAP 0x0EL
#define BS_OWNERDRAW 0x0BL
101 BITMAP "24bit.bmp"
102 BITMAP "rle8.bmp"
103 BITMAP "8bit.bmp"
140 WAVE "click.wav"
PIECES BITMAP "8bit.bmp"
200 DIALOG 0, 0, 160, 90
STYLE DS_SETFONT | WS_POPUP
CAPTION "Settings"
FONT 8, "MS Sans Serif"
BEGIN
  CONTROL "", 1, "Button", BS_OWNERDRAW | WS_CHILD | WS_VISIBLE, 10, 10, 40, 14
  CONTROL 101, 1000, "Static", SS_BITMAP | WS_CHILD | WS_VISIBLE, 60, 10, 16, 16
  CONTROL "text", -1, "Static", WS_CHILD | WS_VISIBLE, 10, 40, 60, 8
  CONTROL "custom", 1001, "OwnClass", WS_CHILD, 80, 40, 60, 8
END
201 DIALOGEX 0, 0, 100, 50
STYLE WS_POPUP
MENU 7
CAPTION "Picker"
BEGIN
  CONTROL "", 2, "Button", BS_OWNERDRAW | WS_CHILD | WS_VISIBLE, 0, 0, 10, 10
END
"""


def bmp_file(dib):
    return b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 0) + dib


def res_entries(data):
    """Yields (type, name, payload) of a .res file; type and name as int or str."""
    offset = 0

    def name_field(at):
        if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, at + 2)[0], at + 4
        end = at
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[at:end].decode("utf-16-le"), end + 2

    while offset + 8 <= len(data):
        data_size, header_size = struct.unpack_from("<II", data, offset)
        kind, at = name_field(offset + 8)
        name, at = name_field(at)
        yield kind, name, data[offset + header_size:offset + header_size + data_size]
        offset += header_size + data_size
        offset += (4 - offset % 4) % 4


def write(folder, name, data):
    os.makedirs(os.path.join(CORPUS, folder), exist_ok=True)
    with open(os.path.join(CORPUS, folder, name), "wb") as out:
        out.write(data)


def main():
    all_dibs = dict(dibs())
    for name, dib in all_dibs.items():
        write("dib_decode", name + ".dib", dib)
    all_waves = dict(waves())
    for name, wave in all_waves.items():
        write("wave", name + ".wav", wave)

    with tempfile.TemporaryDirectory() as work:
        files = {"24bit.bmp": bmp_file(all_dibs["24bit-odd-width-padded-rows"]),
                 "rle8.bmp": bmp_file(all_dibs["rle8-run-absolute-delta-end-of-line"]),
                 "8bit.bmp": bmp_file(all_dibs["8bit-short-palette-indices-past-it"]),
                 "click.wav": all_waves["pcm8-mono-list-chunk-of-odd-size"],
                 "seeds.rc": RC.encode()}
        for name, data in files.items():
            with open(os.path.join(work, name), "wb") as out:
                out.write(data)
        run = lambda *args: subprocess.run(args, cwd=work, check=True)
        run("x86_64-w64-mingw32-windres", "-O", "res", "-i", "seeds.rc", "-o", "seeds.res")
        run("x86_64-w64-mingw32-windres", "-O", "coff", "-i", "seeds.rc", "-o", "seeds.o")
        run("x86_64-w64-mingw32-ld", "--dll", "-e", "0", "--subsystem", "windows", "-s", "-o", "seeds.dll", "seeds.o")
        with open(os.path.join(work, "seeds.res"), "rb") as res:
            res_bytes = res.read()
        with open(os.path.join(work, "seeds.dll"), "rb") as dll:
            dll_bytes = dll.read()

    write("res_file", "bitmaps-wave-named-bitmap-and-two-dialogs.res", res_bytes)
    write("pe_resources", "resource-only-library-with-bitmaps-wave-and-dialogs.dll", dll_bytes)
    for kind, name, payload in res_entries(res_bytes):
        if kind == 5:
            label = {200: "classic-with-font-and-four-item-kinds", 201: "extended-with-menu-ordinal"}[name]
            write("dialog_template", label + ".dlg", payload)


if __name__ == "__main__":
    main()
