// One function per reader that takes a block of arbitrary bytes through that
// reader the way the programs use it. The fuzz targets call them with the
// fuzzer's inputs; the robustness tests call them with the inputs that once
// broke a reader, so those stay fixed.
//
// Every function returns normally for any input; a broken rule of the
// reader's own promises (see each file) ends the process with a message.
#pragma once

#include <cstddef>
#include <cstdint>

// A game file: counted, indexed, every game loaded and played to its end,
// then taken back ply by ply, as TarnwicketCheck and the viewer do.
void RunPgnGamesInput(const uint8_t* data, size_t size);
// A settings file and a layouts file of these bytes: read, written, re-read.
void RunSettingsFilesInput(const uint8_t* data, size_t size);
// A library file: its PE resource directory, then every picture, wave and
// dialog template in it.
void RunPeResourcesInput(const uint8_t* data, size_t size);
// A compiled resource file: its entries, then every picture, wave and dialog
// template in it.
void RunResFileInput(const uint8_t* data, size_t size);
// A bitmap resource: decoded, then scaled as LoadImageA scales it.
void RunDibDecodeInput(const uint8_t* data, size_t size);
// A wave resource: parsed into its format and samples.
void RunWaveInput(const uint8_t* data, size_t size);
// A dialog template resource: parsed item by item.
void RunDialogTemplateInput(const uint8_t* data, size_t size);
// A FEN tag's value, a Variant tag's value and a coordinate ply text: read,
// and a position that reads castled on every wing.
void RunFenPositionInput(const uint8_t* data, size_t size);
// PGN comments and clock tag values: read, shown on the console, timed.
void RunCommentCommandsInput(const uint8_t* data, size_t size);
// The viewer's command line, and XSCREENSAVER_WINDOW after a zero byte.
void RunViewerArgumentsInput(const uint8_t* data, size_t size);
// A broadcast address, and a validator of a server after a zero byte.
void RunBroadcastAddressInput(const uint8_t* data, size_t size);
