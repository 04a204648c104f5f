#include "platform/qt/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>

#include "platform/mfc/clipboard.h"
#include "platform/mfc/wnd.h"
#include "platform/qt/qtbackend.h"

namespace mirel::qt {
namespace {

class QtClipboard final : public IClipboardBackend {
 public:
  void SetText(const std::string& text) override { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); }
  std::optional<std::string> GetText() override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime || !mime->hasText()) return std::nullopt;
    return mime->text().toStdString();
  }
  void Clear() override { QGuiApplication::clipboard()->clear(); }
};

UINT VirtualKey(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return UINT('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return UINT('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return VK_F1 + UINT(key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_End: return VK_END;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Down: return VK_DOWN;
    default: return 0;
  }
}

void SetModifiers(Qt::KeyboardModifiers modifiers) {
  SetKeyDown(VK_SHIFT, modifiers & Qt::ShiftModifier);
  SetKeyDown(VK_CONTROL, modifiers & Qt::ControlModifier);
  SetKeyDown(VK_MENU, modifiers & Qt::AltModifier);
}

// Key presses and mouse moves pass the model's pre-translation first, as the system's message
// loop hands them to PreTranslateMessage before dispatching them. Only those for the model's own
// windows: a message box, a file dialog or a window of Qt's own gets its input untouched.
class InputFilter final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (IsPropagation(event, widget)) return false;
    switch (event->type()) {
      case QEvent::KeyPress: {
        Remember(event, widget);
        auto* key = static_cast<QKeyEvent*>(event);
        SetModifiers(key->modifiers());
        const UINT vk = VirtualKey(key->key());
        CWnd* target = vk ? NearestWnd(widget) : nullptr;
        if (!target) return false;
        MSG msg;
        msg.hwnd = target;
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        return WalkPreTranslateTree(&msg) != FALSE;
      }
      case QEvent::KeyRelease: SetModifiers(static_cast<QKeyEvent*>(event)->modifiers()); return false;
      case QEvent::MouseMove: {
        Remember(event, widget);
        CWnd* target = NearestWnd(widget);
        QWidget* targetWidget = WidgetOf(target);
        if (!target || !targetWidget) return false;
        const QPoint at = widget->mapTo(targetWidget->window(), static_cast<QMouseEvent*>(event)->position().toPoint());
        const QPoint local = targetWidget->mapFrom(targetWidget->window(), at);
        MSG msg;
        msg.hwnd = target;
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MAKELPARAM(local.x(), local.y());
        return WalkPreTranslateTree(&msg) != FALSE;
      }
      default: return false;
    }
  }

 private:
  // An event that a widget ignored goes on to its parent: the model saw it already. A new event
  // may reuse the address of the last one; a receiver hidden since (a closed cell editor) tells
  // them apart.
  bool IsPropagation(QEvent* event, QWidget* widget) const {
    return event == m_last && m_lastReceiver && m_lastReceiver->isVisible() && widget != m_lastReceiver &&
           widget->isAncestorOf(m_lastReceiver);
  }
  void Remember(QEvent* event, QWidget* widget) {
    m_last = event;
    m_lastReceiver = widget;
  }
  QEvent* m_last = nullptr;
  QPointer<QWidget> m_lastReceiver;
};

}  // namespace

struct QtPlatform::Parts {
  QtBackend backend;
  QtClipboard clipboard;
  InputFilter filter;
  QMetaObject::Connection focus;
};

QtPlatform::QtPlatform(bool installInteraction, std::string helpFolder)
    : m_parts(std::make_unique<Parts>()),
      m_interaction(std::make_unique<QtInteraction>(std::move(helpFolder))),
      m_installedInteraction(installInteraction) {
  SetWindowBackend(&m_parts->backend);
  SetClipboardBackend(&m_parts->clipboard);
  qApp->installEventFilter(&m_parts->filter);
  m_parts->focus = QObject::connect(qApp, &QApplication::focusChanged, [](QWidget*, QWidget* now) {
    if (CWnd* wnd = NearestWnd(now)) wnd->PeerSetFocus();
  });
  if (installInteraction) SetInteraction(m_interaction.get());
}

QtPlatform::~QtPlatform() {
  if (m_installedInteraction && &mirel::Interaction() == m_interaction.get()) SetInteraction(nullptr);
  QObject::disconnect(m_parts->focus);
  qApp->removeEventFilter(&m_parts->filter);
  if (WindowBackend() == &m_parts->backend) SetWindowBackend(nullptr);
  SetClipboardBackend(nullptr);
}

}  // namespace mirel::qt
