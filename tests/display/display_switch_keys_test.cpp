// The keys that switch the DirectDraw window between the window and the full
// screen, kept from the program: Alt+Enter and F11, and nothing else.
#include <gtest/gtest.h>

#include "platform/src/window_queue.h"

namespace {

TEST(DisplaySwitchKeys, AltEnterAndF11SwitchTheDisplay) {
  EXPECT_TRUE(IsDisplaySwitchKey(VK_RETURN, true));
  EXPECT_TRUE(IsDisplaySwitchKey(VK_F11, false));
}

TEST(DisplaySwitchKeys, EnterAloneIsTheViewersNextGameAndAltF11NothingOfOurs) {
  EXPECT_FALSE(IsDisplaySwitchKey(VK_RETURN, false));
  EXPECT_FALSE(IsDisplaySwitchKey(VK_F11, true));
  EXPECT_FALSE(IsDisplaySwitchKey(VK_ESCAPE, true));
  EXPECT_FALSE(IsDisplaySwitchKey(VK_F10, false));
}

}  // namespace
