// The viewer's sounds: the program's own wave resources, played
// asynchronously, each new one cutting off the one playing.
#include "viewer/show/viewer_app.h"

void ViewerApp::PlayViewerSound(int16_t soundId) {
  if (options_.soundOn != 1) return;
  PlaySoundA(MAKEINTRESOURCEA(soundId), instance, SND_RESOURCE | SND_ASYNC);
}

// The random choice is drawn whether or not sound is on, so that a seeded
// run takes the same games and layouts either way.
void ViewerApp::PlayOneOf(const int16_t (&soundIds)[3]) {
  const int16_t soundId = soundIds[random_.Choose(3)];
  PlayViewerSound(soundId);
}
