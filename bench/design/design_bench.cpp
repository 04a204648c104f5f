// Importing a KiCad 8 style netlist of N components (resistors and capacitors in pairs on nets of
// three nodes, MPN fields, a sheet per 1,000 components) against reading its bytes with the
// s-expression reader alone; the import must stay linear and within 3x of the reading. Run with
// --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>

#include "design/Kicad.h"
#include "design/Tree.h"

namespace {

std::string Component(int i, int sheet) {
  const bool resistor = i % 2 == 0;
  const std::string ref = (resistor ? "R" : "C") + std::to_string(i);
  const std::string value = resistor ? "4k7" : "100n";
  const std::string footprint = resistor ? "Resistor_SMD:R_0603_1608Metric" : "Capacitor_SMD:C_0603_1608Metric";
  const std::string path = sheet == 0 ? "/" : "/s" + std::to_string(sheet) + "/";
  return "    (comp (ref \"" + ref + "\")\n      (value \"" + value + "\")\n      (footprint \"" + footprint +
         "\")\n      (datasheet \"~\")\n      (fields\n        (field (name \"Footprint\") \"" + footprint +
         "\")\n        (field (name \"Datasheet\") \"~\")\n        (field (name \"MPN\") \"" +
         (resistor ? "RC0603FR-074K7L" : "GRM188R71C104KA01D") + "\"))\n      (libsource (lib \"Device\") (part \"" +
         (resistor ? "R" : "C") + "\") (description \"\"))\n      (property (name \"Sheetname\") (value \"s" +
         std::to_string(sheet) + "\"))\n      (sheetpath (names \"" + path + "\") (tstamps \"" + path +
         "\"))\n      (tstamps \"00000000-0000-0000-0000-" + std::to_string(100000000000 + i) + "\"))\n";
}

std::string Netlist(int components) {
  const int sheets = (components + 999) / 1000;
  std::string text = "(export (version \"E\")\n  (design\n    (source \"big.kicad_sch\")\n    (tool \"Eeschema 8.0.6\")\n";
  for (int s = 0; s < sheets; ++s) {
    const std::string path = s == 0 ? "/" : "/s" + std::to_string(s) + "/";
    text += "    (sheet (number \"" + std::to_string(s + 1) + "\") (name \"" + path + "\") (tstamps \"" + path +
            "\")\n      (title_block (title \"Sheet\") (source \"" + (s == 0 ? "big" : "page") + ".kicad_sch\")))\n";
  }
  text += "  )\n  (components\n";
  for (int i = 0; i < components; ++i) text += Component(i, i / 1000);
  text += "  )\n  (libparts\n";
  for (const char* part : {"R", "C"})
    text += std::string("    (libpart (lib \"Device\") (part \"") + part +
            "\")\n      (pins\n        (pin (num \"1\") (name \"~\") (type \"passive\"))\n"
            "        (pin (num \"2\") (name \"~\") (type \"passive\"))))\n";
  text += "  )\n  (nets\n";
  // Pin 2 of each pair and pin 1 of the next pair's first part share a net; pin 1 of every part
  // with an odd index sits alone on a net of its own.
  for (int i = 0; i + 1 < components; i += 2) {
    const std::string r = "R" + std::to_string(i), c = "C" + std::to_string(i + 1);
    text += "    (net (code \"" + std::to_string(i + 1) + "\") (name \"/N" + std::to_string(i) + "\") (class \"Default\")\n" +
            "      (node (ref \"" + r + "\") (pin \"2\") (pintype \"passive\"))\n      (node (ref \"" + c +
            "\") (pin \"2\") (pintype \"passive\"))" +
            (i + 2 < components ? "\n      (node (ref \"R" + std::to_string(i + 2) + "\") (pin \"1\") (pintype \"passive\"))" : "") +
            ")\n    (net (code \"" + std::to_string(i + 2) + "\") (name \"unconnected-(" + c + "-Pad1)\") (class \"Default\")\n" +
            "      (node (ref \"" + c + "\") (pin \"1\") (pintype \"passive\")))\n";
  }
  return text + "  ))\n";
}

const std::string& CachedNetlist(int components) {
  static std::string text;
  static int made = -1;
  if (made != components) {
    text = Netlist(components);
    made = components;
  }
  return text;
}

void Counters(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
  state.counters["MB"] = double(text.size()) / 1e6;
  state.counters["ns/component"] = benchmark::Counter(double(state.range(0)) * 1e-9,
                                                      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadSExpression(benchmark::State& state) {
  const std::string& text = CachedNetlist(int(state.range(0)));
  for (auto _ : state) {
    mirel::design::Tree tree;
    std::string error;
    if (!mirel::design::ParseSExpression(text, tree, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(tree.nodes.data());
  }
  Counters(state, text);
}

void BM_ImportNetlist(benchmark::State& state) {
  const std::string& text = CachedNetlist(int(state.range(0)));
  for (auto _ : state) {
    const mirel::design::LoadResult result = mirel::design::ImportKicadNetlist(text, "big.net");
    if (!result.design) {
      state.SkipWithError(result.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(result.design->components.data());
  }
  Counters(state, text);
}

}  // namespace

BENCHMARK(BM_ReadSExpression)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNetlist)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// Freed memory stays with the process, at every size: otherwise the large sizes, allocated afresh
// from the system each time, pay a page fault per page on every iteration while the small ones
// reuse the heap, and the per-component figures would compare allocators rather than readers.
int main(int argc, char** argv) {
  mallopt(M_MMAP_MAX, 0);               // no block of its own from the system, however large
  mallopt(M_TRIM_THRESHOLD, 1 << 30);   // nor the heap's free top given back
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
