// ViewerApp start-up and shutdown: settings, art libraries, layouts,
// surfaces, the game file and the first game; and the release of what the
// viewer holds when it ends.
#include <cstring>

#include "common/settings/settings_record.h"
#include "viewer/show/calendar_time.h"
#include "viewer/show/viewer_app.h"

namespace {

constexpr char kDefaultGameFile[] = "Tarnwicket.pgn";

void FreeArtLibrary(HMODULE& library) {
  if (library != nullptr) FreeLibrary(library);
  library = nullptr;
}

}  // namespace

ViewerApp::ViewerApp(HINSTANCE instance, const char* title, int showCommand, int32_t width, int32_t height,
                     int32_t bitsPerPixel, const char* commandLine)
    : DirectDrawApplication(instance, title, showCommand, width, height, bitsPerPixel, commandLine) {
  random.Seed(static_cast<uint32_t>(CalendarSeconds()));

  const char* gameFile = (commandLine != nullptr && commandLine[0] != 0) ? commandLine : kDefaultGameFile;
  std::memset(pgnFileName, 0, sizeof pgnFileName);
  std::strncpy(pgnFileName, gameFile, sizeof pgnFileName - 1);

  fullScreenCopy = fullScreen;
  try {
    LoadArtLibraries();
    ApplySettingsFile();
    savedHoldForTicker = holdForTicker;
    moveFrames = delayMs > 0 ? static_cast<int32_t>(delayMs * 0.001 * 500) : 60;
    ReadLayoutsFile(layouts);

    CreateSurfaces();
    CountGames();  // raises "can't find Tarnwicket.PGN" when the file does not open
    IndexPlies();
    ReadResumeFile();
    NewGame(0);
  } catch (...) {
    ReleaseResources();
    throw;
  }
  SetCursor(nullptr);
  lastSecond = CalendarSeconds();
}

ViewerApp::~ViewerApp() { ReleaseResources(); }

void ViewerApp::ReleaseResources() {
  FreeArtLibrary(piecesLibrary);
  FreeArtLibrary(consolesLibrary);
  FreeArtLibrary(boardsLibrary);
  FreeArtLibrary(backdropsLibrary);
  ReleaseGameLibrary();
}

void ViewerApp::LoadArtLibraries() {
  boardsLibrary = LoadLibraryA("Tarnwicket_Checkerlib.dll");
  piecesLibrary = LoadLibraryA("Tarnwicket_Figurinelib.dll");
  consolesLibrary = LoadLibraryA("Tarnwicket_Dashlib.dll");
  backdropsLibrary = LoadLibraryA("Tarnwicket_Backdroplib.dll");
}

// Applies the bytes the settings file holds; the members of bytes past its
// end keep their defaults.
void ViewerApp::ApplySettingsFile() {
  SettingsRecord record;
  const int count = ReadSettingsFile(record);
  if (count <= 0) return;
  uint8_t bytes[SettingsRecord::kSize];
  record.ToBytes(bytes);
  for (int offset = 0; offset < count && offset < SettingsRecord::kSize; ++offset) {
    ApplySetting(offset, bytes[offset]);
  }
}

void ViewerApp::ApplySetting(int offset, uint8_t value) {
  const int8_t signedValue = static_cast<int8_t>(value);
  switch (offset) {
    case 0: fullScreenCopy = value == 1 ? 0 : 1; break;
    case 1: delayMs = signedValue * 500; break;
    case 2: gameEndWait = signedValue; break;
    case 3: openingWait = signedValue; break;
    case 4: speedSetting = signedValue; break;
    case 5: break;  // reserved
    case 6: randomLayouts = value; break;
    case 7: paused = value != 1; break;
    case 8: highlightMoves = value == 1; break;
    case 9: pinTicker = value != 1; break;
    case 10: randomOrder = value == 1; break;
    case 11: bareTagValues = value; break;
    case 12: holdForTicker = value == 1; break;
    case 13: blackPieceSet = signedValue; break;
    case 14: whitePieceSet = signedValue; break;
    case 15: soundOn = value; break;
    case 16: pinnedLine = value; break;
    case 17: blankUnknownTags = value; break;
    case 18:
      switch (value) {
        case 1: animate = 1, liftMax = 0, liftStep = 0; break;
        case 2: animate = 1, liftMax = 14, liftStep = 2; break;
        case 3: animate = 1, liftMax = 30, liftStep = 5; break;
        case 4: animate = 1, liftMax = 100, liftStep = 10; break;
        default: animate = 0, liftMax = 0, liftStep = 0; break;
      }
      break;
    case 19: backdropIndex = value; break;
    case 20: consolePicture = value; break;
    case 21: boardIndex = value; break;
    case 22: consoleStyle = value; break;
    default: break;
  }
}
