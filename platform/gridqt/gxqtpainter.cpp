#include "platform/gridqt/gxqtpainter.h"

#include <algorithm>

#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>

#include "platform/gridqt/gxqtconvert.h"
#include "platform/mfc/resource.h"

namespace mirel::gridqt {
namespace {

constexpr int kTextPadding = 2;  // beyond the control's own margin, so text never touches a line
constexpr int kTextTopPadding = 2;  // above text that hangs from the top of its cell
const QColor kText(0x1e, 0x1e, 0x1e);
const QColor kGreyText(0x8c, 0x8c, 0x8c);
const QColor kButtonBorder(0xa3, 0xa3, 0xa3);
const QColor kButtonTop(0xfb, 0xfb, 0xfb);
const QColor kButtonBottom(0xe6, 0xe6, 0xe6);
const QColor kButtonPressed(0xd2, 0xdc, 0xe8);
const QColor kGlyph(0x3c, 0x3c, 0x3c);
const QColor kGlyphDisabled(0xa8, 0xa8, 0xa8);

Qt::Alignment AlignmentOf(const CGXStyle& style) {
  Qt::Alignment align = Qt::AlignLeft;
  if (style.GetIncludeHorizontalAlignment()) {
    const DWORD h = style.GetHorizontalAlignment();
    if (h & GX_DT_RIGHT) align = Qt::AlignRight;
    else if (h & GX_DT_CENTER) align = Qt::AlignHCenter;
  }
  // Without a vertical alignment of its own, text sits in the middle of its row.
  Qt::Alignment vertical = Qt::AlignVCenter;
  if (style.GetIncludeVerticalAlignment()) {
    const DWORD v = style.GetVerticalAlignment();
    vertical = (v & GX_DT_BOTTOM) ? Qt::AlignBottom : (v & GX_DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop;
  }
  return align | vertical;
}

// A resource bitmap as an image; null when the resources do not hold it.
QImage BitmapImage(UINT id) {
  const mirel::Bitmap* bitmap = mirel::FindBitmap(id);
  if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0 ||
      bitmap->pixels.size() < size_t(bitmap->width) * size_t(bitmap->height))
    return {};
  QImage image(bitmap->width, bitmap->height, QImage::Format_RGB32);
  for (int y = 0; y < bitmap->height; ++y)
    for (int x = 0; x < bitmap->width; ++x) image.setPixelColor(x, y, ToQColor(bitmap->At(x, y)));
  return image;
}

}  // namespace

void GridPainter::DrawPixelLine(QPainter& painter, QPoint from, QPoint to) {
  // A flat-capped line leaves out its end point: one pixel further takes it in.
  const QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
  painter.drawLine(from, step.isNull() ? to + QPoint(1, 0) : to + step);
}

QFont GridPainter::FontFor(const QFont& base, const CGXStyle& style) {
  QFont font = base;
  const CGXFont& f = style.GetFont();
  if (f.GetIncludeSize() && f.GetSize() > 0) font.setPointSize(f.GetSize());
  if (f.GetIncludeBold()) font.setBold(f.GetBold() != FALSE);
  if (f.GetIncludeItalic()) font.setItalic(f.GetItalic() != FALSE);
  return font;
}

void GridPainter::FillRect(const RECT& rect, COLORREF color) {
  m_painter.fillRect(ToQRect(rect), ToQColor(color));
}

void GridPainter::DrawLine(POINT from, POINT to, const CGXPen& pen) {
  if (pen.GetStyle() == GX_PS_NULL || pen.GetWidth() <= 0) return;
  QPen qpen(ToQColor(pen.GetColor()));
  qpen.setWidth(pen.GetWidth());
  qpen.setCapStyle(Qt::FlatCap);
  if (pen.GetStyle() == GX_PS_DOT) qpen.setDashPattern({1.0, 1.0});  // every other pixel
  else if (pen.GetStyle() == GX_PS_DASH) qpen.setDashPattern({4.0, 2.0});
  m_painter.save();
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.setPen(qpen);
  DrawPixelLine(m_painter, ToQPoint(from), ToQPoint(to));
  m_painter.restore();
}

void GridPainter::DrawText(const RECT& rect, const CString& text, const CGXStyle& style) {
  const QRect box = ToQRect(rect);
  if (box.isEmpty() || text.IsEmpty()) return;
  const QFont font = FontFor(m_baseFont, style);
  const QColor color = m_greyText ? kGreyText : style.GetIncludeTextColor() ? ToQColor(style.GetTextColor()) : kText;
  const int orientation = style.GetFont().GetIncludeOrientation() ? style.GetFont().GetOrientation() : 0;
  const bool wrap = style.GetIncludeWrapText() && style.GetWrapText();
  const bool ellipsis = style.GetEllipsisType() == GX_ELLIPSIS_DOTS;

  m_painter.save();
  m_painter.setClipRect(box, Qt::IntersectClip);
  m_painter.setFont(font);
  m_painter.setPen(color);
  // The text runs along `area`; a turned text runs upwards along the cell's height.
  QRect area(0, 0, box.width(), box.height());
  if (orientation != 0) {
    m_painter.translate(box.center().x() + 0.5, box.center().y() + 0.5);
    m_painter.rotate(-orientation / 10.0);
    const bool upright = (orientation / 900) % 2 != 0;
    const int along = upright ? box.height() : box.width();
    const int across = upright ? box.width() : box.height();
    area = QRect(-along / 2, -across / 2, along, across);
  } else {
    area = box;
  }
  area.adjust(kTextPadding, 0, -kTextPadding, 0);
  QString shown = ToQString(text);
  int flags = int(AlignmentOf(style));
  if ((flags & Qt::AlignTop) && orientation == 0) area.adjust(0, kTextTopPadding, 0, 0);
  const QFontMetrics metrics(font);
  bool cutOff = false;
  if (wrap) {
    flags |= Qt::TextWordWrap;
    const QRect needed = metrics.boundingRect(area, flags, shown);
    cutOff = needed.height() > area.height() || needed.width() > area.width();
  } else {
    shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
    cutOff = metrics.horizontalAdvance(shown) > area.width();
    if (ellipsis) shown = metrics.elidedText(shown, Qt::ElideRight, area.width());
  }
  if (cutOff && m_cutOff) *m_cutOff = ToQString(text);
  m_painter.drawText(area, flags, shown);
  m_painter.restore();
}

void GridPainter::DrawCheckBox(const RECT& box, BOOL checked, BOOL enabled) {
  const QRect r = ToQRect(box);
  if (r.width() < 4 || r.height() < 4) return;
  m_painter.save();
  m_painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF frame = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  m_painter.setPen(QPen(enabled ? QColor(0x76, 0x76, 0x76) : QColor(0xc2, 0xc2, 0xc2), 1.0));
  m_painter.setBrush(enabled ? QColor(Qt::white) : QColor(0xf4, 0xf4, 0xf4));
  m_painter.drawRoundedRect(frame, 2.0, 2.0);
  if (checked) {
    QPainterPath mark;
    mark.moveTo(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52);
    mark.lineTo(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72);
    mark.lineTo(r.left() + r.width() * 0.78, r.top() + r.height() * 0.28);
    QPen pen(enabled ? QColor(0x1f, 0x1f, 0x1f) : kGlyphDisabled, 1.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(mark);
  }
  m_painter.restore();
}

void GridPainter::DrawButtonFace(const QRect& rect, bool pressed) {
  m_painter.save();
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  if (pressed) {
    m_painter.fillRect(rect, kButtonPressed);
  } else {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0.0, kButtonTop);
    gradient.setColorAt(1.0, kButtonBottom);
    m_painter.fillRect(rect, gradient);
  }
  m_painter.setPen(kButtonBorder);
  m_painter.setBrush(Qt::NoBrush);
  m_painter.drawRect(rect.adjusted(0, 0, -1, -1));
  m_painter.restore();
}

void GridPainter::DrawPushButton(const RECT& rect, BOOL pressed, BOOL enabled, UINT bitmapId, const CString& text) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  const bool down = pressed || (m_pressed && *m_pressed == r);
  DrawButtonFace(r, down);
  m_painter.save();
  m_painter.setClipRect(r.adjusted(1, 1, -1, -1), Qt::IntersectClip);
  const QPoint shift = down ? QPoint(1, 1) : QPoint(0, 0);
  const QImage image = bitmapId ? BitmapImage(bitmapId) : QImage();
  if (!image.isNull()) {
    QRect target(QPoint(0, 0), image.size());
    target.moveCenter(r.center() + shift);
    if (!enabled) m_painter.setOpacity(0.4);
    m_painter.drawImage(target, image);
  } else {
    // A face without a bitmap of its own (or one the resources lack) shows its text.
    QFont font = m_baseFont;
    font.setBold(true);
    m_painter.setFont(font);
    m_painter.setPen(enabled ? kGlyph : kGlyphDisabled);
    const QString label = text.IsEmpty() ? QStringLiteral("...") : ToQString(text);
    m_painter.drawText(r.translated(shift).adjusted(0, -2, 0, 0), Qt::AlignCenter, label);
  }
  m_painter.restore();
}

void GridPainter::DrawDropDownArrow(const RECT& rect, BOOL enabled) {
  const QRect r = ToQRect(rect);
  if (r.isEmpty()) return;
  const bool down = m_pressed && *m_pressed == r;
  DrawButtonFace(r, down);
  const int w = std::max(3, std::min(7, r.width() - 6));
  const int h = (w + 1) / 2;
  const QPoint c = r.center() + (down ? QPoint(1, 1) : QPoint(0, 0));
  const int left = c.x() - w / 2;
  const int top = c.y() - h / 2 + (r.height() % 2 == 0 ? 1 : 0);
  QPolygon arrow;
  arrow << QPoint(left, top) << QPoint(left + w, top) << QPoint(left + w / 2, top + h);
  m_painter.save();
  m_painter.setRenderHint(QPainter::Antialiasing, true);
  m_painter.setPen(Qt::NoPen);
  m_painter.setBrush(enabled ? kGlyph : kGlyphDisabled);
  m_painter.drawPolygon(arrow);
  m_painter.restore();
}

}  // namespace mirel::gridqt
