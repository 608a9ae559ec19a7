// The soak run's game file and layouts file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes `count` games to `path`, cycling through the games of the source
// files; each game gets its own Event and Round values, and every seventh
// one CR LF line ends. Returns the number of games written (0 when the
// sources hold no game or the file cannot be written).
int WriteSoakGameFile(const std::string& path, const std::vector<std::string>& sources, int count);

// Writes `count` random looks to a layouts file, slightly past the ranges
// the configurator offers so that the viewer's fallback pictures show too.
bool WriteSoakLayoutsFile(const std::string& path, int count, uint32_t seed);
