#include "platform/gridqt/gxqteditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

#include "platform/gridqt/gxqtcombo.h"
#include "platform/gridqt/gxqtconvert.h"
#include "platform/gridqt/gxqtdropdown.h"
#include "platform/gridqt/gxqtgeometry.h"
#include "platform/gridqt/gxqtpainter.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/mfc/controls.h"

namespace mirel::gridqt {
namespace {

constexpr int kFrame = 2;  // the current-cell frame stays visible around the editor

Qt::Alignment EditAlignment(const CGXStyle& style) {
  if (!style.GetIncludeHorizontalAlignment()) return Qt::AlignLeft | Qt::AlignVCenter;
  const DWORD h = style.GetHorizontalAlignment();
  const Qt::Alignment horizontal = (h & GX_DT_RIGHT) ? Qt::AlignRight : (h & GX_DT_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
  return horizontal | Qt::AlignVCenter;
}

// Keys the editor keeps from the window's shortcuts while it has the focus.
bool IsEditorKey(const QKeyEvent& key) {
  switch (key.key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return true;
    default:
      return key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Cut) || key.matches(QKeySequence::Paste) ||
             key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) || key.matches(QKeySequence::SelectAll);
  }
}

}  // namespace

CellEditor::CellEditor(GridView& view)
    : m_view(view), m_edit(new QLineEdit(view.viewport())), m_list(new DropDownList(&view, m_edit)) {
  m_edit->hide();
  m_edit->setFrame(false);
  m_edit->installEventFilter(this);
  m_list->hide();
  m_list->onChosen = [this](int index) { Choose(index); };
  connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) { OnTextEdited(text); });
}

CellEditor::~CellEditor() = default;

QLineEdit* CellEditor::LineEdit() const { return m_active ? m_edit : nullptr; }

QListWidget* CellEditor::OpenList() const { return m_active && m_list->isVisible() ? m_list : nullptr; }

CListBox* CellEditor::ListBox() const {
  if (!m_active) return nullptr;
  return DropDownListOf(m_view.Grid().GetControl(m_row, m_col));
}

QRect CellEditor::EditorRect() const {
  CGXGridWnd& grid = m_view.Grid();
  const QRect cell = m_view.CellRect(m_row, m_col);
  if (cell.isEmpty()) return {};
  CGXStyle style;
  grid.ComposeStyleRowCol(m_row, m_col, &style);
  CGXControl* control = grid.GetControl(m_row, m_col);
  RECT item = ToRect(cell);
  const QRect text = control ? ToQRect(control->GetCellRect(m_row, m_col, &item, &style)) : cell;
  QRect rect(QPoint(std::max(text.left(), cell.left() + kFrame), cell.top() + kFrame),
             QPoint(std::min(text.right(), cell.right() - kFrame), cell.bottom() - kFrame));
  return rect.isValid() ? rect : QRect();
}

bool CellEditor::Start(ROWCOL row, ROWCOL col, const QString* typed) {
  if (m_ending) return false;
  if (m_active) {
    if (m_row == row && m_col == col) return true;
    End(true);
  }
  CGXGridWnd& grid = m_view.Grid();
  if (!grid.CanStartEditing(row, col)) return false;
  if (m_view.CellRect(row, col).isEmpty()) grid.ScrollCellInView(row, col, GX_INVALIDATE);
  m_row = row;
  m_col = col;
  const QRect rect = EditorRect();
  if (rect.isEmpty()) return false;

  CGXStyle style;
  grid.ComposeStyleRowCol(row, col, &style);
  m_edit->setFont(GridPainter::FontFor(m_view.font(), style));
  m_edit->setAlignment(EditAlignment(style));
  QPalette palette = m_edit->palette();
  palette.setColor(QPalette::Base, style.GetIncludeInterior() ? ToQColor(style.GetInterior()) : QColor(Qt::white));
  palette.setColor(QPalette::Text, style.GetIncludeTextColor() ? ToQColor(style.GetTextColor()) : QColor(0x1e, 0x1e, 0x1e));
  m_edit->setPalette(palette);
  m_original = ToQString(grid.GetValueRowCol(row, col));
  m_active = true;
  grid.SetInPlaceEditing(TRUE);
  m_edit->setGeometry(rect);
  m_edit->setText(typed ? *typed : m_original);
  m_typed = typed ? QString() : m_edit->text();  // what was typed to open it may complete
  if (typed) m_edit->end(false);
  else m_edit->selectAll();
  m_edit->show();
  m_edit->raise();
  m_edit->setFocus(Qt::OtherFocusReason);
  if (typed) OnTextEdited(*typed);
  m_view.RequestRepaint(m_view.CellRect(row, col));
  return true;
}

bool CellEditor::End(bool store) {
  if (!m_active || m_ending) return true;
  m_ending = true;
  const QString text = m_edit->text();
  const ROWCOL row = m_row, col = m_col;
  m_list->hide();
  if (m_edit->hasFocus()) m_view.setFocus(Qt::OtherFocusReason);
  m_edit->hide();
  m_active = false;
  QPointer<GridView> view(&m_view);
  BOOL ok = TRUE;
  CGXGridWnd& grid = m_view.Grid();
  grid.SetInPlaceEditing(FALSE);
  if (store && text != m_original) ok = grid.StoreEditText(row, col, ToCString(text));  // ends the edit in the core
  else grid.OnEndEditing(row, col);
  if (!view) return ok != FALSE;
  m_view.RequestRepaint(m_view.CellRect(row, col));
  m_ending = false;
  return ok != FALSE;
}

void CellEditor::Abandon() {
  m_list->hide();
  m_edit->hide();
  if (m_active) m_view.Grid().SetInPlaceEditing(FALSE);
  m_active = false;
}

void CellEditor::Relayout() {
  if (!m_active || m_ending) return;
  const QRect rect = EditorRect();
  if (rect.isEmpty()) {
    End(true);
    return;
  }
  m_edit->setGeometry(rect);
  if (m_list->isVisible()) m_list->hide();
}

bool CellEditor::OpenDropDown() {
  CListBox* listBox = ListBox();
  if (!listBox) return false;
  // Composing the cell lets the grid fill the shared list for it.
  CGXStyle style;
  m_view.Grid().ComposeStyleRowCol(m_row, m_col, &style);
  const QRect cell = m_view.CellRect(m_row, m_col);
  m_list->setFont(m_view.font());
  m_list->Open(*listBox, QRect(m_view.viewport()->mapToGlobal(cell.topLeft()), cell.size()), m_edit->text());
  return true;
}

void CellEditor::Choose(int index) {
  CListBox* listBox = ListBox();
  m_list->hide();
  if (!listBox || index < 0 || index >= listBox->GetCount()) return;
  listBox->SetCurSel(index);
  m_edit->setText(ToQString(listBox->GetItemText(index)));
  End(true);
}

void CellEditor::OnTextEdited(const QString& text) {
  // Typing on at the end of the text completes it from the list; deleting never does.
  const bool grew = text.size() > m_typed.size() && text.startsWith(m_typed, Qt::CaseInsensitive);
  m_typed = text;
  if (m_list->isVisible()) m_list->MarkPrefix(text);
  if (!grew || m_edit->cursorPosition() != text.size()) return;
  const std::optional<CString> completed = CompletionOf(m_view.Grid().GetControl(m_row, m_col), ToCString(text));
  if (!completed) return;
  const QString entry = ToQString(*completed);
  if (entry.size() <= text.size() || !entry.startsWith(text, Qt::CaseInsensitive)) return;
  m_edit->setText(entry);
  m_edit->setSelection(int(text.size()), int(entry.size() - text.size()));
}

bool CellEditor::HandleKey(QKeyEvent* key) {
  const Qt::KeyboardModifiers mods = key->modifiers();
  QPointer<GridView> view(&m_view);
  auto endAndPass = [&](UINT vk, Qt::KeyboardModifiers passMods) {
    if (End(true) && view) m_view.DispatchKey(vk, passMods);
    return true;
  };
  switch (key->key()) {
    case Qt::Key_Escape:
      if (m_list->isVisible()) m_list->hide();
      else End(false);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return endAndPass(GX_VK_RETURN, mods);
    case Qt::Key_Tab:
      return endAndPass(GX_VK_TAB, mods);
    case Qt::Key_Backtab:
      return endAndPass(GX_VK_TAB, mods | Qt::ShiftModifier);
    case Qt::Key_F4:
      if (!ListBox()) return false;
      if (m_list->isVisible()) m_list->hide();
      else OpenDropDown();
      return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
      if ((mods & Qt::AltModifier) && key->key() == Qt::Key_Down && ListBox()) return OpenDropDown();
      return endAndPass(key->key() == Qt::Key_Up ? GX_VK_UP : GX_VK_DOWN, mods);
    default:
      return false;
  }
}

bool CellEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched != m_edit || !m_active) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::ShortcutOverride:
      if (IsEditorKey(*static_cast<QKeyEvent*>(event))) event->accept();
      return false;
    case QEvent::KeyPress:
      return HandleKey(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut: {
      // The focus left for another window: the edit ends as if confirmed. A pop-up (the
      // drop-down, a menu) takes the focus without ending it.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      if (!m_ending && reason != Qt::PopupFocusReason && !m_list->isVisible()) End(true);
      return false;
    }
    default:
      return false;
  }
}

}  // namespace mirel::gridqt
