// Reading the resources of a PE image (a Windows DLL or program, PE32 or
// PE32+) straight from the file's bytes, without loading any code.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/src/res_table.h"

// The image's resources (an image without a resource directory has none).
// Empty when the bytes are not a PE image, or when any header, section,
// directory, name or data range lies outside the file, or the resource
// directory is not a proper three-level tree (loops, shared directories).
std::optional<ResourceTable> ReadPeResources(std::vector<uint8_t> file);
// The same over bytes that `keeper` holds alive (a mapping of the file).
std::optional<ResourceTable> ReadPeResources(ByteView file, std::shared_ptr<const ResourceBytes> keeper);
