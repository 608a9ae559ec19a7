// Scripted headless viewer runs for the tests (see viewer_session.h).
#include "tests/viewer/viewer_session.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "viewer/frame/window_procedure.h"

namespace fs = std::filesystem;

namespace {

const char* const kArtLibraries[] = {
    "Tarnwicket_Checkerlib.dll",
    "Tarnwicket_Figurinelib.dll",
    "Tarnwicket_Dashlib.dll",
    "Tarnwicket_Backdroplib.dll",
};

void WriteFile(const std::string& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void PlaceArtLibrary(const std::string& builtName, const std::string& placedName) {
  const fs::path placed = fs::current_path() / placedName;
  fs::remove(placed);
  fs::create_symlink(fs::path(TARNWICKET_ART_LIBRARY_DIR) / builtName, placed);
}

std::vector<uint8_t> TestSettings() {
  return {
      1,   // windowed
      1,   // move delay: 500 ms
      2,   // two ticks between games
      0,   // no opening wait
      20,  // fastest pieces: 9 pixels a frame
      0,   // reserved
      0,   // no random layouts
      1,   // autoplay
      1,   // highlight moves
      1,   // announcements scroll forever
      0,   // games in file order
      0,   // tag values with their names
      0,   // no waiting for the announcements
      5,   // black piece set
      2,   // white piece set
      1,   // sound on
      1,   // date kept on show
      1,   // blank tag values shown empty
      3,   // medium jumping
      2,   // backdrop
      0,   // console
      2,   // board
      0,   // console style
  };
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
  if (!setup.pgn.empty()) WriteFile(folder_ + "/Tarnwicket.pgn", setup.pgn.data(), setup.pgn.size());
  if (!setup.settings.empty()) {
    WriteFile(folder_ + "/Tarnwicket.cfg", setup.settings.data(), setup.settings.size());
  }
  if (!setup.layouts.empty()) {
    WriteFile(folder_ + "/Tarnwicket.rnd", setup.layouts.data(), setup.layouts.size());
  }
  previousFolder_ = fs::current_path().string();
  fs::current_path(folder_);
  if (setup.artLibraries) {
    for (const char* library : kArtLibraries) PlaceArtLibrary(library, library);
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
  while (app_->secondsCounted < 8 && !quit_) Frame(frameMs);
  timerStartMs_ = headless::ClockMilliseconds();
}

void ViewerSession::Press(int virtualKey) {
  headless::KeyPress(virtualKey);
  Pump();
}

void ViewerSession::Tick() {
  const int32_t period = app_->delayMs + app_->moveFrames;
  const uint64_t periodMs = static_cast<uint64_t>(period >= 10 ? period : 10);
  const uint64_t now = headless::ClockMilliseconds();
  const uint64_t next = timerStartMs_ + ((now - timerStartMs_) / periodMs + 1) * periodMs;
  headless::AdvanceClock(static_cast<uint32_t>(next - now));
  Pump();
}

void ViewerSession::Ticks(int count) {
  for (int i = 0; i < count; ++i) Tick();
}

void ViewerSession::FramesUntilLanded(int limit) {
  for (int i = 0; i < limit && app_->animFrame != 0; ++i) Frame();
}

std::vector<unsigned> ViewerSession::TakeSounds() {
  const std::vector<headless::SoundRecord>& sounds = headless::Sounds();
  std::vector<unsigned> ids;
  for (size_t i = soundsSeen_; i < sounds.size(); ++i) ids.push_back(sounds[i].resourceId);
  soundsSeen_ = sounds.size();
  return ids;
}
