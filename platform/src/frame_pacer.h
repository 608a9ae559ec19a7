// Paces presentation to the display's refresh. With a renderer that waits for
// vertical blank it only guards against drivers that do not really wait; without
// one (Xvfb, software rendering) it keeps frames one refresh period apart.
#pragma once

#include <cstdint>

class FramePacer {
 public:
  void Configure(double refreshPeriodSeconds, bool rendererWaitsForVsync);
  // Sleeps until the next refresh is due (just before presenting).
  void WaitForNextRefresh();
  // Notes that a frame went out now.
  void Presented();

 private:
  double period_ = 1.0 / 60.0;
  bool vsync_ = false;
  uint64_t nextDue_ = 0;  // performance-counter ticks; 0 = no frame yet
  uint64_t lastPresent_ = 0;
};
