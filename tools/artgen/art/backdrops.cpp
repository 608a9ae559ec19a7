// The backdrop library's pictures: fourteen 800 x 600 backdrops (landscapes
// by gradient and noise, abstracts, textures), the out-of-range backdrop
// (8-bit, run-length encoded), and their fifteen 160 x 120 thumbnails.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art/resource_tables.h"
#include "tools/artgen/art/book.h"
#include "tools/artgen/art/surfaces.h"
#include "tools/artgen/kit/filters.h"
#include "tools/artgen/kit/noise.h"

namespace artgen {

namespace {

constexpr int W = 800, H = 600;

// Vertical gradient through colour stops at the given heights (0 top .. 1 bottom).
void Sky(Canvas& c, const std::vector<std::pair<float, Color>>& stops) {
  for (int y = 0; y < H; ++y) {
    float t = float(y) / float(H - 1);
    Color col = stops.front().second;
    for (size_t i = 0; i + 1 < stops.size(); ++i)
      if (t >= stops[i].first && t <= stops[i + 1].first) {
        float u = (t - stops[i].first) / (stops[i + 1].first - stops[i].first);
        col = Mix(stops[i].second, stops[i + 1].second, u * u * (3 - 2 * u));
      }
    if (t > stops.back().first) col = stops.back().second;
    for (int x = 0; x < W; ++x) c.At(x, y) = col;
  }
}

void Stars(Canvas& c, int count, float maxY, uint32_t seed) {
  Random rnd(seed);
  for (int i = 0; i < count; ++i) {
    int x = rnd.Below(W), y = int(rnd.Unit() * rnd.Unit() * maxY);
    float b = rnd.Range(0.25f, 1.0f);
    c.Blend(x, y, Rgb(255, 250, 235), b);
    if (b > 0.9f) {
      c.Blend(x + 1, y, Rgb(255, 250, 235), 0.35f);
      c.Blend(x - 1, y, Rgb(255, 250, 235), 0.35f);
      c.Blend(x, y + 1, Rgb(255, 250, 235), 0.35f);
      c.Blend(x, y - 1, Rgb(255, 250, 235), 0.35f);
    }
  }
}

void Glow(Canvas& c, float cx, float cy, float radius, Color col, float strength) {
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float d = std::hypot(float(x) - cx, float(y) - cy) / radius;
      float a = strength * std::exp(-d * d);
      if (a > 0.002f) c.At(x, y) = c.At(x, y) + col * a;
    }
}

void Disc(Canvas& c, float cx, float cy, float r, Color col) {
  for (int y = int(cy - r - 2); y <= int(cy + r + 2); ++y)
    for (int x = int(cx - r - 2); x <= int(cx + r + 2); ++x) {
      float d = std::hypot(float(x) + 0.5f - cx, float(y) + 0.5f - cy);
      c.Blend(x, y, col, std::clamp(r - d + 0.5f, 0.0f, 1.0f));
    }
}

// A range of hills or mountains: everything below the ridge line takes the
// colour, shaded a little by slope and texture.
struct Ridge {
  float base, height, frequency;
  int octaves;
  Color color;
  bool sharp;
  uint32_t seed;
};

void AddRidge(Canvas& c, const Ridge& r, Color lit) {
  std::vector<float> top(W);
  for (int x = 0; x < W; ++x) {
    float n = r.sharp ? Ridged(float(x) * r.frequency, 0.5f, r.octaves, r.seed)
                      : Fbm(float(x) * r.frequency, 0.5f, r.octaves, r.seed);
    top[size_t(x)] = r.base - n * r.height;
  }
  for (int x = 0; x < W; ++x) {
    float slope = top[size_t(std::min(W - 1, x + 1))] - top[size_t(std::max(0, x - 1))];
    for (int y = std::max(0, int(top[size_t(x)])); y < H; ++y) {
      float depth = (float(y) - top[size_t(x)]) / 120.0f;
      float shade = std::clamp(-slope * 0.25f, -0.35f, 0.35f) * std::exp(-depth * 2);
      float tex = Fbm(float(x) * 0.03f, float(y) * 0.05f, 3, r.seed + 9) - 0.5f;
      Color col = shade > 0 ? Mix(r.color, lit, shade) : r.color * (1 + shade);
      col = col * (1.0f + tex * 0.12f);
      float a = std::clamp(float(y) + 1.0f - top[size_t(x)], 0.0f, 1.0f);
      c.Blend(x, y, col, a);
    }
  }
}

void Fog(Canvas& c, float y0, float y1, Color col, float strength, uint32_t seed) {
  for (int y = int(y0); y < int(y1) && y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float t = 1.0f - std::fabs((float(y) - (y0 + y1) / 2) / ((y1 - y0) / 2));
      float n = Fbm(float(x) * 0.006f, float(y) * 0.02f, 4, seed);
      c.Blend(x, y, col, std::clamp(t * strength * (0.4f + n), 0.0f, 1.0f));
    }
}

Canvas DuskMountains() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(14, 20, 52)}, {0.35f, Rgb(60, 52, 110)}, {0.55f, Rgb(210, 110, 90)}, {0.68f, Rgb(250, 190, 110)}});
  Stars(c, 260, 260, 112);
  Glow(c, 560, 400, 180, Rgb(255, 170, 90), 0.45f);
  AddRidge(c, {360, 170, 0.006f, 5, Rgb(92, 70, 120), true, 1}, Rgb(170, 120, 150));
  AddRidge(c, {420, 130, 0.008f, 5, Rgb(60, 44, 86), true, 2}, Rgb(130, 90, 120));
  Fog(c, 380, 470, Rgb(220, 140, 130), 0.35f, 3);
  AddRidge(c, {500, 110, 0.01f, 5, Rgb(34, 26, 52), true, 4}, Rgb(80, 60, 90));
  AddRidge(c, {580, 90, 0.014f, 4, Rgb(16, 12, 26), false, 5}, Rgb(40, 30, 50));
  return c;
}

Canvas DeepBlueRays() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(6, 14, 40)}, {0.5f, Rgb(14, 40, 90)}, {1.0f, Rgb(4, 10, 30)}});
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float a = std::atan2(float(y) + 200, float(x) - 300);
      float ray = std::pow(0.5f + 0.5f * std::sin(a * 23 + Fbm(a * 3, 0.5f, 2, 7) * 6), 6.0f);
      float fall = std::exp(-std::hypot(float(x) - 300, float(y) + 200) / 600.0f);
      c.At(x, y) = c.At(x, y) + Rgb(90, 150, 230) * (ray * fall * 0.5f);
    }
  Random rnd(148);
  for (int i = 0; i < 40; ++i) {
    float x = rnd.Range(0, W), y = rnd.Range(0, H), r = rnd.Range(6, 30);
    Color col = Mix(Rgb(80, 160, 255), Rgb(170, 120, 255), rnd.Unit());
    for (int py = int(y - r - 1); py <= int(y + r + 1); ++py)
      for (int px = int(x - r - 1); px <= int(x + r + 1); ++px) {
        float d = std::hypot(float(px) - x, float(py) - y);
        float a = std::clamp(r - d, 0.0f, 1.0f) * (0.08f + 0.1f * (d / r));
        c.Blend(px, py, col, a);
      }
  }
  return c;
}

Canvas Dunes() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(40, 90, 170)}, {0.4f, Rgb(140, 180, 220)}, {0.55f, Rgb(250, 210, 160)}});
  Glow(c, 620, 300, 100, Rgb(255, 230, 180), 0.7f);
  Disc(c, 620, 300, 26, Rgb(255, 246, 220));
  for (int layer = 0; layer < 4; ++layer) {
    float base = 340 + float(layer) * 70;
    Color col = Mix(Rgb(226, 160, 100), Rgb(170, 90, 50), float(layer) / 3.0f);
    for (int x = 0; x < W; ++x) {
      float top = base -
                  40 * (0.5f + 0.5f * std::sin(float(x) * (0.008f + 0.002f * float(layer)) + float(layer) * 1.7f)) -
                  Fbm(float(x) * 0.004f, float(layer), 3, 179) * 30;
      float crest = float(x) * (0.008f + 0.002f * float(layer)) + float(layer) * 1.7f;
      bool litSide = std::cos(crest) > 0;
      for (int y = std::max(0, int(top)); y < H; ++y) {
        float d = float(y) - top;
        Color k = litSide ? Mix(col, Rgb(255, 214, 160), 0.35f * std::exp(-d / 60))
                          : col * (0.78f + 0.1f * std::exp(-d / 40));
        float ripple = 0.5f + 0.5f * std::sin(float(y) * 0.9f + float(x) * 0.05f +
                                              Fbm(float(x) * 0.02f, float(y) * 0.02f, 2, 3) * 8);
        c.Blend(x, y, k * (0.96f + 0.05f * ripple), std::clamp(float(y) + 1 - top, 0.0f, 1.0f));
      }
    }
  }
  return c;
}

Canvas MoonSea() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(8, 12, 30)}, {0.55f, Rgb(30, 50, 90)}, {0.56f, Rgb(16, 28, 56)}, {1.0f, Rgb(6, 10, 24)}});
  Stars(c, 300, 300, 180);
  Glow(c, 250, 150, 140, Rgb(120, 150, 200), 0.5f);
  Disc(c, 250, 150, 34, Rgb(240, 238, 220));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float n = Fbm(float(x) * 0.01f, float(y) * 0.08f, 3, 5);
      if (y < 330) {
        float cloud = std::clamp(Fbm(float(x) * 0.004f, float(y) * 0.012f, 5, 8) * 1.8f - 0.95f, 0.0f, 1.0f);
        c.At(x, y) = Mix(c.At(x, y), Rgb(60, 70, 100), cloud * 0.6f);
        continue;
      }
      float d = float(y - 330);
      float glitter = std::pow(std::max(0.0f, 1 - std::fabs(float(x) - 250) / (40 + d * 0.6f)), 2.0f);
      float wave = std::pow(0.5f + 0.5f * std::sin(float(y) * (0.6f - d * 0.0012f) + n * 9), 8.0f);
      c.At(x, y) = c.At(x, y) + Rgb(220, 220, 200) * (glitter * wave * 0.8f) + Rgb(40, 60, 90) * (wave * 0.08f);
    }
  return c;
}

Canvas MistyHills() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(150, 190, 200)}, {0.5f, Rgb(220, 230, 210)}, {0.7f, Rgb(230, 232, 206)}});
  Glow(c, 180, 120, 200, Rgb(255, 250, 210), 0.35f);
  AddRidge(c, {300, 80, 0.005f, 5, Rgb(150, 176, 160), false, 21}, Rgb(190, 210, 190));
  Fog(c, 260, 360, Rgb(230, 236, 220), 0.6f, 22);
  AddRidge(c, {370, 100, 0.007f, 5, Rgb(90, 130, 100), false, 23}, Rgb(140, 170, 130));
  Fog(c, 340, 440, Rgb(220, 230, 214), 0.55f, 24);
  AddRidge(c, {450, 110, 0.009f, 5, Rgb(50, 90, 60), false, 25}, Rgb(100, 140, 90));
  Fog(c, 430, 520, Rgb(210, 224, 206), 0.4f, 26);
  AddRidge(c, {540, 90, 0.012f, 5, Rgb(26, 56, 36), false, 27}, Rgb(60, 100, 60));
  // A row of firs on the nearest hill.
  Random rnd(190);
  for (int i = 0; i < 34; ++i) {
    float x = rnd.Range(0, W), base = 560 + rnd.Range(-20, 30), h = rnd.Range(40, 90);
    for (int y = int(base - h); y < H; ++y) {
      float t = (float(y) - (base - h)) / h;
      float half = std::min(t, 1.0f) * h * 0.22f;
      for (int x2 = int(x - half - 1); x2 <= int(x + half + 1); ++x2)
        c.Blend(x2, y, Rgb(18, 40, 26), std::clamp(half - std::fabs(float(x2) + 0.5f - x) + 0.5f, 0.0f, 1.0f));
    }
  }
  return c;
}

Canvas Aurora() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(4, 6, 20)}, {0.6f, Rgb(10, 26, 40)}, {0.85f, Rgb(16, 40, 50)}});
  Stars(c, 420, 520, 189);
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < W; ++x) {
      float curtain = 180 + 110 * std::sin(float(x) * 0.006f + Fbm(float(x) * 0.003f, 1.0f, 3, 4) * 4);
      float d = float(y) - curtain;
      if (d < -200 || d > 60) continue;
      float rays = 0.6f + 0.4f * Fbm(float(x) * 0.08f, float(y) * 0.004f, 3, 6);
      float a = d < 0 ? std::exp(d / 90.0f) : std::exp(-d / 14.0f);
      Color col = Mix(Rgb(40, 255, 150), Rgb(160, 80, 255), std::clamp(-d / 200.0f, 0.0f, 1.0f));
      c.At(x, y) = c.At(x, y) + col * (a * rays * 0.55f);
    }
  AddRidge(c, {530, 70, 0.01f, 4, Rgb(8, 14, 18), true, 8}, Rgb(30, 50, 50));
  return c;
}

Canvas ChequerFloor() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(40, 20, 40)}, {0.45f, Rgb(200, 90, 70)}, {0.5f, Rgb(250, 190, 120)}});
  Glow(c, 400, 300, 160, Rgb(255, 200, 140), 0.5f);
  for (int y = 301; y < H; ++y) {
    float depth = 300.0f / float(y - 300);
    for (int x = 0; x < W; ++x) {
      float wx = (float(x) - 400) * depth / 300.0f * 2.0f, wz = depth * 2.0f;
      bool dark = (int(std::floor(wx)) + int(std::floor(wz))) % 2 != 0;
      Color col = dark ? Rgb(50, 30, 40) : Rgb(220, 190, 160);
      float fog = std::clamp(std::exp(-float(y - 300) / 90.0f), 0.0f, 1.0f);
      c.At(x, y) = Mix(col, Rgb(240, 170, 120), fog);
    }
  }
  return c;
}

Canvas LookBackdrop(Look look, bool vertical, float vignette) {
  Canvas c(W, H);
  FillLook(c, 0, 0, W, H, look, vertical);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float d = std::hypot((float(x) - 400) / 400, (float(y) - 300) / 300);
      c.At(x, y) = c.At(x, y) * (1.0f - vignette * d * d);
    }
  return c;
}

Canvas WoodPanels() {
  Look wood;
  wood.texture = Texture::Wood;
  wood.base = Rgb(110, 64, 38);
  wood.accent = Rgb(76, 40, 22);
  wood.seed = 186;
  Canvas c = LookBackdrop(wood, true, 0.35f);
  for (int k = 0; k < 8; ++k) Bevel(c, k * 100, 0, 100, H, 3, 0.35f);
  return c;
}

Canvas Nebula() {
  Canvas c(W, H, Rgb(4, 4, 12));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float n1 = Fbm(float(x) * 0.004f, float(y) * 0.004f, 6, 185);
      float n2 = Fbm(float(x) * 0.006f + 3, float(y) * 0.006f, 5, 186);
      float dust = std::clamp(n1 * 2.2f - 0.9f, 0.0f, 1.0f);
      float gas = std::clamp(n2 * 2.0f - 0.8f, 0.0f, 1.0f);
      c.At(x, y) = c.At(x, y) + Rgb(200, 60, 140) * (dust * 0.8f) + Rgb(60, 120, 230) * (gas * 0.7f) +
                   Rgb(255, 200, 160) * (dust * gas * 0.6f);
    }
  Stars(c, 600, 600, 1850);
  Glow(c, 520, 260, 60, Rgb(255, 230, 200), 0.6f);
  return c;
}

Canvas Waves() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(10, 40, 60)}, {1.0f, Rgb(4, 16, 30)}});
  for (int line = 0; line < 46; ++line) {
    float phase = float(line) * 0.21f, base = 40.0f + float(line) * 12.0f;
    Color col = Mix(Rgb(40, 200, 200), Rgb(120, 80, 230), float(line) / 45.0f);
    for (int x = 0; x < W; ++x) {
      float y = base + 60 * std::sin(float(x) * 0.006f + phase) + 25 * std::sin(float(x) * 0.015f - phase * 1.7f);
      for (int dy = -3; dy <= 3; ++dy) {
        int py = int(std::floor(y)) + dy;
        float d = std::fabs(float(py) + 0.5f - y);
        c.Blend(x, py, col, std::clamp(1.2f - d, 0.0f, 1.0f) * 0.55f);
      }
    }
  }
  return c;
}

Canvas SunsetClouds() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(60, 40, 90)},
          {0.4f, Rgb(230, 110, 80)},
          {0.62f, Rgb(255, 200, 110)},
          {0.63f, Rgb(60, 40, 50)},
          {1.0f, Rgb(30, 20, 30)}});
  Glow(c, 400, 370, 120, Rgb(255, 220, 150), 0.8f);
  for (int y = 0; y < 375; ++y)
    for (int x = 0; x < W; ++x) {
      float n = Fbm(float(x) * 0.0035f, float(y) * 0.012f, 6, 182);
      float cloud = std::clamp(n * 2.4f - 1.1f, 0.0f, 1.0f);
      float lit = std::clamp(1 - float(y) / 375.0f, 0.0f, 1.0f);
      Color col = Mix(Rgb(255, 170, 120), Rgb(110, 60, 100), lit);
      c.At(x, y) = Mix(c.At(x, y), col, cloud * 0.85f);
    }
  for (int y = 376; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      Color above = c.At(x, 2 * 375 - y > 0 ? 2 * 375 - y : 0);
      float wave = Fbm(float(x) * 0.02f, float(y) * 0.2f, 2, 5);
      c.At(x, y) = Mix(c.At(x, y), above, 0.35f * wave);
    }
  return c;
}

Canvas SnowPeaks() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(40, 100, 190)}, {0.6f, Rgb(170, 210, 240)}});
  AddRidge(c, {430, 300, 0.004f, 6, Rgb(236, 242, 250), true, 31}, Rgb(255, 255, 255));
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      Color& p = c.At(x, y);
      if (y > 260 && p.b > 200 && p.r > 200) {
        float rock = std::clamp(
            Ridged(float(x) * 0.02f, float(y) * 0.03f, 4, 32) * 1.6f - 0.9f + float(y - 260) / 400.0f, 0.0f, 1.0f);
        p = Mix(p, Rgb(90, 96, 110), rock * 0.8f);
      }
    }
  AddRidge(c, {500, 120, 0.008f, 5, Rgb(70, 90, 110), true, 33}, Rgb(150, 170, 190));
  AddRidge(c, {570, 80, 0.012f, 5, Rgb(30, 60, 50), false, 34}, Rgb(60, 90, 70));
  return c;
}

Canvas Bokeh() {
  Canvas c(W, H);
  Sky(c, {{0.0f, Rgb(30, 8, 30)}, {1.0f, Rgb(70, 20, 50)}});
  Random rnd(188);
  for (int i = 0; i < 70; ++i) {
    float x = rnd.Range(-20, W + 20), y = rnd.Range(-20, H + 20), r = rnd.Range(10, 60);
    Color col = Mix(Rgb(255, 120, 160), Rgb(255, 200, 120), rnd.Unit());
    float alpha = rnd.Range(0.08f, 0.28f);
    for (int py = int(y - r - 1); py <= int(y + r + 1); ++py)
      for (int px = int(x - r - 1); px <= int(x + r + 1); ++px) {
        float d = std::hypot(float(px) + 0.5f - x, float(py) + 0.5f - y);
        float edge = std::clamp(r - d, 0.0f, 1.0f);
        float ring = 1.0f + 0.6f * std::exp(-(r - d) * 0.4f);
        c.Blend(px, py, col, edge * alpha * ring);
      }
  }
  return c;
}

Canvas MarbleHall() {
  Look l;
  l.texture = Texture::Marble;
  l.base = Rgb(230, 226, 218);
  l.accent = Rgb(150, 140, 130);
  l.seed = 187;
  l.scale = 2.0f;
  return LookBackdrop(l, false, 0.3f);
}

// The out-of-range backdrop: a retro sunset in flat bands over a grid, few colours, long runs.
Canvas RetroSunset() {
  Canvas c(W, H);
  const Color bands[] = {Rgb(20, 10, 50),   Rgb(40, 14, 80),   Rgb(80, 20, 110),
                         Rgb(140, 30, 120), Rgb(200, 50, 110), Rgb(240, 100, 90)};
  for (int y = 0; y < 380; ++y)
    for (int x = 0; x < W; ++x) c.At(x, y) = bands[std::min(5, y * 6 / 380)];
  for (int y = 170; y < 380; ++y)
    for (int x = 0; x < W; ++x) {
      float d = std::hypot(float(x) - 400, float(y) - 330);
      if (d < 150 && !(y > 270 && (y / 9) % 2 == 0))
        c.At(x, y) = Mix(Rgb(255, 220, 90), Rgb(255, 80, 120), std::clamp((float(y) - 180) / 150, 0.0f, 1.0f));
    }
  for (int y = 380; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      float depth = 380.0f / float(y - 370);
      float gx = (float(x) - 400) * depth / 40.0f, gz = depth * 4;
      bool line = std::fabs(gx - std::round(gx)) < 0.03f * depth || std::fabs(gz - std::round(gz)) < 0.04f * depth;
      c.At(x, y) = line ? Rgb(255, 60, 200) : Rgb(30, 10, 50);
    }
  return c;
}

Canvas Thumbnail(const Canvas& backdrop) { return Resized(backdrop, 160, 120); }

}  // namespace

void GenerateBackdrops(ArtBook& book) {
  Look slate;
  slate.texture = Texture::Stone;
  slate.base = Rgb(60, 70, 80);
  slate.accent = Rgb(30, 36, 44);
  slate.seed = 184;
  Canvas (*makers[resource_catalog::kBackdropCount])() = {
      DuskMountains, DeepBlueRays, Dunes,  MoonSea, MistyHills,   Aurora,    ChequerFloor,
      MarbleHall,    WoodPanels,   Nebula, Waves,   SunsetClouds, SnowPeaks, Bokeh};
  for (int index = 1; index <= resource_catalog::kBackdropCount; ++index) {
    Canvas c = makers[index - 1]();
    book.out->Bitmap(Numbered("backdrop", index), c);
    book.out->Bitmap(Numbered("backdrop_thumb", index), Thumbnail(c));
    book.backdrops[index] = c;
  }
  Canvas retro = RetroSunset();
  book.out->Bitmap8("backdrop_other.bmp", retro, true);
  book.out->Bitmap("backdrop_thumb_other.bmp", Thumbnail(retro));
  book.backdrops[resource_catalog::kBackdropCount + 1] = retro;
}

}  // namespace artgen
