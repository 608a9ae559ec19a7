// The pictures of the three-digit layout counter for a count: no leading
// zeros, a single 0 for an empty list.
#pragma once

// Picture ids for the hundreds, tens and units digits of `count`.
void LayoutCounterPictures(int count, int (&pictureIds)[3]);
