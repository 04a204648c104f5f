#pragma once
// The commands of mirel; each returns the process's exit status (session.h: ExitCode).
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "app/session.h"

namespace mirel::cli {

int RunValidate(const CommonOptions& options, const std::vector<std::string>& arguments);
int RunShow(const CommonOptions& options, const std::string& file);
// dialogKind "": the bare query grid; else the kind's dialog (dialogkinds.h).
int RunScript(const CommonOptions& options, const std::optional<std::string>& file, const std::string& dialogKind,
              std::istream& commands);
// The desktop program on a template (or a new one); argv is handed to the window system.
int RunEdit(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv);
// The Query Validation dialog on a template's query grid (mirel edit --validation).
int RunEditValidation(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv);
// The column editor on a user-defined column file (or a new column), as the host opens it.
int RunEditColumn(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv);
// The User Defined Columns dialog for --project.
int RunColumns(const CommonOptions& options, int argc, char** argv);

struct ImportOptions {
  std::string netlist, positions, fieldMap, output;  // "" for an option not given
};
// mirel import kicad: the netlist as a mirel-design file.
int RunImport(const CommonOptions& options, const ImportOptions& import);

}  // namespace mirel::cli
