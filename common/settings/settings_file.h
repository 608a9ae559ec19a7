// The settings file as one read gives it: the record, with the defaults of
// SettingsRecord where the file's bytes are missing, and which bytes the
// file held. Each program reads it once at start-up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "common/settings/settings_record.h"

struct SettingsFile {
  SettingsRecord record;
  int bytesRead = -1;  // -1: the file did not open

  // True when the file held the byte of `field`, a field of `record`.
  template <typename Field>
  bool Holds(const Field& field) const {
    static_assert(sizeof(Field) == 1, "every settings field is one byte");
    const auto offset =
        reinterpret_cast<const unsigned char*>(&field) - reinterpret_cast<const unsigned char*>(&record);
    return offset >= 0 && offset < bytesRead;
  }
};

// Every field is one byte, in file order, so a field's place in the record
// is its offset in the file.
static_assert(std::is_standard_layout<SettingsRecord>::value, "the record is laid out as the file");
static_assert(sizeof(SettingsRecord) == SettingsRecord::kSize, "one byte per field, no padding");
static_assert(offsetof(SettingsRecord, consoleStyle) == 22, "fields in file order");
static_assert(offsetof(SettingsRecord, realPace) == 23, "fields in file order");
static_assert(offsetof(SettingsRecord, followLiveGames) == SettingsRecord::kSize - 1, "fields in file order");

// Reads the settings file (in the current folder unless named otherwise).
SettingsFile ReadSettings(const char* fileName = kSettingsFileName);
