#include "app/previewsession.h"

#include <filesystem>

#include "design/Load.h"
#include "host/atomicwrite.h"
#include "hostapi/queryserver.h"
#include "platform/mfc/nocase.h"
#include "preview/PropertyNames.h"
#include "querygrid/QueryGrid.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace mirel::cli {

namespace {

namespace fs = std::filesystem;

constexpr const char* kDesignFilter =
    "Designs (*.json;*.net;*.xml)|*.json;*.net;*.xml|mirel-design (*.json)|*.json|KiCad netlist (*.net;*.xml)|"
    "*.net;*.xml|All Files (*.*)|*.*||";

std::string FolderOf(const std::string& path) {
  if (path.empty()) return "";
  return fs::absolute(fs::path(path)).parent_path().string();
}

// The user-defined columns the template's queries name, as the grid has them registered.
std::shared_ptr<const preview::CustomColumns> CustomColumnsOf(CQueryGrid* grid, const CTemplateData& data) {
  auto columns = std::make_shared<preview::CustomColumns>();
  if (!grid) return columns;
  for (const CTmpltQuery* query : data.m_queries) {
    if (CCustomColData* definition = grid->GetCustomColData(CString(query->m_keyword)))
      columns->push_back(std::make_shared<const CCustomColData>(definition));
  }
  return columns;
}

}  // namespace

PreviewSession::PreviewSession(IZRQueryServer& vocabulary, preview::IPoster& poster, std::size_t backgroundFrom)
    : m_controller(std::make_unique<preview::Controller>([this] { return TakeSnapshot(); },
                                                         preview::MakeReportEngine(vocabulary), poster, backgroundFrom)) {}

PreviewSession::PreviewSession(IZRQueryServer& vocabulary) : m_ownPoster(std::make_unique<preview::QueuedPoster>()) {
  m_controller = std::make_unique<preview::Controller>([this] { return TakeSnapshot(); },
                                                       preview::MakeReportEngine(vocabulary), *m_ownPoster, SIZE_MAX);
}

PreviewSession::~PreviewSession() { Detach(); }

void PreviewSession::Settle() {
  if (m_ownPoster) m_ownPoster->RunQueued();
  m_controller->RefreshIfChanged();
}

bool PreviewSession::OpenDesign(const std::string& path, std::string& error) {
  design::LoadResult loaded = design::LoadDesignFile(path);
  if (!loaded.design) {
    error = loaded.error.empty() ? path + ": cannot be read as a design" : loaded.error;
    return false;
  }
  preview::DesignChoice choice;
  choice.design = std::make_shared<const design::Design>(std::move(*loaded.design));
  choice.path = path;
  choice.fittedOnly = m_controller->Choice().fittedOnly;  // the person's choice stays; the variant is the new design's
  m_controller->SetDesign(std::move(choice));
  return true;
}

bool PreviewSession::AskOpenDesign(std::string& error) {
  error.clear();
  FileDialogRequest request;
  request.open = true;
  request.title = "Open Design";
  request.filters = ParseFileFilter(kDesignFilter);
  request.initialFolder = FolderOf(m_controller->Choice().path);
  request.fileMustExist = true;
  request.hideReadOnly = true;
  request.noChangeDir = true;
  const std::optional<std::string> chosen = Interaction().FileDialog(request);
  return chosen && OpenDesign(*chosen, error);
}

bool PreviewSession::SetVariant(const std::string& variant, std::string& error) {
  preview::DesignChoice choice = m_controller->Choice();
  std::string found;
  if (!variant.empty()) {
    const std::vector<std::string> none;
    for (const std::string& name : choice.design ? choice.design->variants : none) {
      if (EqualsNoCase(name, variant)) found = name;
    }
    if (found.empty()) {
      error = "the design has no variant \"" + variant + "\"";
      return false;
    }
  }
  choice.variant = found;
  m_controller->SetDesign(std::move(choice));
  return true;
}

void PreviewSession::SetFittedOnly(bool fittedOnly) {
  preview::DesignChoice choice = m_controller->Choice();
  choice.fittedOnly = fittedOnly;
  m_controller->SetDesign(std::move(choice));
}

std::optional<std::string> PreviewSession::AskExport(preview::Format format, std::string& error) {
  error.clear();
  const preview::Result& shown = Shown();
  if (!shown.report) {
    error = "there is no report to export";
    return std::nullopt;
  }
  FileDialogRequest request;
  request.open = false;
  request.title = "Export Report";
  request.filters = ParseFileFilter(preview::FormatFilter(format));
  request.defaultExtension = preview::FormatExtension(format);
  request.initialFolder = FolderOf(m_controller->Choice().path);
  request.overwritePrompt = true;
  request.hideReadOnly = true;
  request.pathMustExist = true;
  request.noChangeDir = true;
  const std::optional<std::string> chosen = Interaction().FileDialog(request);
  if (!chosen) return std::nullopt;
  if (!WriteFileAtomically(*chosen, preview::Render(*shown.report, format), error)) return std::nullopt;
  return chosen;
}

std::string PreviewSession::Render(preview::Format format) const {
  const preview::Result& shown = Shown();
  return shown.report ? preview::Render(*shown.report, format) : std::string();
}

void PreviewSession::Attach(CCreateTmpltDlg& dialog, std::function<void(CCreateTmpltDlg&)> initialised) {
  m_dialog = &dialog;
  m_gridHooked = false;
  m_initialised = std::move(initialised);
  dialog.SetChangeListener([this] { OnDialogChanged(); });
}

void PreviewSession::Detach() {
  if (!m_dialog) return;
  m_dialog->SetChangeListener(nullptr);
  if (CLayoutDlg* page = m_dialog->GetLayoutDlg(); page && page->GetGrid()) page->GetGrid()->SetPropertyNameSource(nullptr);
  m_dialog = nullptr;
}

void PreviewSession::OnDialogChanged() {
  // The first notice comes once the dialog is initialised: its grid exists from then on.
  if (!m_gridHooked && m_dialog && m_dialog->GetLayoutDlg() && m_dialog->GetLayoutDlg()->GetGrid()) {
    m_dialog->GetLayoutDlg()->GetGrid()->SetPropertyNameSource([this](const std::string& keyword) {
      const design::Design* design = OpenedDesign();
      return design ? preview::DesignPropertyNames(*design, keyword) : std::vector<std::string>();
    });
    m_gridHooked = true;
    if (m_initialised) m_initialised(*m_dialog);
  }
  m_controller->Changed();
}

preview::Snapshot PreviewSession::TakeSnapshot() {
  preview::Snapshot snapshot;
  auto data = std::make_shared<CTemplateData>();
  if (m_dialog) {
    snapshot.invalid = m_dialog->GetTemplateAsSaved(*data);
    CLayoutDlg* page = m_dialog->GetLayoutDlg();
    snapshot.customColumns = CustomColumnsOf(page ? page->GetGrid() : nullptr, *data);
    // A new template has no file yet: its title page is then found from the project's folder.
    const std::string file = m_dialog->m_pTemplateFile ? m_dialog->m_pTemplateFile->getTemplateFile() : "";
    snapshot.templateFolder = FolderOf(file.empty() ? m_dialog->m_strProjectFile.str() : file);
  }
  snapshot.templ = std::move(data);
  return snapshot;
}

}  // namespace mirel::cli
