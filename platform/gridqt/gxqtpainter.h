#pragma once
// IGXPainter over a QPainter: what cell controls draw (text, check boxes, buttons, drop-down
// arrows) and the lines and fills the view draws around them.
#include <optional>

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>

#include "platform/grid/gxpainter.h"

namespace mirel::gridqt {

class GridPainter final : public IGXPainter {
 public:
  GridPainter(QPainter& painter, const QFont& baseFont) : m_painter(painter), m_baseFont(baseFont) {}

  // A horizontal or vertical line of whole pixels, both end points included.
  static void DrawPixelLine(QPainter& painter, QPoint from, QPoint to);
  // The cell's font: the base font with the style's size, bold and italic laid over it.
  static QFont FontFor(const QFont& base, const CGXStyle& style);

  // Text of the next cell in grey (a disabled cell that would otherwise take input).
  void SetGreyText(bool grey) { m_greyText = grey; }
  // The button face held down by the mouse; a push button drawn there looks pressed.
  void SetPressedRect(std::optional<QRect> rect) { m_pressed = rect; }
  // The whole of a text that does not fit where it is drawn goes to `sink` (null: nowhere).
  void CollectCutOffText(QString* sink) { m_cutOff = sink; }

  void FillRect(const RECT& rect, COLORREF color) override;
  // Both end points are drawn.
  void DrawLine(POINT from, POINT to, const CGXPen& pen) override;
  void DrawText(const RECT& rect, const CString& text, const CGXStyle& style) override;
  void DrawCheckBox(const RECT& box, BOOL checked, BOOL enabled) override;
  void DrawPushButton(const RECT& rect, BOOL pressed, BOOL enabled, UINT bitmapId, const CString& text) override;
  void DrawDropDownArrow(const RECT& rect, BOOL enabled) override;

 private:
  void DrawButtonFace(const QRect& rect, bool pressed);

  QPainter& m_painter;
  QFont m_baseFont;
  bool m_greyText = false;
  std::optional<QRect> m_pressed;
  QString* m_cutOff = nullptr;
};

}  // namespace mirel::gridqt
