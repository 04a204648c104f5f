// The list box peer (a QListWidget) and the combo box peer (a QComboBox).
#include <QComboBox>
#include <QDrag>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <functional>

#include "platform/mfc/controls.h"
#include "platform/qt/qtpeer.h"
#include "platform/qt/standardpeers.h"

namespace mirel::qt {
namespace {

// A list widget whose drags carry the model's drag text as plain text.
class ModelListWidget final : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<QString(int)> dragText;

 protected:
  void startDrag(Qt::DropActions) override {
    const int row = currentRow();
    if (row < 0 || !dragText) return;
    auto* mime = new QMimeData;
    mime->setText(dragText(row));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction);
  }
};

class ListBoxPeer final : public QtPeer {
 public:
  ListBoxPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, new ModelListWidget(parent)) {
    auto* list = List();
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list->setUniformItemSizes(true);
    list->viewport()->setMouseTracking(true);  // mouse moves reach pre-translation (tool tips)
    list->dragText = [this](int row) { return ToQString(Model().GetDragText(row).str()); };
    QObject::connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
      if (!Syncing()) Model().PeerSelect(row);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
      if (!Syncing()) Model().PeerDoubleClick(List()->row(item));
    });
    QObject::connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
      if (!Syncing()) Model().PeerSetTopIndex(value);
    });
  }
  ~ListBoxPeer() override {
    StopListening();
    List()->dragText = nullptr;
  }

 protected:
  void SyncKind(WndChange what) override {
    auto* list = List();
    switch (what) {
      case WndChange::Items:
        // While redrawing is off the rebuild waits (the model may change many items).
        if (!Model().IsRedrawEnabled()) {
          m_itemsStale = true;
          return;
        }
        Rebuild();
        break;
      case WndChange::Redraw:
        if (Model().IsRedrawEnabled() && m_itemsStale) Rebuild();
        break;
      case WndChange::Selection: list->setCurrentRow(Model().GetCurSel()); break;
      case WndChange::TopIndex: list->verticalScrollBar()->setValue(Model().GetTopIndex()); break;
      case WndChange::Style:
      case WndChange::Custom:
        list->setDragEnabled(Model().IsTextDragEnabled());
        list->setDragDropMode(Model().IsTextDragEnabled() ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
        list->setVerticalScrollBarPolicy((Model().GetStyle() & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        break;
      default: break;
    }
  }

 private:
  CListBox& Model() const { return static_cast<CListBox&>(Wnd()); }
  ModelListWidget* List() const { return static_cast<ModelListWidget*>(Widget()); }
  void Rebuild() {
    m_itemsStale = false;
    auto* list = List();
    list->clear();
    const int height = Model().GetItemHeight();
    for (const ListItem& item : Model().Items()) {
      // Made whole before it joins the list: each change to a listed item looks the item up.
      auto* row = new QListWidgetItem(ToQString(item.text));
      row->setSizeHint(QSize(0, height));
      if (item.color != CLR_DEFAULT) row->setForeground(ToQColor(item.color));
      list->addItem(row);
    }
    list->setCurrentRow(Model().GetCurSel());
    if (Model().GetCurSel() < 0) list->clearSelection();
    list->verticalScrollBar()->setValue(Model().GetTopIndex());
  }
  bool m_itemsStale = false;
};

// A combo box that tells the model before its list opens (the model may refill it then).
class ModelCombo final : public QComboBox {
 public:
  using QComboBox::QComboBox;
  std::function<void()> beforePopup;
  std::function<void()> afterPopup;
  void showPopup() override {
    if (beforePopup) beforePopup();
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (afterPopup) afterPopup();
  }
};

class ComboBoxPeer final : public QtPeer {
 public:
  ComboBoxPeer(CWnd& wnd, QWidget* parent) : QtPeer(wnd, new ModelCombo(parent)) {
    auto* combo = Combo();
    combo->setEditable(Model().HasEdit());
    combo->setInsertPolicy(QComboBox::NoInsert);
    if (combo->lineEdit()) {
      combo->setCompleter(nullptr);
      m_validator = new TypingValidator(combo->lineEdit());
      combo->lineEdit()->setValidator(m_validator);
      QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!Syncing()) Model().PeerSetEditText(ToStd(text));
      });
    }
    combo->beforePopup = [this] {
      if (!Syncing()) Model().PeerDropDown();
    };
    combo->afterPopup = [this] {
      if (!Syncing()) Model().PeerCloseUp();
    };
    QObject::connect(combo, &QComboBox::activated, this, [this](int index) {
      if (!Syncing()) Model().PeerSelect(index);
    });
  }
  ~ComboBoxPeer() override {
    StopListening();
    Combo()->beforePopup = nullptr;
    Combo()->afterPopup = nullptr;
  }

 protected:
  void SyncKind(WndChange what) override {
    auto* combo = Combo();
    switch (what) {
      case WndChange::Items: {
        combo->clear();
        int index = 0;
        for (const ListItem& item : Model().Items()) {
          combo->addItem(ToQString(item.text));
          if (item.color != CLR_DEFAULT) combo->setItemData(index, ToQColor(item.color), Qt::ForegroundRole);
          ++index;
        }
        SyncSelection();
        break;
      }
      case WndChange::Selection:
      case WndChange::Text: SyncSelection(); break;
      case WndChange::Limit:
        if (m_validator) m_validator->limit = qsizetype(Model().GetLimitText());
        break;
      case WndChange::Style:
        if (m_validator) m_validator->upperCase = (Model().GetStyle() & CBS_UPPERCASE) != 0;
        combo->setMaxVisibleItems(std::max(1, Model().GetDroppedHeight() / std::max(1, int(combo->fontMetrics().height()))));
        break;
      default: break;
    }
  }

 private:
  CComboBox& Model() const { return static_cast<CComboBox&>(Wnd()); }
  ModelCombo* Combo() const { return static_cast<ModelCombo*>(Widget()); }
  TypingValidator* m_validator = nullptr;
  void SyncSelection() {
    auto* combo = Combo();
    combo->setCurrentIndex(Model().GetCurSel());
    if (combo->isEditable()) {
      const QString text = ToQString(Model().GetWindowTextString().str());
      if (combo->currentText() != text) combo->setEditText(text);
    }
  }
};

}  // namespace

std::unique_ptr<IWindowPeer> MakeListBoxPeer(CWnd& wnd, QWidget* parent) {
  if (!dynamic_cast<CListBox*>(&wnd)) return MakeContainerPeer(wnd, parent);
  return std::make_unique<ListBoxPeer>(wnd, parent);
}

std::unique_ptr<IWindowPeer> MakeComboBoxPeer(CWnd& wnd, QWidget* parent) {
  if (!dynamic_cast<CComboBox*>(&wnd)) return MakeContainerPeer(wnd, parent);
  return std::make_unique<ComboBoxPeer>(wnd, parent);
}

}  // namespace mirel::qt
