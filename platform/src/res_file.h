// Reading a compiled resource file (.res, as windres -O res writes it): the
// form in which a program's own resources are embedded into it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/src/res_table.h"

// The resources of a .res file; empty when any entry is malformed or runs
// past the end of the bytes.
std::optional<ResourceTable> ReadResFile(std::vector<uint8_t> bytes);
// The same over bytes that `keeper` holds alive (null: for the whole run, as
// a program's embedded resources are).
std::optional<ResourceTable> ReadResFile(ByteView bytes, std::shared_ptr<const ResourceBytes> keeper);
