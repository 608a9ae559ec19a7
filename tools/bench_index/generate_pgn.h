// Writes a PGN file of made-up games, shaped like the exports of the big
// chess sites (long tag sections, clock comments, NAGs, variations), for the
// indexing benchmark. The moves are plausible-looking, not legal.
#pragma once

#include <cstdint>
#include <string>

// Writes games until the file holds at least `bytes` bytes; returns the
// number of games written, 0 when the file cannot be written.
int GeneratePgnFile(const std::string& path, int64_t bytes, uint32_t seed);
