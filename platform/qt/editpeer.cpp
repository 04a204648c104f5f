// The edit peer: a QLineEdit, or a QPlainTextEdit for a multi-line edit.
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/mfc/controls.h"
#include "platform/qt/qtpeer.h"
#include "platform/qt/standardpeers.h"

namespace mirel::qt {
namespace {

QString WithLf(const std::string& text) {
  QString out = ToQString(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

class EditPeer final : public QtPeer {
 public:
  EditPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, Make(wnd, parent)) {
    if (auto* line = qobject_cast<QLineEdit*>(Widget())) {
      m_validator = new TypingValidator(line);
      line->setValidator(m_validator);
      QObject::connect(line, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!Syncing()) Model().PeerSetText(ToStd(text));
      });
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(Widget())) {
      QObject::connect(plain, &QPlainTextEdit::textChanged, this, [this, plain] {
        if (!Syncing()) Model().PeerSetText(ToStd(plain->toPlainText()));
      });
    }
  }
  ~EditPeer() override { StopListening(); }

 protected:
  void SyncKind(WndChange what) override {
    const std::string text = Model().GetWindowTextString().str();
    if (auto* line = qobject_cast<QLineEdit*>(Widget())) {
      if (what == WndChange::Text && line->text() != ToQString(text)) line->setText(ToQString(text));
      if (what == WndChange::Limit) m_validator->limit = qsizetype(Model().GetLimitText());
      if (what == WndChange::Style) {
        line->setReadOnly(Model().IsReadOnly());
        line->setEchoMode((Model().GetStyle() & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal);
        const DWORD align = Model().GetStyle() & (ES_CENTER | ES_RIGHT);
        line->setAlignment(align == ES_CENTER ? Qt::AlignHCenter : align == ES_RIGHT ? Qt::AlignRight : Qt::AlignLeft);
        m_validator->upperCase = (Model().GetStyle() & ES_UPPERCASE) != 0;
      }
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(Widget())) {
      if (what == WndChange::Text && plain->toPlainText() != WithLf(text)) {
        const int position = plain->textCursor().position();
        plain->setPlainText(WithLf(text));
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(std::min(position, int(plain->document()->characterCount()) - 1));
        plain->setTextCursor(cursor);
      }
      if (what == WndChange::Style) {
        plain->setReadOnly(Model().IsReadOnly());
        plain->setLineWrapMode((Model().GetStyle() & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        plain->setVerticalScrollBarPolicy((Model().GetStyle() & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        plain->setHorizontalScrollBarPolicy((Model().GetStyle() & WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
      }
    }
  }

 private:
  CEdit& Model() const { return static_cast<CEdit&>(Wnd()); }
  TypingValidator* m_validator = nullptr;
  static QWidget* Make(CWnd& wnd, QWidget* parent) {
    if (wnd.GetStyle() & ES_MULTILINE) {
      auto* plain = new QPlainTextEdit(parent);
      plain->setTabChangesFocus(true);
      return plain;
    }
    return new QLineEdit(parent);
  }
};

}  // namespace

QValidator::State TypingValidator::validate(QString& input, int&) const {
  if (upperCase) {
    for (QChar& c : input) {
      if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
    }
  }
  return limit > 0 && input.toUtf8().size() > limit ? Invalid : Acceptable;
}

std::unique_ptr<IWindowPeer> MakeEditPeer(CWnd& wnd, QWidget* parent) {
  if (!dynamic_cast<CEdit*>(&wnd)) return MakeContainerPeer(wnd, parent);
  return std::make_unique<EditPeer>(wnd, parent);
}

}  // namespace mirel::qt
