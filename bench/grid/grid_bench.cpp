// The grid core on a query-grid-sized table: 11 rows and 10,000 columns, every cell styled.
#include <benchmark/benchmark.h>

#include <memory>

#include "platform/grid/gxcore.h"

namespace {

std::unique_ptr<CGXGridCore> MakeGrid(ROWCOL cols) {
  auto grid = std::make_unique<CGXGridCore>();
  grid->GetParam()->EnableUndo(FALSE);
  grid->SetRowCount(11);
  grid->SetColCount(cols);
  grid->SetCoveredCellsRowCol(1, 0, 5, 0);
  grid->SetCoveredCellsRowCol(6, 0, 11, 0);
  grid->SetFrozenCols(1);
  for (ROWCOL c = 1; c <= cols; ++c) {
    grid->SetStyleRange(CGXRange(1, c), CGXStyle().SetControl(1048).SetValue("REFDES")
                                            .SetFont(CGXFont().SetBold(TRUE)).SetUserAttribute(1053, 0L));
    for (ROWCOL r = 2; r <= 11; ++r)
      grid->SetStyleRange(CGXRange(r, c), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetValue("20"));
  }
  grid->GetParam()->EnableUndo(TRUE);
  grid->GetParam()->SetUndoLimit(100);
  return grid;
}

void ComposeCell(benchmark::State& state) {
  auto grid = MakeGrid(ROWCOL(state.range(0)));
  CGXStyle style;
  for (auto _ : state) {
    grid->ComposeStyleRowCol(1, 5000 % grid->GetColCount() + 1, &style);
    benchmark::DoNotOptimize(style);
  }
}
BENCHMARK(ComposeCell)->Arg(10000);

void StoreValueWithUndo(benchmark::State& state) {
  auto grid = MakeGrid(ROWCOL(state.range(0)));
  long n = 0;
  for (auto _ : state) grid->SetValueRange(CGXRange(9, grid->GetColCount() / 2), ++n);
}
BENCHMARK(StoreValueWithUndo)->Arg(10000);

void InsertColumnAtFrontAndUndo(benchmark::State& state) {
  auto grid = MakeGrid(ROWCOL(state.range(0)));
  for (auto _ : state) {
    grid->InsertCols(1, 1);
    grid->Undo();
  }
}
BENCHMARK(InsertColumnAtFrontAndUndo)->Arg(1000)->Arg(10000)->Arg(100000);

void RemoveColumnAtFrontAndUndo(benchmark::State& state) {
  auto grid = MakeGrid(ROWCOL(state.range(0)));
  for (auto _ : state) {
    grid->RemoveCols(1, 1);
    grid->Undo();
  }
}
BENCHMARK(RemoveColumnAtFrontAndUndo)->Arg(10000);

void InsertColumnTransactionAndUndo(benchmark::State& state) {
  // As the Insert Column command does it: the column and its eleven cells in one step.
  auto grid = MakeGrid(ROWCOL(state.range(0)));
  for (auto _ : state) {
    grid->BeginTrans("Insert Column");
    grid->InsertCols(2, 1);
    for (ROWCOL r = 1; r <= 11; ++r) grid->SetValueRange(CGXRange(r, 2), "");
    grid->CommitTrans();
    grid->Undo();
  }
}
BENCHMARK(InsertColumnTransactionAndUndo)->Arg(10000);

}  // namespace

BENCHMARK_MAIN();
