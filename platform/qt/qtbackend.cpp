#include "platform/qt/qtbackend.h"

#include <QApplication>
#include <QFontMetrics>
#include <map>

#include "platform/mfc/nocase.h"
#include "platform/qt/qtpeer.h"
#include "platform/qt/standardpeers.h"

namespace mirel::qt {
namespace {

std::map<std::string, PeerFactory, LessNoCase>& Factories() {
  static std::map<std::string, PeerFactory, LessNoCase> factories;
  return factories;
}

PeerFactory StandardFactory(const std::string& kind) {
  static const std::map<std::string, PeerFactory, LessNoCase> standard{
      {"#32770", MakeDialogPeer},   {"Static", MakeStaticPeer},     {"Button", MakeButtonPeer},
      {"Edit", MakeEditPeer},       {"ListBox", MakeListBoxPeer},   {"ComboBox", MakeComboBoxPeer},
      {"tooltips_class32", MakeToolTipPeer},
  };
  const auto it = standard.find(kind);
  return it == standard.end() ? PeerFactory(MakeContainerPeer) : it->second;
}

}  // namespace

void RegisterPeerFactory(std::string kind, PeerFactory factory) { Factories()[std::move(kind)] = std::move(factory); }

QWidget* WidgetOf(const CWnd* wnd) {
  return wnd && wnd->Peer() ? static_cast<QWidget*>(wnd->Peer()->NativeHandle()) : nullptr;
}

CWnd* WndOf(const QWidget* widget) {
  if (!widget) return nullptr;
  const QVariant value = widget->property("mirelWnd");
  return value.isValid() ? reinterpret_cast<CWnd*>(value.value<quintptr>()) : nullptr;
}

CWnd* NearestWnd(QWidget* widget) {
  for (; widget; widget = widget->parentWidget()) {
    if (CWnd* wnd = WndOf(widget)) return wnd;
    if (widget->isWindow()) return nullptr;
  }
  return nullptr;
}

QFont DialogFont(const std::string& face, int pointSize) {
  QFont font = QApplication::font();
  if (!face.empty() && !EqualsNoCase(face, "MS Shell Dlg") && !EqualsNoCase(face, "MS Shell Dlg 2") &&
      !EqualsNoCase(face, "MS Sans Serif")) {
    font.setFamily(QString::fromStdString(face));
  }
  if (pointSize > 0) font.setPointSize(pointSize);
  return font;
}

QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

std::unique_ptr<IWindowPeer> QtBackend::Realise(CWnd& wnd) {
  QWidget* parentWidget = WidgetOf(wnd.GetParent());
  if ((wnd.GetStyle() & WS_CHILD) && !parentWidget) return nullptr;  // under a windowless parent
  const auto registered = Factories().find(wnd.GetWindowKind());
  const PeerFactory factory = registered != Factories().end() ? registered->second : StandardFactory(wnd.GetWindowKind());
  std::unique_ptr<IWindowPeer> peer = factory ? factory(wnd, parentWidget) : nullptr;
  if (auto* qtPeer = dynamic_cast<QtPeer*>(peer.get())) qtPeer->SyncAll();
  return peer;
}

SIZE QtBackend::DialogBaseUnits(const std::string& face, int pointSize) {
  // As the system computes them: the average width of the 52 letters, and the font's height.
  const QFontMetrics metrics(DialogFont(face, pointSize));
  const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return SIZE{(width / 26 + 1) / 2, metrics.height()};
}

}  // namespace mirel::qt
