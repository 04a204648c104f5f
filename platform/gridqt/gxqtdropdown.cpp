#include "platform/gridqt/gxqtdropdown.h"

#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>

#include "platform/grid/gxactivate.h"
#include "platform/gridqt/gxqtconvert.h"
#include "platform/mfc/controls.h"

namespace mirel::gridqt {
namespace {
constexpr int kMaxVisibleItems = 12;
}

DropDownList::DropDownList(QWidget* parent, QLineEdit* editor) : QListWidget(parent), m_editor(editor) {
  setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
  setFocusPolicy(Qt::NoFocus);
  setFrameShape(QFrame::Box);
  setLineWidth(1);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMouseTracking(true);
  installEventFilter(this);
  connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    if (item && onChosen) onChosen(row(item));
  });
  // The row under the mouse is the one Enter would pick.
  connect(this, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) { setCurrentItem(item); });
}

void DropDownList::Open(const CListBox& listBox, const QRect& cell, const QString& text) {
  clear();
  for (const ListItem& entry : listBox.Items()) {
    // Made whole before it joins the list: each change to a listed item looks the item up.
    auto* item = new QListWidgetItem(ToQString(CString(entry.text)));
    if (entry.color != CLR_DEFAULT) item->setForeground(ToQColor(entry.color));
    addItem(item);
  }
  const int exact = listBox.FindStringExact(-1, ToCString(text).GetString());
  if (exact >= 0) setCurrentRow(exact);
  else MarkPrefix(text);

  const int rowHeight = std::max(sizeHintForRow(0), fontMetrics().height() + 2);
  const int shown = std::clamp(count(), 1, kMaxVisibleItems);
  const int height = shown * rowHeight + 2 * frameWidth();
  int width = std::max(cell.width(), sizeHintForColumn(0) + 2 * frameWidth() + 8);
  if (count() > kMaxVisibleItems) width += verticalScrollBar()->sizeHint().width();
  QRect place(cell.bottomLeft() + QPoint(0, 1), QSize(width, height));
  if (const QScreen* screen = QApplication::screenAt(cell.center())) {
    const QRect avail = screen->availableGeometry();
    if (place.bottom() > avail.bottom() && cell.top() - height >= avail.top())
      place.moveBottom(cell.top() - 1);
    if (place.right() > avail.right()) place.moveRight(avail.right());
  }
  setGeometry(place);
  show();
  if (currentItem()) scrollToItem(currentItem(), QAbstractItemView::PositionAtCenter);
}

void DropDownList::MarkPrefix(const QString& prefix) {
  if (prefix.isEmpty()) {
    setCurrentRow(-1);
    return;
  }
  for (int i = 0; i < count(); ++i) {
    if (item(i)->text().startsWith(prefix, Qt::CaseInsensitive)) {
      setCurrentRow(i);
      scrollToItem(item(i));
      return;
    }
  }
  setCurrentRow(-1);
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == this && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
    GXSetDropDownOpen(event->type() == QEvent::Show);
  if (watched != this || event->type() != QEvent::KeyPress) return QListWidget::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Escape:
      hide();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (currentRow() >= 0 && onChosen) onChosen(currentRow());
      else hide();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return false;  // the list moves its mark
    default:
      // Everything else is typing: it goes on into the editor, which completes and marks.
      if (m_editor) QApplication::sendEvent(m_editor, event);
      return true;
  }
}

}  // namespace mirel::gridqt
