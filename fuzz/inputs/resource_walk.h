// What the programs do with the resources of a library or a compiled
// resource file: every entry looked up again by its key, every bitmap
// decoded and scaled, every wave parsed, every dialog template parsed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/src/res_table.h"

// Walks every entry of the table; ends the process on a broken promise.
void WalkResources(const ResourceTable& table);

// Checks one bitmap resource (decoded and scaled), one wave and one dialog
// template; shared with the single-reader inputs.
void CheckDib(ByteView dib);
void CheckWave(ByteView file);
void CheckDialogTemplate(ByteView bytes);
