// The template dialog as a person meets it, realised on Qt offscreen: opening it on templates of
// 10, 100 and 1,000 columns until the query grid's first frame is painted, the same with
// vocabularies of 1,000 to 100,000 keywords (and the Keyword cell's drop-down opened), and one
// keyword typed into a cell until the grid has repainted. Run with QT_QPA_PLATFORM=offscreen (set when unset).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QListWidget>
#include <QWidget>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/common/big_vocabulary.h"
#include "bench/common/desktop.h"
#include "bench/common/report_queries.h"
#include "host/vocabularyserver.h"
#include "hostapi/templatefile.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/mfc/scripted.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace {

// A valid report of `columns` columns: REFDES at the root, every other column under it.
void Fill(CTemplateData& data, int columns) {
  data.m_reportName = "Benchmark";
  bench::FillUnderRefdes(data.m_queries, columns);
}

// Counts the paint events of a widget.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

bench::Desktop& Env() { return bench::TheDesktop("dialog_bench"); }

// The dialog's modal session, shown: what DoModal does before it waits for the person.
class OpenDialog {
 public:
  explicit OpenDialog(CTemplateFile& file, IZRQueryServer* vocabulary = Env().vocabulary.get())
      : m_dialog(nullptr, &file, vocabulary, nullptr), m_session(m_dialog) {
    if (!m_session.Running()) throw std::runtime_error("the dialog did not open");
    m_window = mirel::qt::WidgetOf(&m_dialog);
    m_view = mirel::gridqt::ViewOf(*m_dialog.GetLayoutDlg()->GetGrid());
    if (!m_window || !m_view) throw std::runtime_error("the dialog has no window");
    m_view->viewport()->installEventFilter(&m_paints);
    m_window->show();
  }
  ~OpenDialog() { m_dialog.EndDialog(0); }

  // Lets Qt work until the grid has been painted `count` times in all; false when that does not
  // happen within a second.
  bool WaitForPaints(int count) {
    QElapsedTimer timer;
    timer.start();
    while (m_paints.paints < count) {
      if (timer.elapsed() > 1000) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
  }
  int Paints() const { return m_paints.paints; }
  CQueryGrid& Grid() { return *m_dialog.GetLayoutDlg()->GetGrid(); }

 private:
  CCreateTmpltDlg m_dialog;
  ModalSession m_session;
  PaintCounter m_paints;
  QWidget* m_window = nullptr;
  QAbstractScrollArea* m_view = nullptr;
};

// Opens the dialog on file until the grid's first paint, every iteration; with keywordCurrent the
// first Keyword cell is made current, so that its choices are composed too.
void OpenUntilPainted(benchmark::State& state, CTemplateFile& file, IZRQueryServer* vocabulary, bool keywordCurrent) {
  for (auto _ : state) {
    auto dialog = std::make_unique<OpenDialog>(file, vocabulary);
    if (keywordCurrent) dialog->Grid().SetCurrentCell(qg::kRowKeyword, qg::kFirstReportCol);
    if (!dialog->WaitForPaints(1)) state.SkipWithError("the grid was never painted");
    state.PauseTiming();
    dialog.reset();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// A vocabulary of state.range(0) keywords; null, with the benchmark skipped, when it is refused.
std::unique_ptr<mirel::VocabularyQueryServer> LargeVocabulary(benchmark::State& state) {
  Env();
  std::string error;
  auto vocabulary = mirel::VocabularyQueryServer::LoadFromText(bench::VocabularyText(int(state.range(0))),
                                                               "bench.json", error);
  if (!vocabulary) state.SkipWithError(error.c_str());
  return vocabulary;
}

void Open(benchmark::State& state) {
  Env();
  CTemplateFile file;
  Fill(*file.getTemplateData(), int(state.range(0)));
  OpenUntilPainted(state, file, Env().vocabulary.get(), false);
}

// The page lists every keyword and the current Keyword cell offers them all.
void OpenWithVocabulary(benchmark::State& state) {
  const auto vocabulary = LargeVocabulary(state);
  if (!vocabulary) return;
  CTemplateFile file;
  file.getTemplateData()->m_reportName = "Benchmark";
  OpenUntilPainted(state, file, vocabulary.get(), true);
}

// The current Keyword cell's drop-down opened until it is shown, with every keyword in it.
void DropDownWithVocabulary(benchmark::State& state) {
  const auto vocabulary = LargeVocabulary(state);
  if (!vocabulary) return;
  CTemplateFile file;
  file.getTemplateData()->m_reportName = "Benchmark";
  OpenDialog dialog(file, vocabulary.get());
  dialog.Grid().SetCurrentCell(qg::kRowKeyword, qg::kFirstReportCol);
  dialog.WaitForPaints(1);
  auto* view = mirel::gridqt::ViewOf(dialog.Grid());
  for (auto _ : state) {
    if (!view->OpenDropDown() || !view->DropDown()) return state.SkipWithError("no drop-down");
    if (view->DropDown()->count() < state.range(0)) state.SkipWithError("the drop-down lacks keywords");
    state.PauseTiming();
    view->DropDown()->hide();
    QApplication::processEvents();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

// Types a keyword into the Keyword cell of the last report column (alternating two keywords, so
// that every iteration changes the cell) and waits for the grid's repaint.
void TypeKeyword(benchmark::State& state) {
  Env();
  CTemplateFile file;
  Fill(*file.getTemplateData(), int(state.range(0)));
  OpenDialog dialog(file);
  dialog.WaitForPaints(1);
  CQueryGrid& grid = dialog.Grid();
  const ROWCOL col = ROWCOL(state.range(0)) + 2;  // the first empty report column
  if (grid.GetColCount() < col) grid.SetColCount(col);
  grid.SetCurrentCell(qg::kRowKeyword, col);
  dialog.WaitForPaints(dialog.Paints() + 1);
  if (!grid.IsColVisible(col)) state.SkipWithError("the typed cell is out of view");
  bool second = false;
  for (auto _ : state) {
    const int painted = dialog.Paints();
    if (!grid.StoreEditText(qg::kRowKeyword, col, second ? "FOOTPRINT" : "VALUE")) state.SkipWithError("refused");
    if (!dialog.WaitForPaints(painted + 1)) state.SkipWithError("the grid did not repaint");
    second = !second;
  }
  state.SetComplexityN(state.range(0));
}

BENCHMARK(Open)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenWithVocabulary)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(DropDownWithVocabulary)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeKeyword)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
