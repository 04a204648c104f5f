#pragma once
// Conversions between the grid's Windows-shaped values and Qt's.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include "platform/mfc/afxstr.h"
#include "platform/mfc/afxtypes.h"

namespace mirel::gridqt {

// A COLORREF's top byte carries flags on Windows; only the colour counts here.
inline QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }
inline QRect ToQRect(const RECT& r) { return QRect(int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)); }
inline RECT ToRect(const QRect& r) { return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
inline QPoint ToQPoint(const POINT& p) { return QPoint(int(p.x), int(p.y)); }
inline POINT ToPoint(const QPoint& p) { return POINT{p.x(), p.y()}; }
inline QString ToQString(const CString& s) { return QString::fromUtf8(s.GetString(), s.GetLength()); }
inline CString ToCString(const QString& s) { return CString(s.toStdString()); }

}  // namespace mirel::gridqt
