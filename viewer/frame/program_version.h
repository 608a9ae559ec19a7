// The programs' version, as `--version` prints it and the packages carry it
// (dist/linux/install.cmake reads it from here).
#pragma once

#define TARNWICKET_VERSION "1.0"
