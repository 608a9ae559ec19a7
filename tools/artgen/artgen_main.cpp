// Art generator: renders every picture and sound of Tarnwicket's programs and
// art libraries into the folder named on the command line.
//
//   tarnwicket_artgen <output folder> [font folder]
//
// The output is the same, byte for byte, on every run.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/artgen/art/book.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder> [font folder]\n", argv[0]);
    return 2;
  }
  try {
    artgen::Fonts fonts(argc > 2 ? argv[2] : "/usr/share/fonts/truetype/dejavu");
    artgen::Output out(argv[1]);
    artgen::ArtBook book;
    book.fonts = &fonts;
    book.out = &out;
    // Order matters: later pictures are made from earlier ones.
    artgen::GeneratePieces(book);
    artgen::GenerateBoards(book);
    artgen::GenerateBackdrops(book);
    artgen::GenerateConsoleStyles(book);
    artgen::GenerateConsoles(book);
    artgen::GeneratePickers(book);
    artgen::GenerateViewerOwn(book);
    artgen::GenerateConfigurator(book);
    artgen::GenerateSounds(book);
    std::printf("artgen: %d files written to %s\n", out.FileCount(), argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
