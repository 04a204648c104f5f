// The live preview beside the template dialog, realised on Qt offscreen as mirel edit --design
// shows it. PreviewAfterKeystroke: a keyword typed into the grid's Keyword cell until the
// preview's table has repainted the new report, on the sample board and on generated designs of
// 1,000 and 10,000 components. Keystroke: the same keyword until the grid has repainted, with no
// preview (0) and with a preview of each design beside it: the person's typing must never wait
// for the preview. Keys come 20 ms apart once the preview has shown the last one (a person's
// fast typing is 50 ms a key); each time runs from the key to the paint where it shows. Run with
// QT_QPA_PLATFORM=offscreen (set when unset).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTableView>
#include <memory>
#include <stdexcept>
#include <functional>
#include <string>
#include <vector>

#include "app/previewsession.h"
#include "bench/common/desktop.h"
#include "app/previewwindow.h"
#include "design/Design.h"
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

using mirel::cli::PreviewSession;
using mirel::cli::PreviewWindow;
using mirel::cli::QtPoster;

// One clock for the whole run: when a key was typed, when a widget painted.
QElapsedTimer& Clock() {
  static QElapsedTimer* clock = [] {
    auto* started = new QElapsedTimer;
    started->start();
    return started;
  }();
  return *clock;
}

// Counts a widget's paints and notes when each began and, for the preview's table, which run's
// report it showed: Qt runs every posted event in one go, so a paint is timed where it happens,
// not where the waiting loop next looks.
class PaintCounter final : public QObject {
 public:
  struct Paint {
    qint64 time;  // nanoseconds on Clock()
    std::uint64_t generation;
  };
  int paints = 0;
  std::vector<Paint> done;
  std::function<std::uint64_t()> shownGeneration = [] { return std::uint64_t(0); };

  // Seconds from `start` to the first paint after the first `before` ones.
  double SecondsSince(qint64 start, int before) const { return double(done[size_t(before)].time - start) / 1e9; }
  // Seconds from `start` to the first paint of a report newer than `generation`; -1 when none.
  double SecondsToReport(qint64 start, std::uint64_t generation) const {
    for (const Paint& paint : done)
      if (paint.time >= start && paint.generation > generation) return double(paint.time - start) / 1e9;
    return -1;
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      ++paints;
      done.push_back({Clock().nsecsElapsed(), shownGeneration()});
    }
    return false;
  }
};

bench::Desktop& Env() { return bench::TheDesktop("preview_bench"); }

// The sample board shipped for trying the preview.
std::string SampleBoard() { return std::string(MIREL_SAMPLES_DIR) + "/mirel_demo.json"; }

// A flat board of `count` components: resistors and capacitors of 40 values and 200 part numbers,
// each with two pins, every pin on one of count / 2 nets.
std::shared_ptr<const mirel::design::Design> GeneratedDesign(int count) {
  using namespace mirel::design;
  auto design = std::make_shared<Design>();
  design->name = "generated-" + std::to_string(count);
  design->blocks.push_back(Block{"generated", "generated.kicad_sch", {}, {}});
  design->instances.push_back(Instance{"/", 0, kNone, {}, {}, {}, {}});
  design->sheets.push_back(Sheet{1, "Top", 0, {}});
  for (const char* name : {"R", "C"}) {
    Part part;
    part.library = "Device";
    part.name = name;
    part.pins = {PartPin{"1", "", PinType::kPassive, "", {}}, PartPin{"2", "", PinType::kPassive, "", {}}};
    design->parts.push_back(std::move(part));
  }
  const int nets = std::max(1, count / 2);
  for (int n = 0; n < nets; ++n) {
    Net net;
    net.name = "N" + std::to_string(n);
    design->nets.push_back(std::move(net));
  }
  for (int i = 0; i < count; ++i) {
    Component component;
    const bool resistor = i % 3 != 0;
    component.refdes = (resistor ? "R" : "C") + std::to_string(i + 1);
    component.instance = 0;
    component.sheet = 0;
    component.part = resistor ? 0 : 1;
    component.value = std::to_string(1 + i % 40) + (resistor ? "k" : "n");
    component.footprint = resistor ? "Resistor_SMD:R_0603_1608Metric" : "Capacitor_SMD:C_0603_1608Metric";
    component.fields.Set("MPN", "PN-" + std::to_string(i % 200));
    design->components.push_back(std::move(component));
    for (const char* pin : {"1", "2"}) {
      Net& net = design->nets[size_t((i + (pin[0] == '2' ? 1 : 0)) % nets)];
      net.nodes.push_back(NetNode{design->components.back().refdes, pin, "", ""});
    }
  }
  const std::string error = design->Link();
  if (!error.empty()) throw std::runtime_error("the generated design does not link: " + error);
  return design;
}

// A bill of materials: PART_NUMBER at the root, REFDES, VALUE and QUANTITY under it.
void FillBom(CTemplateData& data) {
  data.m_reportName = "Bill of Materials";
  const char* rows[][3] = {{"PART_NUMBER", "", "Part Number"}, {"REFDES", "PART_NUMBER", "References"},
                           {"VALUE", "PART_NUMBER", "Value"}, {"QUANTITY", "PART_NUMBER", "Qty"}};
  int order = 0;
  for (const auto& row : rows) {
    auto* q = new CTmpltQuery;
    q->m_keyword = row[0];
    q->m_dependency = row[1];
    q->m_title = row[2];
    q->m_qualifierValues = {""};
    q->m_viewOrder = q->m_sortOrder = ++order;
    q->m_width = 16;
    q->m_alignment = "LEFT";
    data.m_queries.push_back(q);
  }
}

// The dialog's modal session shown, with the preview of `design` beside it (none: no preview).
class Desk {
 public:
  explicit Desk(std::shared_ptr<const mirel::design::Design> design) {
    FillBom(*m_file.getTemplateData());
    m_dialog = std::make_unique<CCreateTmpltDlg>(nullptr, &m_file, Env().vocabulary.get(), nullptr);
    if (design) {
      m_preview = std::make_unique<PreviewSession>(*Env().vocabulary, m_poster,
                                                   mirel::preview::Controller::kDefaultBackgroundFrom);
      mirel::preview::DesignChoice choice;
      choice.design = std::move(design);
      choice.path = "bench";
      m_preview->Controller().SetDesign(choice);
      m_window = std::make_unique<PreviewWindow>(*m_preview);
      m_preview->Attach(*m_dialog, [this](CCreateTmpltDlg& dialog) { m_window->FollowDialog(dialog); });
    }
    m_session = std::make_unique<ModalSession>(*m_dialog);
    if (!m_session->Running()) throw std::runtime_error("the dialog did not open");
    mirel::qt::WidgetOf(m_dialog.get())->show();
    mirel::gridqt::ViewOf(Grid())->viewport()->installEventFilter(&m_gridPaints);
    if (m_window) {
      m_tablePaints.shownGeneration = [this] { return m_preview->Shown().generation; };
      m_window->Table().viewport()->installEventFilter(&m_tablePaints);
      m_window->show();
    }
  }
  ~Desk() {
    if (m_preview) m_preview->Detach();
    m_dialog->EndDialog(0);
  }

  CQueryGrid& Grid() { return *m_dialog->GetLayoutDlg()->GetGrid(); }
  const PaintCounter& GridPaints() const { return m_gridPaints; }
  const PaintCounter& TablePaints() const { return m_tablePaints; }
  PreviewWindow* Window() const { return m_window.get(); }
  PreviewSession* Preview() const { return m_preview.get(); }

  // Lets Qt work until `done`; false after `limit` milliseconds.
  template <typename Done>
  bool WaitFor(Done done, int limit = 2000) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
      if (timer.elapsed() > limit) return false;
      QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
  }
  // The preview shows a report of a run after `generation`, and its table has painted it.
  bool PreviewShows(std::uint64_t generation) {
    return WaitFor([&] {
      return m_preview->Shown().report && !m_tablePaints.done.empty() && m_tablePaints.done.back().generation > generation;
    });
  }

 private:
  CTemplateFile m_file;
  QtPoster m_poster;
  std::unique_ptr<CCreateTmpltDlg> m_dialog;
  std::unique_ptr<PreviewSession> m_preview;
  std::unique_ptr<PreviewWindow> m_window;
  std::unique_ptr<ModalSession> m_session;
  PaintCounter m_gridPaints;
  PaintCounter m_tablePaints;
};

std::shared_ptr<const mirel::design::Design> DesignFor(benchmark::State& state) {
  if (state.range(0) > 0) return GeneratedDesign(int(state.range(0)));
  const std::string sample = SampleBoard();
  PreviewSession loader(*Env().vocabulary);
  std::string error;
  if (!loader.OpenDesign(sample, error)) return nullptr;
  return loader.Controller().Choice().design;
}

constexpr ROWCOL kTypedCol = 6;  // the first empty report column after the four of the BOM
constexpr int kBetweenKeysMs = 20;
const char* KeywordFor(bool second) { return second ? "DESCRIPTION" : "FOOTPRINT"; }

void PreviewAfterKeystroke(benchmark::State& state) {
  Env();
  auto design = DesignFor(state);
  if (!design) return state.SkipWithError("the sample board cannot be read");
  Desk desk(design);
  CQueryGrid& grid = desk.Grid();
  if (!desk.PreviewShows(0)) return state.SkipWithError("the preview never showed the first report");
  grid.SetCurrentCell(qg::kRowKeyword, kTypedCol);
  desk.WaitFor([] { return false; }, 50);  // settled
  bool second = false;
  for (auto _ : state) {
    const std::uint64_t before = desk.Preview()->Shown().generation;
    const qint64 start = Clock().nsecsElapsed();
    if (!grid.StoreEditText(qg::kRowKeyword, kTypedCol, KeywordFor(second))) return state.SkipWithError("refused");
    if (!desk.PreviewShows(before)) return state.SkipWithError("the preview did not repaint");
    state.SetIterationTime(desk.TablePaints().SecondsToReport(start, before));
    desk.WaitFor([] { return false; }, kBetweenKeysMs);
    second = !second;
  }
  state.counters["rows"] = double(desk.Preview()->Shown().report->table->RowCount());
}

// range(0): the design's components (-1 the sample board); range(1): 0 without a preview.
void Keystroke(benchmark::State& state) {
  Env();
  std::shared_ptr<const mirel::design::Design> design;
  if (state.range(1)) {
    design = DesignFor(state);
    if (!design) return state.SkipWithError("the sample board cannot be read");
  }
  Desk desk(design);
  CQueryGrid& grid = desk.Grid();
  if (design && !desk.PreviewShows(0)) return state.SkipWithError("the preview never showed the first report");
  grid.SetCurrentCell(qg::kRowKeyword, kTypedCol);
  desk.WaitFor([&] { return desk.GridPaints().paints > 0; });
  desk.WaitFor([] { return false; }, kBetweenKeysMs);
  bool second = false;
  for (auto _ : state) {
    const int painted = desk.GridPaints().paints;
    const std::uint64_t before = design ? desk.Preview()->Shown().generation : 0;
    const qint64 start = Clock().nsecsElapsed();
    if (!grid.StoreEditText(qg::kRowKeyword, kTypedCol, KeywordFor(second))) return state.SkipWithError("refused");
    if (!desk.WaitFor([&] { return desk.GridPaints().paints > painted; })) return state.SkipWithError("no repaint");
    state.SetIterationTime(desk.GridPaints().SecondsSince(start, painted));
    // The next key comes once the preview has shown this one's report and Qt is idle again, as
    // when a person types (a key every 50 ms is fast typing).
    if (design && !desk.PreviewShows(before)) return state.SkipWithError("the preview did not repaint");
    desk.WaitFor([] { return false; }, kBetweenKeysMs);
    second = !second;
  }
}

BENCHMARK(PreviewAfterKeystroke)->Arg(-1)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(Keystroke)->Args({-1, 0})->Args({-1, 1})->Args({1000, 1})->Args({10000, 1})->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
