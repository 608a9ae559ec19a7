// Digits of the layout counter.
#include "configurator/layout_counter.h"

#include "art/resource_tables.h"

void LayoutCounterPictures(int count, int (&pictureIds)[3]) {
  using resource_catalog::CounterDigitFor;
  pictureIds[0] = count < 100 ? IDB_DIGIT_BLANK : CounterDigitFor((count / 100) % 10);
  pictureIds[1] = count < 10 ? IDB_DIGIT_BLANK : CounterDigitFor((count / 10) % 10);
  pictureIds[2] = CounterDigitFor(count <= 0 ? 0 : count % 10);
}
