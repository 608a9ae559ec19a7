// The evidence log that automated runs on other systems read: nothing is
// written without the variable; with it, the display mode obtained, frames
// presented in both modes, dropped flips, timer ticks and how the program
// ended.
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/frame/frame_test_support.h"
#include "viewer/frame/evidence_log.h"
#include "viewer/frame/run_application.h"

namespace {

const char kLogName[] = "evidence.log";

class EvidenceLogTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    setenv(kEvidenceLogVariable, kLogName, 1);
  }
  void TearDown() override {
    unsetenv(kEvidenceLogVariable);
    FrameTest::TearDown();
  }

  static std::vector<std::string> Lines() {
    std::vector<std::string> lines;
    std::ifstream file(kLogName);
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

  static int CountOf(const std::string& wanted) {
    int count = 0;
    for (const std::string& line : Lines()) count += line == wanted ? 1 : 0;
    return count;
  }

  // Runs the loop until Escape after `frames` frames; each frame presents
  // itself as the viewer does in the application's mode.
  int RunPresenting(int frames) {
    return RunApplication([&] {
      loopApp.reset(new TestApp());
      LPDIRECTDRAWSURFACE frame = loopApp->fullScreen == 1 ? nullptr : loopApp->CreateBitmapSurface(800, 600);
      loopApp->onFrame = [frames, frame](TestApp& self) {
        if (self.fullScreen == 1) {
          self.FlipSurfaces();
        } else {
          self.PresentWindowed(frame);
        }
        if (self.frames == frames) headless::KeyPress(VK_ESCAPE);
      };
      return loopApp.get();
    });
  }

  // The loop never deletes the application object.
  std::unique_ptr<TestApp> loopApp;
};

TEST_F(EvidenceLogTest, NothingIsWrittenWithoutTheVariable) {
  unsetenv(kEvidenceLogVariable);
  EXPECT_FALSE(EvidenceLogEnabled());
  RunPresenting(3);
  EXPECT_FALSE(std::ifstream(kLogName).good());
}

TEST_F(EvidenceLogTest, FullScreenRunNotesTheModeFramesAndExit) {
  EXPECT_EQ(RunPresenting(61), 0);
  const std::vector<std::string> lines = Lines();
  ASSERT_GE(lines.size(), 3u);
  // The platform refuses 24 bits per pixel, as many drivers do, and takes 32.
  EXPECT_EQ(lines[0], "depth-set 32");
  EXPECT_EQ(lines[1], "display fullscreen 800x600x32");
  EXPECT_EQ(CountOf("presented 1"), 1);
  EXPECT_EQ(CountOf("presented 30"), 1);
  EXPECT_EQ(CountOf("presented 60"), 1);
  EXPECT_EQ(CountOf("presented 61"), 0) << "only the first and every 30th frame";
  EXPECT_EQ(lines.back(), "exit 0");
}

TEST_F(EvidenceLogTest, WindowedFramesAreCountedAsTheyArePresented) {
  WriteSettings(1);
  EXPECT_EQ(RunPresenting(30), 0);
  const std::vector<std::string> lines = Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("display windowed ", 0), 0u) << lines[0];
  EXPECT_EQ(CountOf("presented 1"), 1);
  EXPECT_EQ(CountOf("presented 30"), 1);
  EXPECT_EQ(CountOf("depth-set 32"), 0) << "windowed mode keeps the desktop's mode";
}

TEST_F(EvidenceLogTest, AWindowedFrameLostWithItsPrimarySurfaceIsFatalAndNoFrame) {
  WriteSettings(1);
  TestApp app;
  LPDIRECTDRAWSURFACE frame = app.CreateBitmapSurface(800, 600);
  headless::LoseSurface(app.primarySurface);
  EXPECT_EQ(FatalTextOf([&] { app.PresentWindowed(frame); }), "Surface Lost");
  EXPECT_EQ(CountOf("presented 1"), 0);
}

TEST_F(EvidenceLogTest, DroppedFlipsAreNotedWithTheirResult) {
  TestApp app;
  headless::LoseSurface(app.primarySurface);
  app.FlipSurfaces();
  app.FlipSurfaces();
  EXPECT_EQ(CountOf("flip-dropped 1 0x887601c2"), 1) << "DDERR_SURFACELOST";
  EXPECT_EQ(CountOf("presented 1"), 0);
}

TEST_F(EvidenceLogTest, TimerTicksAndFatalErrorsAreNoted) {
  RunApplication([&] {
    loopApp.reset(new TestApp());
    loopApp->onFrame = [](TestApp& self) {
      if (self.frames == 1) self.StartTimer(100);
      headless::AdvanceClock(10);
    };
    loopApp->onTimer = [](TestApp& self) {
      if (self.timerTicks == 2) throw FatalError("Tick failed.\nSecond line");
    };
    return loopApp.get();
  });
  EXPECT_EQ(CountOf("timer"), 2);
  EXPECT_EQ(CountOf("fatal Tick failed. | Second line"), 1);
  EXPECT_EQ(CountOf("exit 0"), 0) << "the loop did not end by a quit message";
}

}  // namespace
