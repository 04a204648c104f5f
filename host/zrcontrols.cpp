#include "hostapi/zrcontrols.h"

#include <cstdint>

namespace {

// The base units of the font the dialogs' pixel sizes were laid out for.
constexpr int kClassicBaseX = 6;
constexpr int kClassicBaseY = 13;

bool g_initialised = false;
int g_baseX = kClassicBaseX;  // average character width of the dialog font, pixels
int g_baseY = kClassicBaseY;  // its character height

// value * numerator / denominator, rounded to nearest with halves away from zero (as MulDiv).
int MulDiv(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t(value) * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t result = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int>(result);
}

}  // namespace

int InitZRControlsDll() {
  g_initialised = true;
  return 1;
}

bool IsZRControlsDllInitialised() { return g_initialised; }

int CZRWinAPI::ConvertToCorrectDLU(int value, int nHorizontal) {
  return nHorizontal ? MulDiv(value, g_baseX, kClassicBaseX) : MulDiv(value, g_baseY, kClassicBaseY);
}

void CZRWinAPI::SetDialogBaseUnits(int baseX, int baseY) {
  if (baseX > 0) g_baseX = baseX;
  if (baseY > 0) g_baseY = baseY;
}

int CZRWinAPI::GetDialogBaseUnitX() { return g_baseX; }
int CZRWinAPI::GetDialogBaseUnitY() { return g_baseY; }
