#pragma once
// Peers of the standard window kinds (used by the backend; other kinds register their own).
#include <QValidator>
#include <memory>

#include "platform/qt/qtbackend.h"

namespace mirel::qt {

std::unique_ptr<IWindowPeer> MakeContainerPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeDialogPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeStaticPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeButtonPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeEditPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeListBoxPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeComboBoxPeer(CWnd& wnd, QWidget* parent);
std::unique_ptr<IWindowPeer> MakeToolTipPeer(CWnd& wnd, QWidget* parent);

// What typing may put into a line edit: letters a to z become capitals with the upper-case
// style, and nothing is taken beyond the text limit (in UTF-8 bytes, as the model counts).
// Texts set by the program are not checked, as on Windows.
class TypingValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  bool upperCase = false;
  qsizetype limit = 0;  // 0: none
  State validate(QString& input, int& position) const override;
};

// Text with the Windows mnemonic marks taken out ("&Name" -> "Name", "&&" -> "&").
QString WithoutMnemonics(const std::string& text);
QString ToQString(const std::string& text);
std::string ToStd(const QString& text);

}  // namespace mirel::qt
