// Digits of the layout counter.
#include "configurator/layout_counter.h"

#include "configurator/resource_ids.h"

namespace {

int DigitPicture(int digit) { return digit == 9 ? IDB_DIGIT_NINE : IDB_DIGIT_ZERO + digit; }

}  // namespace

void LayoutCounterPictures(int count, int (&pictureIds)[3]) {
  pictureIds[0] = count < 100 ? IDB_DIGIT_BLANK : DigitPicture((count / 100) % 10);
  pictureIds[1] = count < 10 ? IDB_DIGIT_BLANK : DigitPicture((count / 10) % 10);
  pictureIds[2] = DigitPicture(count <= 0 ? 0 : count % 10);
}
