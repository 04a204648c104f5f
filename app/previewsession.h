#pragma once
// The live preview beside the Create Report Template dialog, without its window: the design it
// runs on (opened as mirel run reads one), the variant and "fitted only", the controller that
// follows the dialog, and Export. The Qt window (previewwindow.h) and `mirel script`'s preview
// commands both work the preview through this object.
#include <memory>
#include <optional>
#include <string>

#include "preview/Controller.h"
#include "preview/Engine.h"

class CCreateTmpltDlg;
class IZRQueryServer;

namespace mirel::cli {

class PreviewSession {
 public:
  // backgroundFrom: designs of that many components and more run off the UI thread.
  PreviewSession(IZRQueryServer& vocabulary, preview::IPoster& poster, std::size_t backgroundFrom);
  // Headless: every run on the calling thread, when Settle says so.
  explicit PreviewSession(IZRQueryServer& vocabulary);
  ~PreviewSession();
  // Headless: runs the refresh the changes so far asked for.
  void Settle();

  // Reads a mirel-design file or a KiCad netlist; false with error (the open design stays).
  bool OpenDesign(const std::string& path, std::string& error);
  // Open Design...: a file dialog through the interaction service. False when it was cancelled
  // (error empty) or the file could not be read (error says why).
  bool AskOpenDesign(std::string& error);
  // A variant of the open design (any case; "" for none); false with error for another name.
  bool SetVariant(const std::string& variant, std::string& error);
  void SetFittedOnly(bool fittedOnly);
  // Export...: a save file dialog for the format, then the shown report written there
  // atomically. The path, or nothing when cancelled (error empty) or not written (error).
  std::optional<std::string> AskExport(preview::Format format, std::string& error);

  // Follows the dialog from its initialisation on: its notices refresh the preview, its template
  // as Save would write it is what the report is run on, and its grid's Select Property offers
  // the design's field names. Before DoModal; Detach before the dialog goes. `initialised` is
  // told once, when the dialog has its windows.
  void Attach(CCreateTmpltDlg& dialog, std::function<void(CCreateTmpltDlg&)> initialised = nullptr);
  void Detach();

  preview::Controller& Controller() { return *m_controller; }
  const preview::Result& Shown() const { return m_controller->Shown(); }
  const design::Design* OpenedDesign() const { return m_controller->Choice().design.get(); }
  // The shown report in a format ("" when none is shown).
  std::string Render(preview::Format format) const;

 private:
  preview::Snapshot TakeSnapshot();
  void OnDialogChanged();

  std::unique_ptr<preview::QueuedPoster> m_ownPoster;  // headless
  CCreateTmpltDlg* m_dialog = nullptr;
  bool m_gridHooked = false;
  std::function<void(CCreateTmpltDlg&)> m_initialised;
  std::unique_ptr<preview::Controller> m_controller;
};

}  // namespace mirel::cli
