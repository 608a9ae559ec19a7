#include "tools/artgen/art/book.h"
namespace artgen {
StyleAccent AccentOf(int) { return {}; }
void GenerateBoards(ArtBook&) {}
void GenerateBackdrops(ArtBook&) {}
void GenerateConsoleStyles(ArtBook&) {}
void GenerateConsoles(ArtBook&) {}
void GeneratePickers(ArtBook&) {}
void GenerateViewerOwn(ArtBook&) {}
void GenerateConfigurator(ArtBook&) {}
void GenerateSounds(ArtBook&) {}
}
