// Peers of containers, dialogs, statics, buttons and tool tips.
#include <QCheckBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QToolTip>
#include <climits>
#include <functional>

#include "platform/mfc/controls.h"
#include "platform/mfc/dialog.h"
#include "platform/qt/qtpeer.h"
#include "platform/qt/standardpeers.h"

namespace mirel::qt {

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }
std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }

QString WithoutMnemonics(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') out += '&';
      ++i;
      if (i < text.size() && text[i] != '&') out += text[i];
    } else {
      out += text[i];
    }
  }
  return ToQString(out);
}

namespace {

// ---- containers and dialogs -----------------------------------------------------------------------

class ContainerPeer final : public QtPeer {
 public:
  ContainerPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, new QWidget(parent)) {}
};

// The dialog's window: closing and Esc go to the model, which decides whether it ends.
class ModelDialog final : public QDialog {
 public:
  explicit ModelDialog(QWidget* parent) : QDialog(parent) { setWindowFlag(Qt::WindowContextHelpButtonHint, false); }
  std::function<void()> onClose;
  std::function<void()> onGeometry;
  void reject() override {
    if (onClose) onClose();
  }
  void accept() override {}

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QDialog::resizeEvent(event);
    if (onGeometry) onGeometry();
  }
  void moveEvent(QMoveEvent* event) override {
    QDialog::moveEvent(event);
    if (onGeometry) onGeometry();
  }
};

class DialogPeer final : public QtPeer {
 public:
  DialogPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, Make(wnd, parent)) {
    auto* dialog = dynamic_cast<CDialog*>(&wnd);
    if (dialog && dialog->GetTemplate()) {
      Widget()->setFont(DialogFont(dialog->GetTemplateFontName().str(), dialog->GetTemplateFontSize()));
    }
    if (auto* modelDialog = dynamic_cast<ModelDialog*>(Widget())) {
      modelDialog->onClose = [this] { Wnd().SendMessage(WM_CLOSE); };
      modelDialog->onGeometry = [this] {
        if (Syncing()) return;
        const QRect g = Widget()->geometry();
        Wnd().PeerSetGeometry(CRect(g.x(), g.y(), g.x() + g.width(), g.y() + g.height()));
      };
      ApplyTrackingSizes();
    }
  }
  ~DialogPeer() override {
    StopListening();
    if (auto* modelDialog = dynamic_cast<ModelDialog*>(Widget())) {
      modelDialog->onClose = nullptr;
      modelDialog->onGeometry = nullptr;
    }
  }

 protected:
  void SyncKind(WndChange what) override {
    if (what == WndChange::Text) Widget()->setWindowTitle(ToQString(Wnd().GetWindowTextString().str()));
    if (what == WndChange::ModalEnd) {
      if (auto* modelDialog = dynamic_cast<ModelDialog*>(Widget())) {
        modelDialog->done(static_cast<CDialog&>(Wnd()).GetModalResult());
      }
    }
  }
  void SyncVisible() override {
    auto* dialog = dynamic_cast<CDialog*>(&Wnd());
    const bool visible = (Wnd().GetStyle() & WS_VISIBLE) != 0;
    // A modal dialog is shown by its modal run, which makes it modal first.
    if (visible && dialog && dialog->IsModalSessionRunning() && !(Wnd().GetStyle() & WS_CHILD)) return;
    Widget()->setVisible(visible);
  }

 private:
  static QWidget* Make(CWnd& wnd, QWidget* parent) {
    if (wnd.GetStyle() & WS_CHILD) return new QWidget(parent);
    return new ModelDialog(WidgetOf(wnd.GetOwner()));
  }
  void ApplyTrackingSizes() {
    const CRect rect = Wnd().GetRectInParent();
    if (!(Wnd().GetStyle() & WS_THICKFRAME)) {
      Widget()->setFixedSize(int(rect.Width()), int(rect.Height()));
      return;
    }
    POINT minimum, maximum;
    Wnd().GetClientTrackingSizes(minimum, maximum);
    Widget()->setMinimumSize(int(std::min<long>(minimum.x, QWIDGETSIZE_MAX)), int(std::min<long>(minimum.y, QWIDGETSIZE_MAX)));
    Widget()->setMaximumSize(int(std::min<long>(maximum.x, QWIDGETSIZE_MAX)),
                             int(std::min<long>(maximum.y, QWIDGETSIZE_MAX)));
  }
};

// ---- statics ----------------------------------------------------------------------------------------

class StaticPeer final : public QtPeer {
 public:
  StaticPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, Make(wnd, parent)) {}

 protected:
  void SyncKind(WndChange what) override {
    auto* label = qobject_cast<QLabel*>(Widget());
    if (!label) return;
    if (what == WndChange::Text) {
      const std::string text = Wnd().GetWindowTextString().str();
      label->setText((Wnd().GetStyle() & SS_NOPREFIX) ? ToQString(text) : WithoutMnemonics(text));
    }
    if (what == WndChange::Style) {
      const DWORD type = Wnd().GetStyle() & SS_TYPEMASK;
      Qt::Alignment horizontal = Qt::AlignLeft;
      if (type == SS_CENTER) horizontal = Qt::AlignHCenter;
      if (type == SS_RIGHT) horizontal = Qt::AlignRight;
      const bool centreVertically = (Wnd().GetStyle() & SS_CENTERIMAGE) != 0;
      label->setAlignment(horizontal | (centreVertically ? Qt::AlignVCenter : Qt::AlignTop));
      label->setWordWrap(type != SS_LEFTNOWORDWRAP);
    }
  }

 private:
  static QWidget* Make(CWnd& wnd, QWidget* parent) {
    const DWORD type = wnd.GetStyle() & SS_TYPEMASK;
    if (type >= SS_BLACKRECT && type <= SS_WHITEFRAME) {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(type >= SS_BLACKFRAME ? QFrame::Box : QFrame::Panel);
      return frame;
    }
    if (type == SS_ETCHEDFRAME) {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Box);
      frame->setFrameShadow(QFrame::Sunken);
      return frame;
    }
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
  }
};

// ---- buttons ----------------------------------------------------------------------------------------

class ButtonPeer final : public QtPeer {
 public:
  ButtonPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, Make(wnd, parent)) {
    if (auto* button = qobject_cast<QAbstractButton*>(Widget())) {
      QObject::connect(button, &QAbstractButton::clicked, this, [this] {
        if (Syncing()) return;
        auto& model = static_cast<CButton&>(Wnd());
        model.SimulateClick();
      });
    }
  }
  ~ButtonPeer() override { StopListening(); }

 protected:
  void SyncKind(WndChange what) override {
    auto& model = static_cast<CButton&>(Wnd());
    if (what == WndChange::Text) {
      const QString text = ToQString(model.GetWindowTextString().str());
      if (auto* group = qobject_cast<QGroupBox*>(Widget())) group->setTitle(text);
      if (auto* button = qobject_cast<QAbstractButton*>(Widget())) button->setText(text);
    }
    if (what == WndChange::Selection || what == WndChange::Text) {
      if (auto* check = qobject_cast<QCheckBox*>(Widget())) {
        check->setCheckState(model.GetCheck() == BST_CHECKED         ? Qt::Checked
                             : model.GetCheck() == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                                      : Qt::Unchecked);
      } else if (auto* radio = qobject_cast<QRadioButton*>(Widget())) {
        radio->setChecked(model.GetCheck() == BST_CHECKED);
      }
    }
    if (what == WndChange::Style) {
      if (auto* push = qobject_cast<QPushButton*>(Widget())) push->setDefault(model.IsDefaultButton());
    }
  }

 private:
  static QWidget* Make(CWnd& wnd, QWidget* parent) {
    auto& model = static_cast<CButton&>(wnd);
    if (model.IsGroupBox()) {
      auto* group = new QGroupBox(parent);
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      return group;
    }
    if (model.IsCheckBox()) {
      auto* check = new QCheckBox(parent);
      const UINT type = model.GetButtonType();
      check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
      return check;
    }
    if (model.IsRadioButton()) {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model's WS_GROUP groups decide
      return radio;
    }
    auto* push = new QPushButton(parent);
    push->setAutoDefault(false);  // Enter is the model's (the dialog keys)
    return push;
  }
};

// ---- tool tips --------------------------------------------------------------------------------------

class ToolTipPeer final : public QtPeer {
 public:
  explicit ToolTipPeer(CWnd& wnd) : QtPeer(wnd, nullptr) {}

 protected:
  void SyncKind(WndChange what) override {
    if (what != WndChange::Custom) return;
    const auto& tip = static_cast<CToolTipCtrl&>(Wnd());
    if (tip.IsTipShown()) {
      QToolTip::showText(QPoint(int(tip.GetShownAt().x), int(tip.GetShownAt().y)), ToQString(tip.GetShownText().str()));
    } else {
      QToolTip::hideText();
    }
  }
  void SyncGeometry() override {}
  void SyncVisible() override {}
};

}  // namespace

std::unique_ptr<IWindowPeer> MakeContainerPeer(CWnd& wnd, QWidget* parent) { return std::make_unique<ContainerPeer>(wnd, parent); }
std::unique_ptr<IWindowPeer> MakeDialogPeer(CWnd& wnd, QWidget* parent) { return std::make_unique<DialogPeer>(wnd, parent); }
std::unique_ptr<IWindowPeer> MakeStaticPeer(CWnd& wnd, QWidget* parent) { return std::make_unique<StaticPeer>(wnd, parent); }
std::unique_ptr<IWindowPeer> MakeButtonPeer(CWnd& wnd, QWidget* parent) {
  if (!dynamic_cast<CButton*>(&wnd)) return MakeContainerPeer(wnd, parent);
  return std::make_unique<ButtonPeer>(wnd, parent);
}
std::unique_ptr<IWindowPeer> MakeToolTipPeer(CWnd& wnd, QWidget*) {
  if (!dynamic_cast<CToolTipCtrl*>(&wnd)) return nullptr;
  return std::make_unique<ToolTipPeer>(wnd);
}

}  // namespace mirel::qt
