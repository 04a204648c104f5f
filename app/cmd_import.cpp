// mirel import kicad: a KiCad netlist (with placements and a field map) as a mirel-design file.
#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/largeheap.h"
#include "design/DesignFile.h"
#include "design/Kicad.h"
#include "design/Load.h"

namespace mirel::cli {

namespace {

bool ReadText(const std::string& path, std::string& text, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot be opened";
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

// The design with the options' additions, or error.
std::optional<design::Design> Import(const ImportOptions& options, std::vector<std::string>& warnings,
                                     std::string& error) {
  PrepareHeapFor(HeapForDesignFile(options.netlist));
  design::LoadResult loaded = design::ImportKicadNetlistFile(options.netlist);
  warnings = std::move(loaded.warnings);
  if (!loaded.design) {
    error = loaded.error;
    return std::nullopt;
  }
  std::string text;
  if (!options.fieldMap.empty() &&
      (!ReadText(options.fieldMap, text, error) ||
       !design::ReadFieldMap(text, options.fieldMap, loaded.design->fieldMap, error)))
    return std::nullopt;
  if (!options.positions.empty() &&
      (!ReadText(options.positions, text, error) ||
       !design::ReadPlacements(text, options.positions, *loaded.design, warnings, error)))
    return std::nullopt;
  return std::move(loaded.design);
}

std::string Count(std::size_t n, const std::string& noun) {
  return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

void PrintDone(Output& out, const ImportOptions& options, const design::Design& design,
               const std::vector<std::string>& warnings) {
  if (out.IsJson()) {
    out.Json({{"file", options.netlist},
              {"components", design.components.size()},
              {"nets", design.nets.size()},
              {"sheets", design.sheets.size()},
              {"warnings", warnings}});
  } else {
    out.Line(options.netlist + ": " + Count(design.components.size(), "component") + ", " +
             Count(design.nets.size(), "net") + ", " + Count(design.sheets.size(), "sheet"));
  }
  out.Saved(options.output);
}

}  // namespace

int RunImport(const CommonOptions& common, const ImportOptions& options) {
  Output out(stdout, common.format);
  std::vector<std::string> warnings;
  std::string error;
  std::optional<design::Design> design = Import(options, warnings, error);
  for (const std::string& warning : warnings) PrintError("warning: " + warning);
  if (design && design::SaveDesignFile(*design, options.output, error)) {
    PrintDone(out, options, *design, warnings);
    out.Flush();
    return kExitOk;
  }
  PrintError(error);
  if (out.IsJson()) out.Json({{"file", options.netlist}, {"error", error}});
  out.Flush();
  return kExitError;
}

}  // namespace mirel::cli
