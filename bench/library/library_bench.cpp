// Loading (InitQueryFields), validating (ValidateData) and storing (UpdateInfo) valid templates of
// 10 to 10,000 columns, and of one user-defined column of 50 sub-columns used 100 times; beside
// them the host's parse of the same template file; and OK in the Qualifier Values dialog on up to
// 16,000 values. Run with --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "bench/common/report_queries.h"
#include "celldialogs/QualValDlg.h"
#include "host/vocabularyserver.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"

namespace {

using bench::kUnderRefdes;
using bench::Query;

constexpr const char* kBigColumn = "BIGCOLUMN";

// REFDES and `uses` columns naming one user-defined column.
void FillCustomUses(CTmpltQueryList& list, int uses) {
  list.push_back(Query("REFDES", "", 1));
  for (int i = 2; i <= uses + 1; ++i) list.push_back(Query(kBigColumn, "REFDES", i));
}

CCustomColData* BigColumn(int subColumns) {
  auto* data = new CCustomColData;
  data->m_name = kBigColumn;
  for (int i = 1; i <= subColumns; ++i) data->m_queries.push_back(Query(kUnderRefdes[i % 10], "", i));
  return data;
}

struct Environment {
  Environment() : scope(script) {
    mirel::AddResourceModule(mirel::LibraryResources());
    std::string error;
    vocabulary = mirel::VocabularyQueryServer::LoadFromFile(MIREL_VOCABULARY_FILE, error);
    if (!vocabulary) throw std::runtime_error(error);
  }
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction scope;
  std::unique_ptr<mirel::VocabularyQueryServer> vocabulary;
};

Environment& Env() {
  static Environment env;
  return env;
}

// A set-up query grid on a list, with the big user-defined column registered.
struct Loaded {
  explicit Loaded(CTmpltQueryList& list) : grid(std::make_unique<CQueryGrid>(nullptr, Env().vocabulary.get())) {
    grid->InitGrid();
    grid->AddCustomColToList(BigColumn(50));
    grid->SetTemplateData(&list);
  }
  std::unique_ptr<CQueryGrid> grid;
};

enum class Shape { Plain, CustomUses };

void Fill(CTmpltQueryList& list, Shape shape, int n) {
  if (shape == Shape::Plain) bench::FillUnderRefdes(list, n);
  else FillCustomUses(list, n);
}

void Load(benchmark::State& state, Shape shape) {
  CTmpltQueryList list;
  Fill(list, shape, int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    Loaded loaded(list);
    state.ResumeTiming();
    if (loaded.grid->InitQueryFields(1) != 1) state.SkipWithError("refused");
    state.PauseTiming();
    loaded.grid.reset();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
  DeleteTmpltQueries(list);
}

void Validate(benchmark::State& state, Shape shape) {
  CTmpltQueryList list;
  Fill(list, shape, int(state.range(0)));
  Loaded loaded(list);
  if (loaded.grid->InitQueryFields(1) != 1) state.SkipWithError("refused");
  for (auto _ : state)
    if (loaded.grid->ValidateData() != 1) state.SkipWithError(Env().script.Asked().back().Describe().c_str());
  state.SetComplexityN(state.range(0));
  DeleteTmpltQueries(list);
}

void Store(benchmark::State& state, Shape shape) {
  CTmpltQueryList list;
  Fill(list, shape, int(state.range(0)));
  Loaded loaded(list);
  if (loaded.grid->InitQueryFields(1) != 1) state.SkipWithError("refused");
  for (auto _ : state) loaded.grid->UpdateInfo();
  state.SetComplexityN(state.range(0));
  DeleteTmpltQueries(list);
}

// The host's reading of the same template written to a file.
void Parse(benchmark::State& state, Shape shape) {
  CTemplateFile source;
  Fill(source.getTemplateData()->m_queries, shape, int(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / ("mirel-bench-" + std::to_string(::getpid()) + ".tpt")).string();
  if (!source.saveTemplate(path.c_str())) state.SkipWithError(source.getLastError().c_str());
  for (auto _ : state) {
    CTemplateFile file;
    if (!file.loadTemplate(path.c_str())) state.SkipWithError(file.getLastError().c_str());
  }
  std::remove(path.c_str());
  state.SetComplexityN(state.range(0));
}

#define MIREL_SIZES ->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity()

BENCHMARK_CAPTURE(Parse, plain, Shape::Plain) MIREL_SIZES;
BENCHMARK_CAPTURE(Load, plain, Shape::Plain) MIREL_SIZES;
BENCHMARK_CAPTURE(Validate, plain, Shape::Plain) MIREL_SIZES;
BENCHMARK_CAPTURE(Store, plain, Shape::Plain) MIREL_SIZES;

// 100 uses of a user-defined column of 50 sub-columns: 5,001 columns once expanded.
#define MIREL_CUSTOM ->Arg(100)->Unit(benchmark::kMillisecond)
BENCHMARK_CAPTURE(Parse, custom50x, Shape::CustomUses) MIREL_CUSTOM;
BENCHMARK_CAPTURE(Load, custom50x, Shape::CustomUses) MIREL_CUSTOM;
BENCHMARK_CAPTURE(Validate, custom50x, Shape::CustomUses) MIREL_CUSTOM;
BENCHMARK_CAPTURE(Store, custom50x, Shape::CustomUses) MIREL_CUSTOM;

// OK in the Qualifier Values dialog on n values, one a line: the stored form is made in one
// pass over the edit's text.
void QualifierValuesOk(benchmark::State& state) {
  std::string lines;
  for (int i = 0; i < int(state.range(0)); ++i) lines += "VALUE" + std::to_string(i) + "\r\n";
  const CString values(lines);
  Env();
  for (auto _ : state) {
    CQualValDlg dialog(values);
    Env().script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) { mirel::script::Click(d, IDOK); });
    if (dialog.DoModal() != IDOK) state.SkipWithError("not accepted");
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(QualifierValuesOk)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

BENCHMARK_MAIN();
