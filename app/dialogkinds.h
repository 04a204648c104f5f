#pragma once
// The dialogs that `mirel script --dialog KIND [FILE]` runs. Each kind is one entry of the table
// in dialogkinds.cpp: a name, the template id of its dialog, a line for --help and a function
// that builds the dialog (and whatever it needs: the file object, the grid's data) on FILE and
// runs it modally. The script's lines answer that dialog through the scripted interaction
// service; the kind's function only builds and calls DoModal.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.h"

namespace mirel::cli {

class PreviewSession;

class DialogKindContext {
 public:
  DialogKindContext(Services& services, std::optional<std::string> file)
      : m_services(services), m_file(std::move(file)) {}
  Services& GetServices() { return m_services; }
  const CommonOptions& Options() const { return m_services.Options(); }
  const std::optional<std::string>& File() const { return m_file; }

  // The dialog ended while it opened because loading FILE stopped at a keyword that was
  // refused: the script does not run and the exit status is 1, as for the bare grid.
  void SetLoadRefused() { m_loadRefused = true; }
  bool LoadRefused() const { return m_loadRefused; }

  // The live preview of the template dialog while it runs (--design), else null.
  void SetPreview(PreviewSession* preview) { m_preview = preview; }
  PreviewSession* Preview() const { return m_preview; }

 private:
  Services& m_services;
  std::optional<std::string> m_file;
  bool m_loadRefused = false;
  PreviewSession* m_preview = nullptr;
};

struct DialogKind {
  std::string name;
  UINT templateId = 0;
  std::string summary;  // one line for --help
  // Builds the dialog and runs it (DoModal). False with error when it could not be built (a
  // file that cannot be read); whatever the dialog does with its file is its own affair.
  std::function<bool(DialogKindContext& context, std::string& error)> run;
};

const std::vector<DialogKind>& DialogKinds();
const DialogKind* FindDialogKind(std::string_view name);  // any letter case
// "template, validation" for messages and --help.
std::string DialogKindNames();

}  // namespace mirel::cli
