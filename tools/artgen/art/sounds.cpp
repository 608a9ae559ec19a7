// The programs' sounds, synthesised: wooden clicks and knocks from filtered
// noise bursts, chimes and tunes from sine partials; mono 16-bit PCM at
// 22050 Hz, each faded in and out so that it starts and ends without a click.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/resource_catalog.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/kit/noise.h"

namespace artgen {

namespace {

constexpr float kRate = 22050.0f;
constexpr float kTwoPi = 6.28318530718f;

using Signal = std::vector<float>;

Signal Silence(float seconds) { return Signal(size_t(seconds * kRate), 0.0f); }

// A struck wooden body: a noise burst through two resonances, decaying fast.
Signal Knock(float seconds, float pitch, float decay, float brightness, uint32_t seed) {
  Signal s = Silence(seconds);
  Random rnd(seed);
  float b1 = 0, b2 = 0, c1 = 0, c2 = 0, low = 0;
  const float r = 0.995f;
  float w1 = kTwoPi * pitch / kRate, w2 = kTwoPi * pitch * 2.7f / kRate;
  for (size_t i = 0; i < s.size(); ++i) {
    float t = float(i) / kRate;
    float excite = (rnd.Unit() * 2 - 1) * std::exp(-t * 900.0f);
    low += (excite - low) * brightness;
    float y1 = excite + 2 * r * std::cos(w1) * b1 - r * r * b2;
    b2 = b1, b1 = y1;
    float y2 = excite + 2 * r * std::cos(w2) * c1 - r * r * c2;
    c2 = c1, c1 = y2;
    s[i] = (y1 * 0.05f + y2 * 0.03f + low * 0.8f) * std::exp(-t * decay);
  }
  return s;
}

// A bell-like tone: inharmonic partials with their own decays.
void Bell(Signal& s, float start, float freq, float length, float gain) {
  const float ratios[4] = {1.0f, 2.01f, 2.76f, 5.4f}, amps[4] = {1.0f, 0.45f, 0.3f, 0.12f},
              decays[4] = {3.0f, 5.0f, 7.0f, 12.0f};
  size_t from = size_t(start * kRate), n = size_t(length * kRate);
  for (size_t i = 0; i < n && from + i < s.size(); ++i) {
    float t = float(i) / kRate, v = 0;
    for (int k = 0; k < 4; ++k)
      v += amps[k] * std::sin(kTwoPi * freq * ratios[k] * t) * std::exp(-t * decays[k] / length);
    s[from + i] += v * gain * std::min(1.0f, t * 400.0f);
  }
}

// A soft plucked or electric-piano note: fundamental, a little FM and a decay.
void Note(Signal& s, float start, float freq, float length, float gain) {
  size_t from = size_t(start * kRate), n = size_t(length * kRate);
  for (size_t i = 0; i < n && from + i < s.size(); ++i) {
    float t = float(i) / kRate;
    float env = std::min(1.0f, t * 200.0f) * std::exp(-t * 2.5f / length);
    float mod = std::sin(kTwoPi * freq * 2 * t) * 1.2f * std::exp(-t * 6.0f);
    s[from + i] += (std::sin(kTwoPi * freq * t + mod) * 0.8f + std::sin(kTwoPi * freq * 2 * t) * 0.12f) * env * gain;
  }
}

float Midi(int note) { return 440.0f * std::pow(2.0f, float(note - 69) / 12.0f); }

// Fades in over 2 ms and out over the last 15 ms, then normalises to the peak.
std::vector<int16_t> Finish(Signal s, float peak) {
  size_t fadeIn = size_t(0.002f * kRate), fadeOut = size_t(0.015f * kRate);
  for (size_t i = 0; i < s.size(); ++i) {
    float g = 1;
    if (i < fadeIn) g = float(i) / float(fadeIn);
    if (i + fadeOut >= s.size()) g = std::min(g, float(s.size() - 1 - i) / float(fadeOut));
    s[i] *= g;
  }
  float m = 1e-6f;
  for (float v : s) m = std::max(m, std::fabs(v));
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i)
    out[i] = int16_t(std::lround(std::clamp(s[i] / m * peak, -1.0f, 1.0f) * 32767.0f));
  return out;
}

Signal Motif(const std::vector<int>& notes, float step, float length, float tail) {
  Signal s = Silence(step * float(notes.size()) + tail);
  for (size_t i = 0; i < notes.size(); ++i) Note(s, step * float(i), Midi(notes[i]), length, 0.5f);
  return s;
}

Signal Tune(const std::vector<std::pair<int, float>>& melody, const std::vector<std::pair<int, float>>& bass,
            float beat) {
  float total = 0;
  for (const auto& n : melody) total += n.second;
  Signal s = Silence(total * beat + 1.2f);
  float at = 0;
  for (const auto& n : melody) {
    if (n.first > 0) Note(s, at * beat, Midi(n.first), n.second * beat + 0.3f, 0.45f);
    at += n.second;
  }
  at = 0;
  for (const auto& n : bass) {
    if (n.first > 0) Note(s, at * beat, Midi(n.first), n.second * beat + 0.2f, 0.3f);
    at += n.second;
  }
  return s;
}

}  // namespace

void GenerateSounds(ArtBook& book) {
  Output& out = *book.out;
  // Settling ticks, landings and captures, three of each; each knock's noise
  // is seeded with its sound's identifier.
  out.Wave("viewer_settle_1.wav", Finish(Knock(0.07f, 2400, 70, 0.6f, IDW_SETTLE_1), 0.25f));
  out.Wave("viewer_settle_2.wav", Finish(Knock(0.07f, 2700, 75, 0.6f, IDW_SETTLE_2), 0.25f));
  out.Wave("viewer_settle_3.wav", Finish(Knock(0.07f, 2150, 65, 0.6f, IDW_SETTLE_3), 0.25f));
  out.Wave("viewer_landing_1.wav", Finish(Knock(0.12f, 900, 45, 0.35f, IDW_LANDING_1), 0.6f));
  out.Wave("viewer_landing_2.wav", Finish(Knock(0.12f, 1020, 48, 0.35f, IDW_LANDING_2), 0.6f));
  out.Wave("viewer_landing_3.wav", Finish(Knock(0.12f, 820, 42, 0.35f, IDW_LANDING_3), 0.6f));
  const uint32_t kCaptureEchoSeed = 140;
  for (int k = 0; k < 3; ++k) {
    Signal a = Knock(0.28f, 420 + 40 * float(k), 20, 0.2f, IDW_CAPTURE_1 + uint32_t(k));
    Signal b = Knock(0.28f, 600 + 30 * float(k), 26, 0.3f, kCaptureEchoSeed + uint32_t(k));
    for (size_t i = 0; i < a.size(); ++i) a[i] += (i >= 1100 ? b[i - 1100] * 0.7f : 0.0f);
    out.Wave("viewer_capture_" + std::to_string(1 + k) + ".wav", Finish(a, 0.8f));
  }
  // Check chimes, three of them.
  const float chime[3] = {Midi(81), Midi(84), Midi(79)};
  for (int k = 0; k < 3; ++k) {
    Signal s = Silence(0.9f);
    Bell(s, 0, chime[k], 0.85f, 0.5f);
    Bell(s, 0.09f, chime[k] * 1.5f, 0.75f, 0.3f);
    out.Wave("viewer_check_" + std::to_string(1 + k) + ".wav", Finish(s, 0.55f));
  }
  // Castling: two knocks, king then rook.
  {
    Signal s = Silence(0.34f);
    Signal a = Knock(0.14f, 900, 45, 0.35f, 471), b = Knock(0.14f, 760, 45, 0.35f, 472);
    for (size_t i = 0; i < a.size(); ++i) s[i] += a[i], s[i + 3800] += b[i] * 0.9f;
    out.Wave("viewer_castling.wav", Finish(s, 0.6f));
  }
  // Results: White's win rises, Black's falls, a draw stays level.
  out.Wave("viewer_white_wins.wav", Finish(Motif({60, 64, 67, 72, 76}, 0.12f, 0.6f, 0.7f), 0.6f));
  out.Wave("viewer_black_wins.wav", Finish(Motif({76, 72, 67, 64, 60}, 0.12f, 0.6f, 0.7f), 0.6f));
  out.Wave("viewer_drawn.wav", Finish(Motif({67, 72, 67, 72}, 0.16f, 0.5f, 0.6f), 0.6f));
  // Intro tunes, the usual one and the rare one, about four seconds.
  out.Wave("viewer_intro.wav",
           Finish(Tune({{67, 1}, {72, 1}, {76, 1}, {79, 2}, {76, 1}, {77, 1}, {74, 1}, {79, 2}, {72, 3}},
                       {{48, 4}, {53, 4}, {43, 2}, {48, 3}}, 0.25f),
                  0.6f));
  out.Wave("viewer_intro_rare.wav",
           Finish(Tune({{69, 1}, {72, 1}, {76, 2}, {74, 1}, {72, 1}, {71, 1}, {72, 1}, {69, 4}},
                       {{45, 4}, {41, 4}, {45, 4}}, 0.27f),
                  0.6f));
  // The configurator: a light click, and a soft two-note close.
  out.Wave("config_click.wav", Finish(Knock(0.05f, 3200, 90, 0.7f, 901), 0.35f));
  {
    Signal s = Silence(0.3f);
    Note(s, 0, Midi(79), 0.2f, 0.5f);
    Note(s, 0.07f, Midi(74), 0.22f, 0.5f);
    out.Wave("config_close.wav", Finish(s, 0.4f));
  }
}

}  // namespace artgen
