// Dialog units to pixels with the base units of the 8-point MS Sans Serif
// font that the templates name: 6 pixels across and 13 down, so a dialog
// unit is 1.5 pixels across and 1.625 down (rounded as MulDiv rounds).
#pragma once

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;

// value * numerator / denominator rounded half away from zero.
constexpr int MultiplyDivideRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

constexpr int DialogUnitsToPixelsX(int units) { return MultiplyDivideRounded(units, kDialogBaseUnitX, 4); }
constexpr int DialogUnitsToPixelsY(int units) { return MultiplyDivideRounded(units, kDialogBaseUnitY, 8); }
