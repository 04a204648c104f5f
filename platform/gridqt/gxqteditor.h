#pragma once
// The in-place editor of a GridView: a line edit over the text area of the cell being edited,
// with the drop-down list for combo cells. What the person typed reaches the core only through
// StoreEditText when the edit ends; Escape ends it without storing.
#include <QObject>
#include <QString>

#include "platform/mfc/afxtypes.h"

class CListBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;

namespace mirel::gridqt {

class DropDownList;
class GridView;

class CellEditor final : public QObject {
 public:
  explicit CellEditor(GridView& view);
  ~CellEditor() override;
  CellEditor(const CellEditor&) = delete;
  CellEditor& operator=(const CellEditor&) = delete;

  // Opens the editor on (row, col); `typed` replaces the cell's text. False when the core does
  // not let the cell be edited or the cell cannot be shown.
  bool Start(ROWCOL row, ROWCOL col, const QString* typed);
  // Ends the edit; with store, a changed text goes to StoreEditText. False when it was refused.
  bool End(bool store);
  // Hides the editor without a word to the core (the core is going away).
  void Abandon();
  // The cell moved (scrolling, resizing): follow it, or end the edit when it left the view.
  void Relayout();

  bool IsActive() const { return m_active; }
  ROWCOL Row() const { return m_row; }
  ROWCOL Col() const { return m_col; }
  QLineEdit* LineEdit() const;
  QListWidget* OpenList() const;
  // Opens the drop-down of the edited cell; false when its control has none.
  bool OpenDropDown();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HandleKey(QKeyEvent* key);
  void OnTextEdited(const QString& text);
  void Choose(int index);
  CListBox* ListBox() const;
  QRect EditorRect() const;

  GridView& m_view;
  QLineEdit* m_edit;     // a child of the view's viewport
  DropDownList* m_list;  // a pop-up owned by the view
  bool m_active = false;
  bool m_ending = false;
  ROWCOL m_row = 0;
  ROWCOL m_col = 0;
  QString m_original;
  QString m_typed;  // the text as the person last left it, before completion
};

}  // namespace mirel::gridqt
