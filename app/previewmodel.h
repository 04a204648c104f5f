#pragma once
// The Report Preview's table: the report's columns, a heading row per section when the template
// has a title variable, the rows, and the Total row.
#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "preview/ReportTable.h"

namespace mirel::cli {

class PreviewModel : public QAbstractTableModel {
 public:
  enum class RowKind { Heading, Data, Total };

  void SetTable(std::shared_ptr<const preview::ReportTable> table);
  const preview::ReportTable* Table() const { return m_table.get(); }
  RowKind KindOf(int row) const { return m_rows[size_t(row)].kind; }
  // The rows that head a section (they span every column).
  std::vector<int> HeadingRows() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  struct RowRef {
    RowKind kind;
    size_t section;
    size_t row;
  };
  const std::string* Cell(const RowRef& ref, int column) const;

  std::shared_ptr<const preview::ReportTable> m_table;
  std::vector<RowRef> m_rows;
};

}  // namespace mirel::cli
