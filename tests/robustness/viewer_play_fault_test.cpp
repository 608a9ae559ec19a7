// Key sequences found by the soak run that once broke the viewer.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/board_text.h"
#include "tests/support/viewer_session.h"

namespace {

using test_support::Square;

TEST(ViewerKeySequences, RightWhileTheFirstPlySlidesBackPlaysItAgain) {
  SessionSetup setup;
  setup.pgn = TestGame("1.h3 e5 2.e4", "1-0");
  ViewerSession session(setup);
  ViewerApp& app = session.Start();
  session.FinishIntro();
  session.Press(kRightKey);  // 1.h3
  session.FramesUntilLanded();
  session.Press(kLeftKey);  // slides back to h2
  session.Frames(2);
  ASSERT_NE(app.scene().animFrame, 0) << "still sliding back";
  session.Press(kRightKey);  // 1.h3 again, at once
  EXPECT_EQ(app.chess().moveNumber(), 1);
  session.FramesUntilLanded();
  EXPECT_EQ(app.chess().board()[Square("h3")], 'p');
  EXPECT_EQ(app.chess().board()[Square("h2")], ' ');
}

}  // namespace
