#include "platform/qt/qtpeer.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>

#include "platform/mfc/dragdrop.h"
#include "platform/qt/qtbackend.h"

namespace mirel::qt {
namespace {

constexpr const char* kWndProperty = "mirelWnd";

DWORD KeyStateOf(const QDropEvent* event) {
  DWORD state = 0;
  if (event->buttons() & Qt::LeftButton) state |= MK_LBUTTON;
  if (event->buttons() & Qt::RightButton) state |= MK_RBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) state |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) state |= MK_CONTROL;
  return state;
}

Qt::DropAction ToQtAction(DROPEFFECT effect) {
  if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
  if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
  if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

DropData DataOf(const QMimeData* mime) {
  return mime && mime->hasText() ? DropData(mime->text().toStdString()) : DropData();
}

// Qt shows the keyboard's focus frame on a window whose focus moved by a keyboard reason.
Qt::FocusReason FocusReason(FocusCause cause) {
  switch (cause) {
    case FocusCause::Tab:
    case FocusCause::Arrow: return Qt::TabFocusReason;
    case FocusCause::Backtab: return Qt::BacktabFocusReason;
    default: return Qt::OtherFocusReason;
  }
}

}  // namespace

QtPeer::QtPeer(CWnd& wnd, QWidget* widget) : m_wnd(&wnd), m_widget(widget) {
  if (m_widget) {
    m_widget->setProperty(kWndProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&wnd)));
    m_widget->installEventFilter(this);
  }
}

QtPeer::~QtPeer() {
  StopListening();
  if (m_widget) {
    m_widget->removeEventFilter(this);
    m_widget->setProperty(kWndProperty, QVariant());
    m_widget->hide();
    m_widget->deleteLater();
  }
}

void QtPeer::StopListening() {
  if (!m_widget) return;
  QObject::disconnect(m_widget, nullptr, this, nullptr);
  for (QObject* child : m_widget->findChildren<QObject*>()) QObject::disconnect(child, nullptr, this, nullptr);
}

void QtPeer::Rebind(CWnd& wnd) {
  m_wnd = &wnd;
  if (m_widget) m_widget->setProperty(kWndProperty, QVariant::fromValue(reinterpret_cast<quintptr>(&wnd)));
  SyncAll();
}

void QtPeer::SyncAll() {
  SyncGuard guard(*this);
  if (m_widget) {
    SyncGeometry();
    m_widget->setEnabled(!(m_wnd->GetStyle() & WS_DISABLED));
    m_widget->setAcceptDrops(m_wnd->GetDropTarget() != nullptr);
    Restack();
    SyncVisible();
  }
  for (WndChange what : {WndChange::Style, WndChange::Text, WndChange::Items, WndChange::Selection, WndChange::TopIndex,
                         WndChange::Limit, WndChange::Custom}) {
    SyncKind(what);
  }
}

void QtPeer::OnModelChanged(WndChange what) {
  SyncGuard guard(*this);
  if (m_widget) {
    switch (what) {
      case WndChange::Geometry: SyncGeometry(); break;
      case WndChange::Visible: SyncVisible(); break;
      case WndChange::Enabled: m_widget->setEnabled(!(m_wnd->GetStyle() & WS_DISABLED)); break;
      case WndChange::ZOrder: Restack(); break;
      case WndChange::Parent:
        m_widget->setParent(WidgetOf(m_wnd->GetParent()));
        SyncGeometry();
        SyncVisible();
        break;
      case WndChange::Focus: m_widget->setFocus(FocusReason(CWnd::FocusMoveCause())); break;
      case WndChange::Redraw:
        m_widget->setUpdatesEnabled(m_wnd->IsRedrawEnabled());
        if (m_wnd->IsRedrawEnabled()) m_widget->update();
        break;
      case WndChange::Invalidate: m_widget->update(); break;
      case WndChange::Custom: m_widget->setAcceptDrops(m_wnd->GetDropTarget() != nullptr); break;
      default: break;
    }
  }
  SyncKind(what);
}

void QtPeer::SyncKind(WndChange) {}

void QtPeer::SyncGeometry() {
  const CRect rect = m_wnd->GetRectInParent();
  if (m_wnd->GetStyle() & WS_CHILD) {
    m_widget->setGeometry(int(rect.left), int(rect.top), int(rect.Width()), int(rect.Height()));
  } else {
    m_widget->resize(int(rect.Width()), int(rect.Height()));
    if (rect.left != 0 || rect.top != 0) m_widget->move(int(rect.left), int(rect.top));
  }
}

void QtPeer::SyncVisible() { m_widget->setVisible((m_wnd->GetStyle() & WS_VISIBLE) != 0); }

void QtPeer::Restack() {
  CWnd* parent = m_wnd->GetParent();
  if (!parent) return;
  // The first child is on top: raise from the bottom of the model's order upwards.
  const auto& siblings = parent->Children();
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    if (QWidget* widget = WidgetOf(*it)) widget->raise();
  }
}

bool QtPeer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_widget && HandleDrag(event)) return true;
  return QObject::eventFilter(watched, event);
}

bool QtPeer::HandleDrag(QEvent* event) {
  IDropTarget* target = m_wnd->GetDropTarget();
  if (!target) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* move = static_cast<QDragMoveEvent*>(event);
      const DropData data = DataOf(move->mimeData());
      const CPoint point(move->position().toPoint().x(), move->position().toPoint().y());
      const DROPEFFECT effect = event->type() == QEvent::DragEnter ? target->OnDragEnter(*m_wnd, data, KeyStateOf(move), point)
                                                                   : target->OnDragOver(*m_wnd, data, KeyStateOf(move), point);
      if (event->type() == QEvent::DragEnter && data.IsDataAvailable(CF_TEXT)) {
        move->acceptProposedAction();  // keep the moves coming; each says whether a drop is possible
      }
      if (effect != DROPEFFECT_NONE) {
        move->setDropAction(ToQtAction(effect));
        move->accept();
      } else {
        move->ignore();
      }
      return true;
    }
    case QEvent::DragLeave: target->OnDragLeave(*m_wnd); return true;
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const CPoint point(drop->position().toPoint().x(), drop->position().toPoint().y());
      const DROPEFFECT effect = drop->dropAction() == Qt::MoveAction ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
      if (target->OnDrop(*m_wnd, DataOf(drop->mimeData()), effect, point)) {
        drop->setDropAction(ToQtAction(effect));
        drop->accept();
      } else {
        drop->ignore();
      }
      return true;
    }
    default: return false;
  }
}

}  // namespace mirel::qt
