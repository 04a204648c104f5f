#pragma once
// What the commands share: the options for all of them, the services (query server, host server
// with its property server, the user-defined columns found for the project), the routing of
// every shown message to the command's printer, and a query grid prepared headless as the query
// layout page prepares it (no window is ever created).
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/griddump.h"
#include "app/output.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/scripted.h"

class CQueryGrid;
class IServer;
class IZRQueryServer;

namespace mirel::cli {

enum ExitCode : int { kExitOk = 0, kExitInvalid = 1, kExitError = 2, kExitUnanswered = 3 };

struct CommonOptions {
  std::string vocabulary;  // "" for the shipped one
  std::string properties;  // "" for the shipped one
  std::string project;     // "" for none
  OutputFormat format = OutputFormat::Text;
  bool customColumn = false;   // the files are user-defined columns, edited in customize mode
  bool acceptUnknown = false;  // answer Yes to "ZRREPS-244" while loading
  std::string design;          // the live preview's design (edit, script --dialog template); "" for none
};

// The scripted interaction service, installed while this object lives; every question it
// answers (message boxes, dialogs) goes to the sink in force.
class MessageRouter {
 public:
  using Sink = std::function<void(const ShownMessage&)>;
  explicit MessageRouter(const CommonOptions& options);
  ScriptedInteraction& Interaction() { return m_interaction; }
  void SetSink(Sink sink) { m_sink = std::move(sink); }

 private:
  ScriptedInteraction m_interaction;
  ScopedInteraction m_installed;
  Sink m_sink;
};

class Services {
 public:
  // Reads the vocabulary and properties and the user-defined columns (a second column of a name
  // is reported with "ZRREPS-245" and not used). Null with error when a file given by an option
  // cannot be read, or the shipped vocabulary is missing.
  static std::unique_ptr<Services> Create(const CommonOptions& options, std::string& error);
  // The same without reporting: for the dialogs, whose layout page reports a second column of a
  // name itself, so that it is not reported twice.
  static std::unique_ptr<Services> CreateQuietly(const CommonOptions& options, std::string& error);
  // Create for a command: on failure the reason is printed and `exitCode` says how the command ends.
  static std::unique_ptr<Services> CreateOrReport(const CommonOptions& options, int& exitCode);
  ~Services();

  const CommonOptions& Options() const { return m_options; }
  IZRQueryServer& QueryServer() { return *m_queryServer; }
  IServer& Server() { return *m_server; }
  const std::vector<std::unique_ptr<CCustomColData>>& CustomColumns() const { return m_columns; }
  // The standard field list: the query server's keywords, then the three operator keywords.
  std::vector<std::string> StandardFields();
  // The user-defined column of that name (any letter case), or null.
  const CCustomColData* CustomColumn(std::string_view name) const;
  // Its name as it is listed.
  std::optional<std::string> FindCustomColumn(const std::string& name) const;

 private:
  Services() = default;
  CommonOptions m_options;
  std::unique_ptr<IZRQueryServer> m_ownedQueryServer;  // from --vocabulary
  IZRQueryServer* m_queryServer = nullptr;
  std::unique_ptr<IServer> m_server;
  std::vector<std::unique_ptr<CCustomColData>> m_columns;
};

// The project file a dialog is given: --project, else the template itself; absolute, so that the
// file dialogs start in a folder even for a bare file name. "" for neither.
std::string ProjectFileFor(const CommonOptions& options, const std::optional<std::string>& file);

class GridSession {
 public:
  explicit GridSession(Services& services);
  ~GridSession();
  GridSession(const GridSession&) = delete;
  GridSession& operator=(const GridSession&) = delete;

  // Reads a template (or, in customize mode, a user-defined column) file; false with error
  // when it cannot be read. Without Open the grid edits a new, empty one.
  bool Open(const std::string& path, std::string& error);
  // Sets the grid up, registers the user-defined columns, loads the queries asking as the
  // dialog asks, then gives the grid the template's structure. False when loading stopped at a
  // keyword that was refused.
  bool Load();

  CQueryGrid& Grid() { return *m_grid; }
  bool IsCustomColumn() const { return m_column != nullptr; }
  // The template as the file holds it (null in customize mode).
  CTemplateData* TemplateData() { return m_template ? m_template->getTemplateData() : nullptr; }
  std::vector<DumpedColumn> Dump();
  // The registered user-defined column of that name (any letter case), as it is listed.
  std::optional<std::string> FindCustomColumn(const std::string& name) const;
  // Stores the grid as it stands and saves the file atomically to path; false with error.
  bool Store(const std::string& path, std::string& error);

 private:
  Services& m_services;
  std::unique_ptr<CTemplateFile> m_template;
  std::unique_ptr<CCustomColFile> m_column;
  std::unique_ptr<CQueryGrid> m_grid;  // destroyed first: it borrows the query list
};

}  // namespace mirel::cli
