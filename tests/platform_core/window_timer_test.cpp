// Timers on the virtual clock: due times, coalescing, replacement, and the
// platform's clocks.
#include "tests/platform_core/headless_fixture.h"

namespace {

using TimerTest = WindowTest;

int timerCallbacks = 0;
void CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++timerCallbacks; }

int TimerMessages() {
  int count = 0;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_TIMER) ++count;
    DispatchMessageA(&message);
  }
  return count;
}

TEST_F(TimerTest, TimerFiresWhenDueAndMissedPeriodsCoalesceIntoOne) {
  HWND window = MakeWindow();
  ASSERT_EQ(SetTimer(window, 1, 1000, nullptr), 1u);
  headless::AdvanceClock(999);
  EXPECT_EQ(TimerMessages(), 0);
  headless::AdvanceClock(1);
  EXPECT_EQ(TimerMessages(), 1);
  EXPECT_EQ(TimerMessages(), 0);
  headless::AdvanceClock(5000);
  EXPECT_EQ(TimerMessages(), 1);
  headless::AdvanceClock(999);
  EXPECT_EQ(TimerMessages(), 0);
  headless::AdvanceClock(1);
  EXPECT_EQ(TimerMessages(), 1);
}

TEST_F(TimerTest, TimerMessageWaitsForThePostedMessagesAndCarriesItsIdentifier) {
  HWND window = MakeWindow();
  SetTimer(window, 1, 100, nullptr);
  headless::AdvanceClock(100);
  PostMessageA(window, WM_USER, 0, 0);
  MSG message;
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_USER));
  ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(message.message, static_cast<UINT>(WM_TIMER));
  EXPECT_EQ(message.wParam, 1u);
  EXPECT_EQ(message.hwnd, window);
}

TEST_F(TimerTest, SettingTheSameTimerAgainReplacesItsPeriod) {
  HWND window = MakeWindow();
  SetTimer(window, 1, 1000, nullptr);
  headless::AdvanceClock(600);
  SetTimer(window, 1, 3000, nullptr);
  headless::AdvanceClock(2999);
  EXPECT_EQ(TimerMessages(), 0);
  headless::AdvanceClock(1);
  EXPECT_EQ(TimerMessages(), 1);
  EXPECT_TRUE(KillTimer(window, 1));
  headless::AdvanceClock(10000);
  EXPECT_EQ(TimerMessages(), 0);
  EXPECT_FALSE(KillTimer(window, 1));
}

TEST_F(TimerTest, CallbackTimersRunTheirCallbackAndShortPeriodsAreRaisedToTheMinimum) {
  HWND window = MakeWindow();
  timerCallbacks = 0;
  SetTimer(window, 5, 1, CountTimer);
  headless::AdvanceClock(9);
  TimerMessages();
  EXPECT_EQ(timerCallbacks, 0);
  headless::AdvanceClock(1);
  TimerMessages();
  EXPECT_EQ(timerCallbacks, 1);
}

TEST_F(TimerTest, DestroyingTheWindowKillsItsTimers) {
  HWND window = MakeWindow();
  SetTimer(window, 1, 10, nullptr);
  DestroyWindow(window);
  headless::AdvanceClock(100);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) EXPECT_NE(message.message, static_cast<UINT>(WM_TIMER));
}

TEST_F(TimerTest, ClocksFollowTheVirtualClock) {
  EXPECT_EQ(GetTickCount(), 0u);
  headless::AdvanceClock(1500);
  EXPECT_EQ(GetTickCount(), 1500u);
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const uint64_t ticks = (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  // 1 January 2024 00:00:01.5 UTC in 100-nanosecond steps since 1601.
  EXPECT_EQ(ticks, 116444736000000000ULL + (1704067200ULL * 1000 + 1500) * 10000);
  headless::SetCalendarTime(0);
  GetSystemTimeAsFileTime(&now);
  EXPECT_EQ((static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime, 116444736000000000ULL);
  Sleep(250);
  EXPECT_EQ(GetTickCount(), 1750u);
}

}  // namespace
