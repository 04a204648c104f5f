#pragma once
// The drop-down of a combo cell: a pop-up list showing the items of the control's list box with
// their text colours. Typing while it is open goes on into the cell's editor.
#include <functional>

#include <QListWidget>

class CListBox;
class QLineEdit;

namespace mirel::gridqt {

class DropDownList final : public QListWidget {
 public:
  // `editor` receives the keys typed while the list is open.
  DropDownList(QWidget* parent, QLineEdit* editor);

  // Fills the list from the list box and opens it under (or, without room, above) `cell`,
  // given in global coordinates; the entry matching `text` is marked.
  void Open(const CListBox& listBox, const QRect& cell, const QString& text);
  // Marks the first entry that starts with `prefix` (ignoring case); none for "".
  void MarkPrefix(const QString& prefix);

  // Called with the index of the entry the person picked.
  std::function<void(int index)> onChosen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* m_editor;
};

}  // namespace mirel::gridqt
