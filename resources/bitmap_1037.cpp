// The face of the property field cell's button: a small list sheet, 16 x 15 pixels in the
// 16-colour palette.
#include <array>
#include <string_view>

#include "resources/library_resources.h"

namespace {

constexpr int kWidth = 16;
constexpr std::array<std::string_view, 15> kRows{
    "................",
    "...##########...",
    "...#wwwwwwww#+..",
    "...#wbbbbbbw#+..",
    "...#wwwwwwww#+..",
    "...#wbbbbbbw#+..",
    "...#wwwwwwww#+..",
    "...#wbbbbbbw#+..",
    "...#wwwwwwww#+..",
    "...#wbbbbbbw#+..",
    "...#wwwwwwww#+..",
    "...##########+..",
    "....++++++++++..",
    "................",
    "................",
};

COLORREF PaletteColor(char c) {
  switch (c) {
    case '#': return RGB(0, 0, 0);
    case '+': return RGB(128, 128, 128);
    case 'w': return RGB(255, 255, 255);
    case 'b': return RGB(0, 0, 128);
    default: return RGB(192, 192, 192);  // button face
  }
}

}  // namespace

MIREL_RESOURCE(bitmap_1037) {
  mirel::Bitmap bitmap;
  bitmap.id = 1037;
  bitmap.width = kWidth;
  bitmap.height = int(kRows.size());
  for (std::string_view row : kRows)
    for (int x = 0; x < kWidth; ++x) bitmap.pixels.push_back(PaletteColor(x < int(row.size()) ? row[size_t(x)] : '.'));
  module.AddBitmap(std::move(bitmap));
}
