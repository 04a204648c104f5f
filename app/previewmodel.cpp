#include "app/previewmodel.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "platform/qt/standardpeers.h"

namespace mirel::cli {

namespace {

Qt::Alignment AlignmentOf(preview::Alignment alignment) {
  switch (alignment) {
    case preview::Alignment::Center: return Qt::AlignHCenter | Qt::AlignVCenter;
    case preview::Alignment::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case preview::Alignment::Left: break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

void PreviewModel::SetTable(std::shared_ptr<const preview::ReportTable> table) {
  beginResetModel();
  m_table = std::move(table);
  m_rows.clear();
  if (m_table) {
    m_rows.reserve(m_table->RowCount() + m_table->sections.size() + 1);
    const bool headings = m_table->HasSectionTitles();
    for (size_t s = 0; s < m_table->sections.size(); ++s) {
      if (headings) m_rows.push_back({RowKind::Heading, s, 0});
      for (size_t r = 0; r < m_table->sections[s].rows.size(); ++r) m_rows.push_back({RowKind::Data, s, r});
    }
    if (!m_table->totals.empty()) m_rows.push_back({RowKind::Total, 0, 0});
  }
  endResetModel();
}

std::vector<int> PreviewModel::HeadingRows() const {
  std::vector<int> rows;
  for (size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].kind == RowKind::Heading) rows.push_back(int(i));
  }
  return rows;
}

int PreviewModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int PreviewModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || !m_table ? 0 : int(m_table->columns.size());
}

const std::string* PreviewModel::Cell(const RowRef& ref, int column) const {
  const auto at = [column](const std::vector<std::string>& cells) {
    return size_t(column) < cells.size() ? &cells[size_t(column)] : nullptr;
  };
  switch (ref.kind) {
    case RowKind::Heading: return column == 0 ? &m_table->sections[ref.section].title : nullptr;
    case RowKind::Total: return at(m_table->totals);
    case RowKind::Data: return at(m_table->sections[ref.section].rows[ref.row]);
  }
  return nullptr;
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const {
  if (!m_table || !index.isValid() || size_t(index.row()) >= m_rows.size()) return {};
  const RowRef& ref = m_rows[size_t(index.row())];
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
      const std::string* text = Cell(ref, index.column());
      return text ? QVariant(qt::ToQString(*text)) : QVariant();
    }
    case Qt::TextAlignmentRole:
      if (ref.kind == RowKind::Heading) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
      return QVariant::fromValue(AlignmentOf(m_table->columns[size_t(index.column())].alignment));
    case Qt::FontRole:
      if (ref.kind != RowKind::Data) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::BackgroundRole:
      if (ref.kind == RowKind::Heading) return QBrush(QColor(0xE8, 0xEE, 0xF6));
      if (ref.kind == RowKind::Total) return QBrush(QColor(0xF2, 0xF2, 0xF2));
      return {};
    default: return {};
  }
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (!m_table || orientation != Qt::Horizontal || section < 0 || size_t(section) >= m_table->columns.size())
    return QAbstractTableModel::headerData(section, orientation, role);
  const preview::ReportTable::Column& column = m_table->columns[size_t(section)];
  if (role == Qt::DisplayRole) return qt::ToQString(column.title);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(column.alignment));
  return QAbstractTableModel::headerData(section, orientation, role);
}

}  // namespace mirel::cli
