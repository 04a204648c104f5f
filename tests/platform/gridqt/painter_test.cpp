// What the cell controls draw through the view's painter: turned and shortened text, line
// styles, check boxes and bitmap buttons.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "platform/gridqt/gxqtpainter.h"
#include "platform/mfc/resource.h"

namespace gridqt_test {
namespace {

using mirel::gridqt::GridPainter;

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

template <typename Draw>
QImage Paint(int w, int h, Draw draw) {
  QImage image = Canvas(w, h);
  QPainter qp(&image);
  GridPainter painter(qp, QApplication::font());
  draw(painter);
  return image;
}

// The bounding box of the pixels that are not white.
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
  return box;
}

int Darkest(const QImage& image) {
  int darkest = 255;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
  return darkest;
}

TEST(Painter, OrientationNineHundredRunsTheTextUpwards) {
  CGXStyle style;
  style.SetValue("Format").SetHorizontalAlignment(GX_DT_CENTER).SetVerticalAlignment(GX_DT_VCENTER);
  const QImage flat = Paint(30, 120, [&](GridPainter& p) { p.DrawText(RECT{0, 0, 30, 120}, "Format", style); });
  style.SetFont(CGXFont().SetOrientation(900).SetBold(TRUE));
  const QImage turned = Paint(30, 120, [&](GridPainter& p) { p.DrawText(RECT{0, 0, 30, 120}, "Format", style); });
  const QRect a = Ink(flat), b = Ink(turned);
  ASSERT_FALSE(b.isEmpty());
  EXPECT_GT(b.height(), b.width()) << "the turned text stands upright";
  EXPECT_NEAR(b.center().y(), 60, 3) << "and stays centred";
  EXPECT_TRUE(a.isEmpty() || a.width() > a.height()) << "text without an orientation lies flat";
}

struct EllipsisCase {
  const char* text;
  bool shortened;  // the ellipsis changes what is drawn
};

class Ellipsis : public ::testing::TestWithParam<EllipsisCase> {};

TEST_P(Ellipsis, OnlyTextThatDoesNotFitIsShortened) {
  CGXStyle plain;
  plain.SetValue(GetParam().text);
  CGXStyle dotted = plain;
  dotted.SetEllipsisType(GX_ELLIPSIS_DOTS);
  const RECT rect{0, 0, 70, 18};
  const QImage cut = Paint(70, 18, [&](GridPainter& p) { p.DrawText(rect, GetParam().text, plain); });
  const QImage dots = Paint(70, 18, [&](GridPainter& p) { p.DrawText(rect, GetParam().text, dotted); });
  EXPECT_EQ(cut != dots, GetParam().shortened) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, Ellipsis,
                         ::testing::Values(EllipsisCase{"Width", false}, EllipsisCase{"Manufacturer part number", true}));

struct LineCase {
  UINT style;
  int pixels;  // inked pixels of a 10-pixel line
};

class LineStyles : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineStyles, PenStyleDecidesWhichPixelsAreDrawn) {
  const QImage image = Paint(20, 3, [](GridPainter& p) {
    p.DrawLine(POINT{0, 1}, POINT{9, 1}, CGXPen(GetParam().style, 1, RGB(0, 0, 0)));
  });
  int inked = 0;
  for (int x = 0; x < 20; ++x) inked += image.pixel(x, 1) != qRgb(255, 255, 255);
  EXPECT_EQ(inked, GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Pens, LineStyles,
                         ::testing::Values(LineCase{GX_PS_SOLID, 10}, LineCase{GX_PS_DOT, 5}, LineCase{GX_PS_NULL, 0}));

TEST(Painter, CheckBoxShowsItsStateAndWhetherItIsEnabled) {
  const RECT box{2, 2, 15, 15};
  const QImage clear = Paint(17, 17, [&](GridPainter& p) { p.DrawCheckBox(box, FALSE, TRUE); });
  const QImage checked = Paint(17, 17, [&](GridPainter& p) { p.DrawCheckBox(box, TRUE, TRUE); });
  const QImage greyed = Paint(17, 17, [&](GridPainter& p) { p.DrawCheckBox(box, TRUE, FALSE); });
  EXPECT_NE(clear, checked);
  EXPECT_NE(checked, greyed);
  EXPECT_LT(Darkest(checked), Darkest(greyed)) << "a disabled box is drawn lighter";
}

TEST(Painter, BitmapButtonShowsTheBitmapOfTheResources) {
  mirel::ResourceModule module("painter-test");
  mirel::Bitmap bitmap;
  bitmap.id = 4242;
  bitmap.width = 5;
  bitmap.height = 5;
  bitmap.pixels.assign(25, RGB(200, 0, 0));
  module.AddBitmap(bitmap);
  ASSERT_TRUE(mirel::AddResourceModule(module));
  const QImage image = Paint(15, 15, [](GridPainter& p) { p.DrawPushButton(RECT{0, 0, 15, 15}, FALSE, TRUE, 4242, ""); });
  mirel::RemoveResourceModule(module);
  EXPECT_EQ(QColor(image.pixel(7, 7)), QColor(200, 0, 0));
  // A bitmap the resources lack leaves a plain face with its text.
  const QImage missing = Paint(15, 15, [](GridPainter& p) { p.DrawPushButton(RECT{0, 0, 15, 15}, FALSE, TRUE, 4243, ""); });
  EXPECT_NE(QColor(missing.pixel(7, 7)), QColor(200, 0, 0));
}

}  // namespace
}  // namespace gridqt_test
