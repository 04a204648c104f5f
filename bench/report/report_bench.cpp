// The report engine on generated boards of 1,000 to 100,000 components: each shipped example
// run and written as text (time, and the heap's peak during the run), and `mirel run` as a whole
// process on a KiCad netlist of 10,000 components. Run with --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <malloc.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <new>

#include "generated_board.h"
#include "host/vocabularyserver.h"
#include "hostapi/templatefile.h"
#include "report/Report.h"

// ---- the heap's peak, counted in this process ----------------------------------------------------

namespace {
std::atomic<long long> g_heapNow{0}, g_heapPeak{0};
}

void* operator new(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  const long long now = g_heapNow += (long long)malloc_usable_size(p);
  long long peak = g_heapPeak.load();
  while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now)) {}
  return p;
}
// GCC sees free() on what operator new returned; here operator new is malloc.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
  if (!p) return;
  g_heapNow -= (long long)malloc_usable_size(p);
  std::free(p);
}
#pragma GCC diagnostic pop
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

namespace fs = std::filesystem;

const fs::path kSource = MIREL_SOURCE_DIR;
const fs::path kStage = MIREL_STAGE_DIR;

const mirel::design::Design& Board(int components) {
  static std::map<int, mirel::design::Design> boards;
  auto found = boards.find(components);
  if (found == boards.end()) found = boards.emplace(components, bench::GenerateBoard(components)).first;
  return found->second;
}

struct Services {
  std::unique_ptr<mirel::VocabularyQueryServer> vocabulary;
  std::vector<std::unique_ptr<CCustomColFile>> columns;

  Services() {
    std::string error;
    vocabulary = mirel::VocabularyQueryServer::LoadFromFile((kSource / "share/vynsetup/tdd/vocabulary.json").string(), error);
    for (const auto& entry : fs::directory_iterator(kSource / "share/vynsetup/tdd/custom_columns")) {
      auto file = std::make_unique<CCustomColFile>();
      if (file->loadCustomCol(entry.path().c_str())) columns.push_back(std::move(file));
    }
  }
  mirel::report::RunOptions Options() const {
    mirel::report::RunOptions options;
    options.vocabulary = vocabulary.get();
    options.date = "2026-12-11";
    options.userColumn = [this](std::string_view name) -> const CCustomColData* {
      for (const auto& file : columns)
        if (file->getCustomColData()->m_name == name) return file->getCustomColData();
      return nullptr;
    };
    return options;
  }
};

void RunExample(benchmark::State& state, const std::string& example) {
  static const Services services;
  CTemplateFile file;
  if (!file.loadTemplate((kSource / "share/examples" / example).c_str())) return state.SkipWithError("template");
  const mirel::design::Design& board = Board(int(state.range(0)));
  const mirel::report::RunOptions options = services.Options();
  long long peak = 0;
  size_t bytes = 0;
  for (auto _ : state) {
    g_heapPeak = g_heapNow.load();
    const long long before = g_heapNow.load();
    const mirel::report::RunResult result = mirel::report::RunTemplate(*file.getTemplateData(), board, options);
    if (!result.report) return state.SkipWithError(result.error.c_str());
    const std::string text = mirel::report::WriteReport(*result.report, mirel::report::Format::kText);
    bytes = text.size();
    peak = std::max(peak, g_heapPeak.load() - before);
  }
  state.counters["peak_MB"] = double(peak) / (1 << 20);
  state.counters["report_kB"] = double(bytes) / 1024;
  state.SetComplexityN(state.range(0));
}

// ---- mirel run as a process ------------------------------------------------------------------------

void MirelRunProcess(benchmark::State& state) {
  const fs::path mirel = kStage / "bin/mirel";
  if (!fs::exists(mirel)) return state.SkipWithError("mirel is not built");
  const fs::path netlist = fs::temp_directory_path() / ("mirel-bench-" + std::to_string(state.range(0)) + ".net");
  {
    std::ofstream out(netlist);
    out << bench::KiCadNetlist(Board(int(state.range(0))));
  }
  const std::string templ = (kSource / "share/examples/bill_of_materials.tpt").string();
  const std::string design = netlist.string();
  std::vector<std::string> args = {mirel.string(), "run", templ, "--design", design, "--format", "csv"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  // The child's own CPU time (user and system), which other processes on the machine disturb
  // less than the wall clock; the median over the runs.
  std::vector<double> cpu;
  for (auto _ : state) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) return state.SkipWithError("spawn");
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return state.SkipWithError("mirel run failed");
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    cpu.push_back(seconds(usage.ru_utime) + seconds(usage.ru_stime));
  }
  std::sort(cpu.begin(), cpu.end());
  state.counters["cpu_ms"] = cpu.empty() ? 0 : cpu[cpu.size() / 2] * 1e3;
  // A spawned child's ru_maxrss starts from this process's size, so its peak is not measured
  // here: /usr/bin/time -f %M on the same command line gives it.
  fs::remove(netlist);
}

}  // namespace

#define MIREL_EXAMPLE(name, file)                                                          \
  void name(benchmark::State& state) { RunExample(state, file); }                          \
  BENCHMARK(name)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

MIREL_EXAMPLE(BillOfMaterials, "bill_of_materials.tpt")
MIREL_EXAMPLE(BomByValueFootprint, "bom_by_value_footprint.tpt")
MIREL_EXAMPLE(AssemblyBom, "assembly_bom.tpt")
MIREL_EXAMPLE(PlacementList, "placement.tpt")
MIREL_EXAMPLE(PurchaseList, "purchase_list.tpt")
MIREL_EXAMPLE(NetList, "net_list.tpt")
MIREL_EXAMPLE(PowerNets, "power_nets.tpt")
MIREL_EXAMPLE(PinList, "pin_list.tpt")
MIREL_EXAMPLE(BlockSummary, "block_summary.tpt")

BENCHMARK(MirelRunProcess)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
