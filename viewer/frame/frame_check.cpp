// FrameCheck: a tiny Windows program made of the frame alone. It proves that
// the frame links against the real SDK and gives a quick look at both display
// modes: a keyed square slides across a grey field; Escape ends it.
#include <cstring>

#include "viewer/frame/run_application.h"

namespace {

void Fill(LPDIRECTDRAWSURFACE surface, DWORD colour, LONG width, LONG height) {
  DDBLTFX effects;
  std::memset(&effects, 0, sizeof effects);
  effects.dwSize = sizeof effects;
  effects.dwFillColor = colour;
  RECT rect = {0, 0, width, height};
  surface->Blt(&rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &effects);
}

class FrameCheck : public DirectDrawApplication {
 public:
  FrameCheck(HINSTANCE instance, int showCommand, const char* commandLine)
      : DirectDrawApplication(instance, "FrameCheck", showCommand, 800, 600, 24, commandLine,
                              FullScreenChoice(ReadSettings())),
        field(CreateBitmapSurface(800, 600)),
        square(CreateBitmapSurface(100, 100)) {
    Fill(field, 0x808080, 800, 600);
    Fill(square, 0x00C000, 100, 100);
    SetCursor(nullptr);
  }

  void UpdateFrame() override {
    Blit(field, 0, 0, 800, 600, backBuffer, 0, 0, 0, 0);
    Blit(square, 0, 0, 100, 100, backBuffer, static_cast<int16_t>(position - 100), 250, 0, 1);
    position = static_cast<int16_t>((position + 1) % 1000);
    if (fullScreen == 1) FlipSurfaces();
  }

  void OnTimer() override {}

 private:
  LPDIRECTDRAWSURFACE field;
  LPDIRECTDRAWSURFACE square;
  int16_t position = 0;
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  return RunApplication([&] { return new FrameCheck(instance, showCommand, commandLine); });
}
