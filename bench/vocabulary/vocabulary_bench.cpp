// Vocabularies of 1,000 to 100,000 keywords: reading the file, and filling the drop-down of a
// keyword cell (every keyword, in order). The keywords come in descending order, the worst case
// for a sorted list box, which inserts each entry in place. Run with --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "app/choicelist.h"
#include "host/vocabularyserver.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"

namespace {

std::string VocabularyText(int keywords) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  list.push_back({{"name", "DESIGN"}, {"dependsOn", {"DESIGN"}}, {"highlightDesign", true}});
  for (int i = 1; i < keywords; ++i)
    list.push_back({{"name", "KEYWORD_" + std::to_string(keywords - i)}, {"title", "Keyword " + std::to_string(i)},
                    {"width", "10"}, {"dependsOn", {"DESIGN"}}});
  const nlohmann::ordered_json root = {
      {"format", "mirel-vocabulary"}, {"formatVersion", 1},
      {"propertyMarkers", {{"qualifier", "<PROPERTY>"}, {"keyword", "PROPERTY"}}},
      {"specialWidths", {{"PROP", "20"}, {"MATH-OP", "12"}, {"RELOP", "12"}, {"STRINGOP", "20"}}},
      {"keywords", list}};
  return root.dump(1);
}

std::unique_ptr<mirel::VocabularyQueryServer> Load(const std::string& text, benchmark::State& state) {
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromText(text, "bench.json", error);
  if (!server) state.SkipWithError(error.c_str());
  return server;
}

void ReadVocabulary(benchmark::State& state) {
  const std::string text = VocabularyText(int(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Load(text, state));
  state.SetComplexityN(state.range(0));
}

// The drop-down of the first report column's keyword cell, composed as the cell becomes current.
void KeywordChoices(benchmark::State& state) {
  mirel::AddResourceModule(mirel::LibraryResources());
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction scope(script);
  const auto server = Load(VocabularyText(int(state.range(0))), state);
  if (!server) return;
  CTmpltQueryList queries;
  CQueryGrid grid(nullptr, server.get());
  grid.InitGrid();
  grid.SetTemplateData(&queries);
  if (grid.InitQueryFields(1) != 1) state.SkipWithError("the empty template was refused");
  size_t shown = 0;
  for (auto _ : state) {
    grid.SetCurrentCell(1, 2);
    shown = mirel::cli::ReadDropDownChoices(grid, 1, 2).size();
  }
  state.counters["choices"] = double(shown);
  if (shown < size_t(state.range(0))) state.SkipWithError("the drop-down does not list every keyword");
  state.SetComplexityN(state.range(0));
}

#define MIREL_SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(ReadVocabulary) MIREL_SIZES;
BENCHMARK(KeywordChoices) MIREL_SIZES;

}  // namespace

BENCHMARK_MAIN();
