// Pacing of the frames the application presents. The viewer measures its
// frame rate and counts its slides in frames, as if presenting always waited
// for the display. On Windows it does not always: a windowed copy onto the
// primary surface never waits, and neither does a full-screen flip where the
// driver does not wait for the vertical blank (Wine's, for one); there the
// viewer would present hundreds of frames a second and its pieces would flash
// to their squares. So after each presented frame the frame waits until the
// display is due for the next one. Elsewhere the platform paces every
// presentation itself, and no waiting is added.
#pragma once

#include <cstdint>

// The schedule: given the times of presented frames, how long to wait after
// each so that frames go out at most once per refresh. The period is a little
// shorter than the refresh's, so that where the flip itself waits for the
// display the schedule never costs a refresh.
class PresentSchedule {
 public:
  // A refresh rate outside 24..480 Hz (0: the driver does not say) counts as 60.
  explicit PresentSchedule(uint32_t refreshHz = 60);

  uint64_t PeriodMicroseconds() const { return period; }

  // A frame was presented at `nowMicroseconds` (any fixed origin): returns
  // how long to wait before composing the next one. After a stall of more
  // than a period the schedule starts again from now.
  uint64_t WaitAfterPresent(uint64_t nowMicroseconds);

 private:
  uint64_t period;
  uint64_t nextDue = 0;  // 0: no frame presented yet
};

// The schedule with the system's clock and sleep: waits on Windows, does
// nothing elsewhere.
class PresentPacer {
 public:
  // Starts pacing for a display refreshing `refreshHz` times a second.
  void Start(uint32_t refreshHz);
  // Called right after each presented frame.
  void AfterPresent();

 private:
  PresentSchedule schedule;
};
