// mirel: the desktop program and the command line over the report template library.
#include <CLI/CLI.hpp>

#include <iostream>

#include "app/commands.h"
#include "app/dialogkinds.h"
#include "app/scriptcommand.h"
#include "hostapi/errorhandler.h"
#include "startup/startup.h"
#include "startup/tddversion.h"

namespace {

using mirel::cli::CommonOptions;
using mirel::cli::OutputFormat;

constexpr const char* kDescription = R"(mirel: design the report templates of the reporting tool.

edit and columns open the desktop program's dialogs; validate, show and script work without a
window, for scripts and CI jobs.)";

// Headed sections here become the manual page's sections of those names (cmake/MirelDocs.cmake).
constexpr const char* kFooter = R"(Exit status:
  0  all files valid, or the command done
  1  some file or query invalid
  2  a file could not be read or saved, or a usage error
  3  a question that nobody answered (it is named)

Environment:
  MIREL_ROOT        the installation root; by default the nearest folder above mirel's own that holds share/vynsetup
  MIREL_SETUP_PATH  colon-separated folders searched for setup files before ROOT/share/vynsetup and ROOT/share
  TEMP              where a property server is made when no other is given

Files:
  ROOT/share/vynsetup/tdd/crpterrors.txt   the message texts
  ROOT/share/vynsetup/tdd/version.txt      the version written into saved templates
  ROOT/share/vynsetup/tdd/vocabulary.json  the query server's vocabulary
  ROOT/share/vynsetup/tdd/properties.json  the property dictionary
  ROOT/share/vynsetup/tdd/custom_columns/  the shipped user-defined columns (*.txt)
  ROOT/share/mirel/help/                   the pages that Help and F1 open
  ROOT/share/mirel/examples/               example templates (installed trees)

Run "mirel COMMAND --help" for a command's options, output and exit status.)";

// The files every command reads its services from.
void AddServiceOptions(CLI::App& command, CommonOptions& options) {
  command.add_option("--vocabulary", options.vocabulary, "query server vocabulary file (mirel-vocabulary JSON) "
                     "instead of the shipped tdd/vocabulary.json")
      ->check(CLI::ExistingFile)->option_text("FILE")->group("Common options");
  command.add_option("--properties", options.properties, "property dictionary file (mirel-properties JSON) "
                     "instead of the shipped tdd/properties.json")
      ->check(CLI::ExistingFile)->option_text("FILE")->group("Common options");
  command.add_option("--project", options.project, "project file; its folder, the setup folder and the current "
                     "folder hold the user-defined columns (*.txt)")
      ->check(CLI::ExistingFile)->option_text("FILE")->group("Common options");
}

// The options every command takes.
void AddCommonOptions(CLI::App& command, CommonOptions& options, std::string& format) {
  AddServiceOptions(command, options);
  command.add_option("--format", format, "output: text (default) or json, one JSON object a line")
      ->check(CLI::IsMember({"text", "json"}))->option_text("text|json")->group("Common options");
}

// The options of the commands that load a file; `customColumn` says what --custom-column does there.
void AddLoadOptions(CLI::App& command, CommonOptions& options, const std::string& customColumn) {
  command.add_flag("--custom-column", options.customColumn, customColumn);
  command.add_flag("--accept-unknown", options.acceptUnknown,
                   "answer Yes when loading asks about a keyword the query server does not know "
                   "(ZRREPS-244); by default it is answered No and the file is invalid");
}

// --design: the live preview's design.
void AddDesignOption(CLI::App& command, CommonOptions& options, const std::string& what) {
  command.add_option("--design", options.design, what)->check(CLI::ExistingFile)->option_text("FILE");
}

// "template|column|..." for --dialog's argument, which the completion offers as choices.
std::string DialogKindChoices() {
  std::string choices;
  for (const mirel::cli::DialogKind& kind : mirel::cli::DialogKinds()) choices += (choices.empty() ? "" : "|") + kind.name;
  return choices.empty() ? "KIND" : choices;
}

int Dispatch(CLI::App& app, CommonOptions& options, const std::string& format, const std::vector<std::string>& files,
             const std::string& file, const std::string& dialogKind, const mirel::cli::ImportOptions& import,
             const mirel::cli::RunArguments& run, int argc, char** argv) {
  options.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
  if (!InitMirelDll()) {
    mirel::cli::PrintError("warning: the message texts (tdd/crpterrors.txt) were not loaded: " +
                           CZRErrorHandler::GetLastLoadError() + "; messages show their codes and arguments");
  }
  const std::optional<std::string> optionalFile = file.empty() ? std::nullopt : std::optional(file);
  const bool editsOther = app.got_subcommand("edit") &&
                          (options.customColumn || app.get_subcommand("edit")->get_option("--validation")->count() > 0);
  if (editsOther && !options.design.empty()) {
    mirel::cli::PrintError("--design opens the Report Preview beside the Create Report Template dialog only");
    TermMirelDll();
    return mirel::cli::kExitError;
  }
  int status = mirel::cli::kExitError;
  if (app.got_subcommand("validate")) status = mirel::cli::RunValidate(options, files);
  else if (app.got_subcommand("run")) status = mirel::cli::RunRun(options, run);
  else if (app.got_subcommand("show")) status = mirel::cli::RunShow(options, file);
  else if (app.got_subcommand("script")) status = mirel::cli::RunScript(options, optionalFile, dialogKind, std::cin);
  else if (app.got_subcommand("edit") && app.get_subcommand("edit")->get_option("--validation")->count() > 0)
    status = mirel::cli::RunEditValidation(options, optionalFile, argc, argv);
  else if (app.got_subcommand("edit") && options.customColumn)
    status = mirel::cli::RunEditColumn(options, optionalFile, argc, argv);
  else if (app.got_subcommand("edit")) status = mirel::cli::RunEdit(options, optionalFile, argc, argv);
  else if (app.got_subcommand("columns")) status = mirel::cli::RunColumns(options, argc, argv);
  else if (app.got_subcommand("import")) status = mirel::cli::RunImport(options, import);
  TermMirelDll();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{kDescription, "mirel"};
  app.set_version_flag("--version", [] { return "mirel " + std::string(GetTddVersion()); },
                       "print the version written into saved templates and exit");
  app.require_subcommand(1);
  // The commands inherit the formatter and the help flag: one wording everywhere.
  app.get_formatter()->label("SUBCOMMAND", "COMMAND");
  app.get_formatter()->label("Positionals", "Arguments");
  app.set_help_flag("-h,--help", "print this help and exit");

  CommonOptions options;
  std::string format = "text";
  std::vector<std::string> files;
  std::string file;
  std::string dialogKind;

  CLI::App* validate = app.add_subcommand(
      "validate",
      "load each template (or user-defined column) into a query grid as the dialog does and run the grid's "
      "validation; one result a file");
  validate->add_option("FILE", files, "template files or glob patterns (quoted patterns are expanded too)")
      ->required()->type_name("");
  AddLoadOptions(*validate, options,
                 "the files are user-defined columns (mirel-custom-column), validated in customize mode");
  AddCommonOptions(*validate, options, format);
  validate->footer(R"(Output: "FILE: valid" or "FILE: invalid" and the file's messages, one a line; with
--format json one object a file: {"file":F,"valid":bool,"messages":[{"code":...,"args":[...],"text":...}]},
and "error" for a file that could not be read. Messages about the user-defined columns found go
to standard error. Exit status: 0 all valid, 1 some invalid, 2 a file could not be read (or no file
matched a pattern) or a usage error, 3 a question that nobody answered.)");

  mirel::cli::RunArguments run;
  CLI::App* runCommand = app.add_subcommand("run", "run a template on a design and print the report");
  runCommand->add_option("TEMPLATE", run.templateFile, "template file")->required()->type_name("");
  runCommand->add_option("--design", run.designFile, "the design: a mirel-design file or a KiCad netlist")
      ->required()->option_text("FILE");
  runCommand->add_option("--variant", run.variant, "the assembly variant to report (default: none)")
      ->option_text("NAME");
  runCommand->add_flag("--fitted-only", run.fittedOnly,
                       "leave out components not fitted in the variant or excluded from the BOM");
  runCommand->add_option("--format", run.format, "the report's format: text (default), csv, html or json")
      ->check(CLI::IsMember({"text", "csv", "html", "json"}))->option_text("text|csv|html|json");
  runCommand->add_option("-o,--output", run.output, "write the report to FILE (atomically) instead of standard output")
      ->option_text("FILE");
  runCommand->add_flag("--accept-unknown", options.acceptUnknown,
                       "answer Yes when loading asks about a keyword the query server does not know (ZRREPS-244)");
  AddServiceOptions(*runCommand, options);
  runCommand->footer(R"(The template is loaded and validated as validate does; an invalid one is not run. Warnings
(a keyword the engine does not know, a missing title page file, what the design reader noticed)
go to standard error. Exit status: 0 the report was printed, 1 the template is invalid or cannot
run (its first message, or the column and value at fault), 2 the design or template could not be
read, the report could not be written, an unknown variant or a usage error.)");

  CLI::App* show = app.add_subcommand("show", "print the grid after loading a template, one report column a line");
  show->add_option("FILE", file, "template file (a user-defined column with --custom-column)")
      ->required()->type_name("");
  AddLoadOptions(*show, options, "FILE is a user-defined column (mirel-custom-column), loaded in customize mode");
  AddCommonOptions(*show, options, format);
  show->footer(R"(Output: a heading with the row labels, then each report column up to the last one with a
keyword: its grid column number and its eleven cell texts as the grid holds them, each quoted.
With --format json: {"columns":[{"column":2,"Keyword":"...", ... ,"Visible":"1"}, ...]}.
What loading told the user goes to standard error. Exit status: 0 loaded, 1 loading stopped at a
refused keyword (the columns before it are shown), 2 the file could not be read or a usage error.)");

  CLI::App* script = app.add_subcommand("script", "edit a template's query grid with commands from standard input");
  script->add_option("FILE", file, "template to start from (none: a new template)")->type_name("");
  script->add_option("--dialog", dialogKind,
                     "work a dialog instead of the bare grid: " + mirel::cli::DialogKindNames() +
                         " (FILE is the file it opens)")
      ->option_text(DialogKindChoices());
  AddLoadOptions(*script, options, "FILE is a user-defined column (mirel-custom-column), loaded in customize mode");
  AddDesignOption(*script, options, "with --dialog template: the live preview runs the grid as it stands on this design "
                                    "(a mirel-design file or a KiCad netlist) for the preview commands");
  AddCommonOptions(*script, options, format);
  script->footer(mirel::cli::ScriptLanguageHelp());

  CLI::App* edit = app.add_subcommand("edit", "the desktop program: the Create Report Template dialog on a template");
  edit->add_option("TEMPLATE", file, "template file (none: a new template, saved with Save As)")->type_name("");
  bool validationDialog = false;
  edit->add_flag("--validation", validationDialog, "the Query Validation dialog on the TEMPLATE's query grid instead");
  AddLoadOptions(*edit, options,
                 "the User Defined Query Field editor on TEMPLATE, a user-defined column file (none: a new column)");
  AddDesignOption(*edit, options, "open the Report Preview beside the dialog: the report of the grid as it stands on "
                                  "this design (a mirel-design file or a KiCad netlist), refreshed as the template "
                                  "changes");
  AddCommonOptions(*edit, options, format);

  CLI::App* columns = app.add_subcommand("columns", "the User Defined Columns dialog");
  AddCommonOptions(*columns, options, format);

  mirel::cli::ImportOptions import;
  CLI::App* importer = app.add_subcommand("import", "read a design from another program's files into a mirel-design file");
  std::string importKind;
  importer->add_option("SOURCE", importKind, "what the files come from: kicad")
      ->required()->check(CLI::IsMember({"kicad"}))->type_name("");
  importer->add_option("NETLIST", import.netlist, "KiCad netlist, s-expression (.net) or XML, KiCad 4 to 10")
      ->required()->type_name("");
  importer->add_option("--pos", import.positions, "KiCad position file (ASCII or CSV): the placements, by refdes")
      ->option_text("FILE");
  importer->add_option("--field-map", import.fieldMap,
                       "JSON object naming the fields that give PART_NUMBER, MANUFACTURER, ... "
                       "({\"PART_NUMBER\":[\"MPN\",\"PN\"]}); keys not given keep their defaults")
      ->option_text("FILE");
  importer->add_option("-o,--output", import.output, "the mirel-design file to write (atomically)")
      ->required()->option_text("DESIGN.json");
  importer->add_option("--format", format, "output: text (default) or json, one JSON object a line")
      ->check(CLI::IsMember({"text", "json"}))->option_text("text|json");
  importer->footer(R"(Output: "NETLIST: N components, N nets, N sheets" and "saved DESIGN.json"; with --format json
{"file":NETLIST,"components":N,"nets":N,"sheets":N,"warnings":[...]} and {"saved":DESIGN.json},
or {"file":NETLIST,"error":...}. Warnings (a placed refdes the design lacks) go to standard error.
Nothing is written when the netlist, position file or field map is refused. Exit status: 0 written,
2 a file could not be read, was refused or could not be written, or a usage error.)");
  app.footer(kFooter);  // after the commands, which would inherit it

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& done) {
    return app.exit(done);  // --help, --version
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return mirel::cli::kExitError;
  }
  return Dispatch(app, options, format, files, file, dialogKind, import, run, argc, argv);
}
