#include "app/session.h"

#include "app/output.h"

#include <cstdlib>
#include <filesystem>

#include "customcols/UserDefColAPI.h"
#include "host/hostserver.h"
#include "host/vocabularyserver.h"
#include "hostapi/errorhandler.h"
#include "platform/mfc/nocase.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "startup/tddversion.h"

namespace mirel::cli {

MessageRouter::MessageRouter(const CommonOptions& options) : m_installed(m_interaction) {
  m_interaction.SetStandingAnswer("ZRREPS-244", options.acceptUnknown ? IDYES : IDNO);
  m_interaction.SetObserver([this](const AskedQuestion& asked) {
    if (m_sink) m_sink(ShownFromAsked(asked));
  });
}

// ---- services -----------------------------------------------------------------------------------

namespace {

std::unique_ptr<CPQPropertyServer> LoadProperties(const std::string& path, std::string& error) {
  if (!path.empty()) {
    std::unique_ptr<CPQPropertyServer> server(CPQPropertyServer::LoadFromFile(path, &error));
    if (!server && error.empty()) error = path + ": the property dictionary cannot be read";
    return server;
  }
  const char* temp = std::getenv("TEMP");
  // A missing shipped dictionary is no error: the grid makes its own property server then.
  return std::unique_ptr<CPQPropertyServer>(CPQPropertyServer::CreatePropertyServer(temp ? temp : "", "mirel", true));
}

}  // namespace

std::unique_ptr<Services> Services::CreateQuietly(const CommonOptions& options, std::string& error) {
  ScriptedInteraction quiet;
  ScopedInteraction installed(quiet);
  return Create(options, error);
}

std::unique_ptr<Services> Services::CreateOrReport(const CommonOptions& options, int& exitCode) {
  std::string error;
  std::unique_ptr<Services> services;
  try {
    services = Create(options, error);
  } catch (const UnansweredQuestion& question) {
    PrintError(question.what());
    exitCode = kExitUnanswered;
    return nullptr;
  }
  if (!services) {
    PrintError(error);
    exitCode = kExitError;
  }
  return services;
}

std::unique_ptr<Services> Services::Create(const CommonOptions& options, std::string& error) {
  std::unique_ptr<Services> services(new Services);
  services->m_options = options;

  if (!options.vocabulary.empty()) {
    services->m_ownedQueryServer = VocabularyQueryServer::LoadFromFile(options.vocabulary, error);
    if (!services->m_ownedQueryServer) return nullptr;
    services->m_queryServer = services->m_ownedQueryServer.get();
    UseQueryServer(services->m_queryServer);
  } else {
    services->m_queryServer = IZRQueryServer::InitQueryServer();
    if (!services->m_queryServer) {
      error = "the shipped vocabulary tdd/vocabulary.json cannot be read (is the installation complete?)";
      return nullptr;
    }
  }

  std::unique_ptr<CPQPropertyServer> properties = LoadProperties(options.properties, error);
  if (!options.properties.empty() && !properties) return nullptr;
  error.clear();
  services->m_server = std::make_unique<HostServer>(std::move(properties));

  // The field list keeps the first column of each name, as the query layout page does.
  CStringList files;
  CUserDefColAPI::GetCustomColFiles(CString(options.project), files);
  for (const CString& path : files) {
    if (path.IsEmpty()) continue;
    std::unique_ptr<CCustomColData> column(CUserDefColAPI::GetCustomColData(path));
    if (!column) continue;
    bool listed = false;
    for (const auto& known : services->m_columns) listed = listed || EqualsNoCase(known->m_name, column->m_name);
    if (listed) {
      CZRErrorHandler::MessageBoxOk("ZRREPS-245", column->m_name, column->m_name, path);
      continue;
    }
    services->m_columns.push_back(std::move(column));
  }
  return services;
}

Services::~Services() {
  if (m_ownedQueryServer && IZRQueryServer::InitQueryServer() == m_ownedQueryServer.get()) UseQueryServer(nullptr);
}

std::string ProjectFileFor(const CommonOptions& options, const std::optional<std::string>& file) {
  const std::string path = !options.project.empty() ? options.project : file.value_or("");
  if (path.empty()) return path;
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  return absolute.empty() ? path : absolute.string();
}

std::vector<std::string> Services::StandardFields() {
  std::list<std::string> keywords;
  m_queryServer->GetKeywords(&keywords);
  std::vector<std::string> fields(keywords.begin(), keywords.end());
  for (const char* op : {qg::kMathOp, qg::kRelOp, qg::kStringOp}) fields.emplace_back(op);
  return fields;
}

const CCustomColData* Services::CustomColumn(std::string_view name) const {
  for (const auto& column : m_columns) {
    if (EqualsNoCase(column->m_name, name)) return column.get();
  }
  return nullptr;
}

std::optional<std::string> Services::FindCustomColumn(const std::string& name) const {
  const CCustomColData* column = CustomColumn(name);
  return column ? std::optional<std::string>(column->m_name) : std::nullopt;
}

// ---- grid session -------------------------------------------------------------------------------

GridSession::GridSession(Services& services) : m_services(services) {
  if (services.Options().customColumn) m_column = std::make_unique<CCustomColFile>();
  else m_template = std::make_unique<CTemplateFile>();
}

GridSession::~GridSession() = default;

bool GridSession::Open(const std::string& path, std::string& error) {
  const bool loaded = m_column ? m_column->loadCustomCol(path.c_str()) : m_template->loadTemplate(path.c_str());
  if (loaded) return true;
  error = m_column ? m_column->getLastError() : m_template->getLastError();
  if (error.empty()) error = path + ": cannot be read";
  return false;
}

bool GridSession::Load() {
  m_grid = std::make_unique<CQueryGrid>(&m_services.Server(), &m_services.QueryServer());
  CQueryGrid& grid = *m_grid;
  grid.InitGrid();
  for (const auto& column : m_services.CustomColumns()) {
    auto copy = std::make_unique<CCustomColData>(column.get());
    CCustomColData* offered = copy.get();
    grid.AddCustomColToList(copy.release());
    if (grid.GetCustomColData(CString(column->m_name)) != offered) delete offered;  // not taken
  }
  grid.SetTemplateData(m_column ? &m_column->getCustomColData()->m_queries : &m_template->getTemplateData()->m_queries);
  grid.SetCustomizeMode(m_column ? 1 : 0);
  const bool loaded = grid.InitQueryFields(0) != 0;
  // The dialog tells the grid the structure after loading; a user-defined column has none.
  grid.SetBlockBased(m_template && EqualsNoCase(m_template->getTemplateData()->m_structure, "BlockBased"));
  return loaded;
}

std::vector<DumpedColumn> GridSession::Dump() {
  CQueryGrid& grid = *m_grid;
  return CollectReportColumns(grid.GetColCount(),
                              [&grid](ROWCOL row, ROWCOL col) { return std::string(grid.GetValueRowCol(row, col)); });
}

std::optional<std::string> GridSession::FindCustomColumn(const std::string& name) const {
  return m_services.FindCustomColumn(name);
}

bool GridSession::Store(const std::string& path, std::string& error) {
  m_grid->UpdateInfo();
  const std::string version = GetTddVersion();
  bool saved = false;
  if (m_column) {
    m_column->getCustomColData()->m_version = version;
    saved = m_column->saveCustomCol(path.c_str());
    error = m_column->getLastError();
  } else {
    m_template->getTemplateData()->m_version = version;
    saved = m_template->saveTemplate(path.c_str());
    error = m_template->getLastError();
  }
  if (!saved && error.empty()) error = path + ": cannot be saved";
  return saved;
}

}  // namespace mirel::cli
