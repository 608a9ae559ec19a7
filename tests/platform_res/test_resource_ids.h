// Resource numbers of the test library (test_library.rc) and of the test
// program's own resources, shared by the script and the tests.
#pragma once

#define ID_BITMAP_24BIT_ODD_WIDTH    101
#define ID_BITMAP_24BIT_TOP_DOWN     102
#define ID_BITMAP_8BIT_SHORT_PALETTE 103
#define ID_BITMAP_RLE8_ESCAPES       104
#define ID_BITMAP_RLE4_RUNS          105
#define ID_BITMAP_4BIT_ODD_WIDTH     106
#define ID_BITMAP_1BIT_TWO_COLOURS   107
#define ID_BITMAP_32BIT_X_BYTE       108
#define ID_BITMAP_CORE_HEADER        109
#define ID_ICON_16                   130
#define ID_WAVE_PCM8_LIST_CHUNK      140
#define ID_WAVE_NOT_RIFF             141
