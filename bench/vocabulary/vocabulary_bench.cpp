// Vocabularies of 1,000 to 100,000 keywords: reading the file, and filling the drop-down of a
// keyword cell (every keyword, in order). Run with --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/choicelist.h"
#include "bench/common/big_vocabulary.h"
#include "host/vocabularyserver.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"

namespace {


std::unique_ptr<mirel::VocabularyQueryServer> Load(const std::string& text, benchmark::State& state) {
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromText(text, "bench.json", error);
  if (!server) state.SkipWithError(error.c_str());
  return server;
}

void ReadVocabulary(benchmark::State& state) {
  const std::string text = bench::VocabularyText(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Load(text, state));
  state.SetComplexityN(state.range(0));
}


void ComposeKeywordChoices(benchmark::State& state, bool anew) {
  mirel::AddResourceModule(mirel::LibraryResources());
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction scope(script);
  const auto server = Load(bench::VocabularyText(int(state.range(0))), state);
  if (!server) return;
  CTmpltQueryList queries;
  CQueryGrid grid(nullptr, server.get());
  grid.InitGrid();
  grid.SetTemplateData(&queries);
  if (grid.InitQueryFields(1) != 1) state.SkipWithError("the empty template was refused");
  size_t shown = 0;
  bool blockBased = false;
  for (auto _ : state) {
    // The other structure each time, so that the list is composed anew, never taken as it was.
    if (anew) grid.SetBlockBased(blockBased = !blockBased);
    grid.SetCurrentCell(1, 2);
    shown = mirel::cli::ReadDropDownChoices(grid, 1, 2).size();
  }
  state.counters["choices"] = double(shown);
  if (shown < size_t(state.range(0))) state.SkipWithError("the drop-down does not list every keyword");
  state.SetComplexityN(state.range(0));
}

// The drop-down of the first report column's keyword cell, composed as the cell becomes current.
void KeywordChoices(benchmark::State& state) { ComposeKeywordChoices(state, true); }
// The same cell composed again while nothing it depends on changed (every paint does it).
void KeywordChoicesAgain(benchmark::State& state) { ComposeKeywordChoices(state, false); }

#define MIREL_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(ReadVocabulary) MIREL_SIZES;
BENCHMARK(KeywordChoices) MIREL_SIZES;
BENCHMARK(KeywordChoicesAgain) MIREL_SIZES;

}  // namespace

BENCHMARK_MAIN();
