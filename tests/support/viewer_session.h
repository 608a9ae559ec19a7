// A scripted viewer run, for the tests and the soak run: a folder of its own
// holding the game file, the settings and layouts files and (optionally) the
// art libraries; the headless platform on its virtual clock; and a loop that
// delivers the queued messages and updates the frame as the program's own
// loop does.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/settings/settings_record.h"
#include "platform/headless.h"
#include "viewer/show/viewer_app.h"

// Virtual-key codes the viewer answers.
enum TestKey : int {
  kEnterKey = VK_RETURN,
  kEscapeKey = VK_ESCAPE,
  kLeftKey = VK_LEFT,
  kUpKey = VK_UP,
  kRightKey = VK_RIGHT,
  kDownKey = VK_DOWN,
};

// Settings for the tests: windowed, games in file order, no opening wait,
// fastest pieces; each test changes what it is about.
SettingsRecord TestSettings();

struct SessionSetup {
  std::string pgn;           // Tarnwicket.pgn; empty: no game file
  bool artLibraries = true;  // the four art libraries beside the viewer
  // Where the art libraries are linked from; empty: the build's run folder.
  std::string artFolder;
  SettingsRecord settings = TestSettings();
  // The settings file's bytes when they are not a whole record (any length);
  // an empty list writes no settings file at all.
  std::optional<std::vector<uint8_t>> settingsBytes;
  std::vector<uint8_t> layouts;  // Tarnwicket.rnd; empty: no file
  std::string commandLine;
};

class ViewerSession {
 public:
  explicit ViewerSession(const SessionSetup& setup);
  ~ViewerSession();
  ViewerSession(const ViewerSession&) = delete;
  ViewerSession& operator=(const ViewerSession&) = delete;

  // Constructs the viewer in the session's folder (throws its FatalError).
  ViewerApp& Start();
  ViewerApp& app() { return *app_; }
  bool started() const { return app_ != nullptr; }
  const std::string& folder() const { return folder_; }

  // Delivers the queued messages; false once the quit message came.
  bool Pump();
  // Advances the virtual clock, delivers messages, then updates the frame.
  void Frame(uint32_t milliseconds = kFrameMs);
  void Frames(int count, uint32_t milliseconds = kFrameMs);
  // Starts the viewer if need be and runs frames until the intro and the
  // frame-rate measurement are over: 100 ms frames measure 10 frames a second.
  void FinishIntro(uint32_t frameMs = 100);
  // A key pressed and released, delivered at once.
  void Press(int virtualKey);
  // Advances the virtual clock to the play timer's next tick, without
  // frames, and delivers it.
  void Tick();
  void Ticks(int count);
  // Frames until the sliding ply has landed (at most `limit` frames).
  void FramesUntilLanded(int limit = 2000);
  bool quit() const { return quit_; }

  // Sound resource numbers played since the last call.
  std::vector<unsigned> TakeSounds();

  static constexpr uint32_t kFrameMs = 25;

 private:
  std::string folder_;
  std::string previousFolder_;
  std::string commandLine_;
  std::unique_ptr<ViewerApp> app_;
  size_t soundsSeen_ = 0;
  uint64_t timerStartMs_ = 0;  // when the play timer started
  bool quit_ = false;
};

// One game with the seven standard tags; `moves` is its movetext without
// the result.
std::string TestGame(const std::string& moves, const std::string& result, const std::string& white = "White, Player",
                     const std::string& black = "Black, Player", const std::string& event = "Test Event");

// Puts an art library of `fromFolder` (empty: the build's run folder) into
// the current folder under the given name (a link to it; the built library
// is never written).
void PlaceArtLibrary(const std::string& builtName, const std::string& placedName, const std::string& fromFolder = "");

// A file of the test data folder, read whole.
std::string ReadTestData(const std::string& relativePath);

// A file written whole (binary); throws when it cannot be.
void WriteWholeFile(const std::string& path, const void* data, size_t size);
