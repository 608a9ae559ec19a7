// Scripted headless viewer runs (see viewer_session.h).
#include "tests/support/viewer_session.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "art/resource_catalog.h"
#include "viewer/frame/window_procedure.h"

namespace fs = std::filesystem;

namespace {}  // namespace

void WriteWholeFile(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) throw std::runtime_error("cannot write " + path);
}

void PlaceArtLibrary(const std::string& builtName, const std::string& placedName, const std::string& fromFolder) {
  const fs::path placed = fs::current_path() / placedName;
  fs::remove(placed);
  fs::create_symlink(fs::path(fromFolder.empty() ? TARNWICKET_ART_LIBRARY_DIR : fromFolder) / builtName, placed);
}

SettingsRecord TestSettings() {
  SettingsRecord settings;
  settings.windowedMode = 1;
  settings.moveDelay = 1;  // 500 ms
  settings.nextGameDelay = 2;
  settings.firstMoveDelay = 0;
  settings.pieceSpeed = 20;  // 9 pixels a frame
  settings.reservedFlag = 0;
  settings.useRandomLayouts = 0;
  settings.autoplay = 1;
  settings.highlightMoves = 1;
  settings.scrollAnnouncementsForever = 1;
  settings.randomGameOrder = 0;
  settings.removeHeaderQuotes = 0;  // tag values with their names
  settings.waitForAnnouncements = 0;
  settings.blackPieceSet = 5;
  settings.whitePieceSet = 2;
  settings.sound = 1;
  settings.headerLeftDisplayed = 1;  // the date kept on show
  settings.hideBlankHeaderEntries = 1;
  settings.animationStyle = 3;  // medium jumping
  settings.backdropIndex = 2;
  settings.consoleIndex = 0;
  settings.boardIndex = 2;
  settings.consoleStyle = 0;
  // The games of a test file end where they end: none waits for more plies.
  settings.followLiveGames = 0;
  return settings;
}

std::string TestGame(const std::string& moves, const std::string& result, const std::string& white,
                     const std::string& black, const std::string& event) {
  return "[Event \"" + event + "\"]\n[Site \"Testville\"]\n[Date \"2024.01.01\"]\n[Round \"1\"]\n" + "[White \"" +
         white + "\"]\n[Black \"" + black + "\"]\n[Result \"" + result + "\"]\n\n" + moves + " " + result + "\n\n";
}

std::string ReadTestData(const std::string& relativePath) {
  std::ifstream in(std::string(TARNWICKET_TEST_DATA) + "/" + relativePath, std::ios::binary);
  if (!in) throw std::runtime_error("missing test data " + relativePath);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

ViewerSession::ViewerSession(const SessionSetup& setup) {
  headless::Enable();
  headless::Reset();
  std::string pattern = (fs::temp_directory_path() / "tarnwicket-viewer-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) throw std::runtime_error("no temporary folder");
  folder_ = pattern;
  if (!setup.pgn.empty()) WriteWholeFile(folder_ + "/Tarnwicket.pgn", setup.pgn.data(), setup.pgn.size());
  if (setup.settingsBytes.has_value()) {
    const std::vector<uint8_t>& bytes = *setup.settingsBytes;
    if (!bytes.empty()) WriteWholeFile(folder_ + "/Tarnwicket.cfg", bytes.data(), bytes.size());
  } else {
    uint8_t bytes[SettingsRecord::kSize];
    setup.settings.ToBytes(bytes);
    WriteWholeFile(folder_ + "/Tarnwicket.cfg", bytes, sizeof bytes);
  }
  if (!setup.layouts.empty()) {
    WriteWholeFile(folder_ + "/Tarnwicket.rnd", setup.layouts.data(), setup.layouts.size());
  }
  previousFolder_ = fs::current_path().string();
  fs::current_path(folder_);
  if (setup.artLibraries) {
    for (const char* library : resource_catalog::kArtLibraryFiles) PlaceArtLibrary(library, library, setup.artFolder);
  }
  commandLine_ = setup.commandLine;
}

ViewerSession::~ViewerSession() {
  if (appWindow != nullptr) DetachApplication(appWindow);
  app_.reset();
  appWindow = nullptr;
  theApp = nullptr;
  headless::Reset();
  fs::current_path(previousFolder_);
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

ViewerApp& ViewerSession::Start() {
  app_.reset(
      new ViewerApp(GetModuleHandleA(nullptr), "TarnwicketGame", SW_SHOWNORMAL, 800, 600, 24, commandLine_.c_str()));
  theApp = app_.get();
  return *app_;
}

bool ViewerSession::Pump() {
  MSG message;
  while (!quit_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit_ = true;
      break;
    }
    DispatchMessageA(&message);
    RethrowHeldFatalError();
  }
  return !quit_;
}

void ViewerSession::Frame(uint32_t milliseconds) {
  headless::AdvanceClock(milliseconds);
  if (Pump()) app_->UpdateFrame();
}

void ViewerSession::Frames(int count, uint32_t milliseconds) {
  for (int i = 0; i < count; ++i) Frame(milliseconds);
}

void ViewerSession::FinishIntro(uint32_t frameMs) {
  if (app_ == nullptr) Start();
  while (app_->frameRate().secondsCounted < 8 && !quit_) Frame(frameMs);
  timerStartMs_ = headless::ClockMilliseconds();
}

void ViewerSession::Press(int virtualKey) {
  headless::KeyPress(virtualKey);
  Pump();
}

void ViewerSession::Tick() {
  const uint64_t periodMs = app_->PlayTimerPeriodMs();
  const uint64_t now = headless::ClockMilliseconds();
  const uint64_t next = timerStartMs_ + ((now - timerStartMs_) / periodMs + 1) * periodMs;
  headless::AdvanceClock(static_cast<uint32_t>(next - now));
  Pump();
}

void ViewerSession::Ticks(int count) {
  for (int i = 0; i < count; ++i) Tick();
}

void ViewerSession::FramesUntilLanded(int limit) {
  for (int i = 0; i < limit && app_->scene().animFrame != 0; ++i) Frame();
}

std::vector<unsigned> ViewerSession::TakeSounds() {
  const std::vector<headless::SoundRecord>& sounds = headless::Sounds();
  std::vector<unsigned> ids;
  for (size_t i = soundsSeen_; i < sounds.size(); ++i) ids.push_back(sounds[i].resourceId);
  soundsSeen_ = sounds.size();
  return ids;
}
