// Importing a KiCad 8 style netlist of N components (resistors and capacitors in pairs on nets of
// three nodes, MPN fields, a sheet per 1,000 components), as s-expressions and as XML, against
// reading its bytes with that syntax's reader alone; the import must stay linear and within 3x of the reading. Run with
// --benchmark_counters_tabular=true.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "design/Kicad.h"
#include "design/Tree.h"

namespace {

// Writes one netlist tree in either syntax: `(comp (ref "R1") (value "4k7"))` or
// `<comp ref="R1"><value>4k7</value></comp>`, which the readers make into the same tree.
class Writer {
 public:
  explicit Writer(bool xml) : m_xml(xml) {
    if (xml) m_text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  }
  Writer& Open(std::string_view name) {
    EndTag();
    if (!m_text.empty()) m_text.append("\n").append(m_stack.size() * 2, ' ');
    m_text.append(m_xml ? "<" : "(").append(name);
    m_stack.emplace_back(name);
    m_tagOpen = true;
    return *this;
  }
  // Only right after Open.
  Writer& Attr(std::string_view name, std::string_view value) {
    if (m_xml) m_text.append(" ").append(name).append("=\"").append(value).append("\"");
    else m_text.append(" (").append(name).append(" \"").append(value).append("\")");
    return *this;
  }
  Writer& Body(std::string_view value) {
    if (m_xml) m_text.append(">").append(value);
    else m_text.append(" \"").append(value).append("\"");
    m_tagOpen = false;
    m_body = true;
    return *this;
  }
  Writer& Leaf(std::string_view name, std::string_view value) { return Open(name).Body(value).Close(); }
  Writer& Close() {
    if (!m_xml) m_text += ")";
    else if (m_tagOpen) m_text += "/>";
    else if (m_body) m_text.append("</").append(m_stack.back()).append(">");
    else m_text.append("\n").append(m_stack.size() * 2 - 2, ' ').append("</").append(m_stack.back()).append(">");
    m_stack.pop_back();
    m_tagOpen = m_body = false;
    return *this;
  }
  std::string Take() { return std::move(m_text) + "\n"; }

 private:
  void EndTag() {
    if (m_tagOpen && m_xml) m_text += ">";
    m_tagOpen = false;
  }

  bool m_xml;
  std::string m_text;
  std::vector<std::string> m_stack;
  bool m_tagOpen = false, m_body = false;
};

void Component(Writer& w, int i, int sheet) {
  const bool resistor = i % 2 == 0;
  const std::string footprint = resistor ? "Resistor_SMD:R_0603_1608Metric" : "Capacitor_SMD:C_0603_1608Metric";
  const std::string path = sheet == 0 ? "/" : "/s" + std::to_string(sheet) + "/";
  w.Open("comp").Attr("ref", (resistor ? "R" : "C") + std::to_string(i));
  w.Leaf("value", resistor ? "4k7" : "100n").Leaf("footprint", footprint).Leaf("datasheet", "~");
  w.Open("fields");
  w.Open("field").Attr("name", "Footprint").Body(footprint).Close();
  w.Open("field").Attr("name", "Datasheet").Body("~").Close();
  w.Open("field").Attr("name", "MPN").Body(resistor ? "RC0603FR-074K7L" : "GRM188R71C104KA01D").Close();
  w.Close();
  w.Open("libsource").Attr("lib", "Device").Attr("part", resistor ? "R" : "C").Attr("description", "").Close();
  w.Open("property").Attr("name", "Sheetname").Attr("value", "s" + std::to_string(sheet)).Close();
  w.Open("sheetpath").Attr("names", path).Attr("tstamps", path).Close();
  w.Leaf("tstamps", "00000000-0000-0000-0000-" + std::to_string(100000000000 + i)).Close();
}

void Node(Writer& w, const std::string& ref, const char* pin) {
  w.Open("node").Attr("ref", ref).Attr("pin", pin).Attr("pintype", "passive").Close();
}

std::string Netlist(int components, bool xml) {
  Writer w(xml);
  w.Open("export").Attr("version", "E");
  w.Open("design").Leaf("source", "big.kicad_sch").Leaf("tool", "Eeschema 8.0.6");
  for (int s = 0; s < (components + 999) / 1000; ++s) {
    const std::string path = s == 0 ? "/" : "/s" + std::to_string(s) + "/";
    w.Open("sheet").Attr("number", std::to_string(s + 1)).Attr("name", path).Attr("tstamps", path);
    w.Open("title_block").Leaf("title", "Sheet").Leaf("source", s == 0 ? "big.kicad_sch" : "page.kicad_sch").Close();
    w.Close();
  }
  w.Close().Open("components");
  for (int i = 0; i < components; ++i) Component(w, i, i / 1000);
  w.Close().Open("libparts");
  for (const char* part : {"R", "C"}) {
    w.Open("libpart").Attr("lib", "Device").Attr("part", part).Open("pins");
    for (const char* pin : {"1", "2"}) w.Open("pin").Attr("num", pin).Attr("name", "~").Attr("type", "passive").Close();
    w.Close().Close();
  }
  w.Close().Open("nets");
  // Pin 2 of each pair and pin 1 of the next pair's first part share a net; pin 1 of every part
  // with an odd index sits alone on a net of its own.
  for (int i = 0; i + 1 < components; i += 2) {
    const std::string r = "R" + std::to_string(i), c = "C" + std::to_string(i + 1);
    w.Open("net").Attr("code", std::to_string(i + 1)).Attr("name", "/N" + std::to_string(i)).Attr("class", "Default");
    Node(w, r, "2");
    Node(w, c, "2");
    if (i + 2 < components) Node(w, "R" + std::to_string(i + 2), "1");
    w.Close();
    w.Open("net").Attr("code", std::to_string(i + 2)).Attr("name", "unconnected-(" + c + "-Pad1)").Attr("class", "Default");
    Node(w, c, "1");
    w.Close();
  }
  return w.Close().Close().Take();
}

const std::string& CachedNetlist(int components, bool xml) {
  static std::string text;
  static std::pair<int, bool> made{-1, false};
  if (made != std::pair{components, xml}) {
    text = Netlist(components, xml);
    made = {components, xml};
  }
  return text;
}

void Counters(benchmark::State& state, const std::string& text) {
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
  state.counters["MB"] = double(text.size()) / 1e6;
  state.counters["ns/component"] = benchmark::Counter(double(state.range(0)) * 1e-9,
                                                      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <bool xml>
void BM_Read(benchmark::State& state) {
  const std::string& text = CachedNetlist(int(state.range(0)), xml);
  for (auto _ : state) {
    mirel::design::Tree tree;
    std::string error;
    if (!(xml ? mirel::design::ParseXml : mirel::design::ParseSExpression)(text, tree, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(tree.nodes.data());
  }
  Counters(state, text);
}

template <bool xml>
void BM_Import(benchmark::State& state) {
  const std::string& text = CachedNetlist(int(state.range(0)), xml);
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

void BM_ReadSExpression(benchmark::State& state) { BM_Read<false>(state); }
void BM_ImportNetlist(benchmark::State& state) { BM_Import<false>(state); }
void BM_ReadXml(benchmark::State& state) { BM_Read<true>(state); }
void BM_ImportXml(benchmark::State& state) { BM_Import<true>(state); }

BENCHMARK(BM_ReadSExpression)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportNetlist)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadXml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportXml)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

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
