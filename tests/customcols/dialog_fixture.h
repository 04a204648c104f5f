#pragma once
// The column dialogs windowless: the column folders of column_files.h, the default vocabulary
// on the scratch setup path (so that the editor finds its query server), the library's
// resources and a scripted interaction service.
#include <filesystem>
#include <memory>
#include <optional>
#include <vector>
#include <string>

#include "column_files.h"
#include "customcols/CustomColDlg.h"
#include "hostapi/queryserver.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/afxwin.h"
#include "platform/mfc/scripted.h"
#include "resources/library_resources.h"

namespace cctest {

// The scripted service, with the file dialogs it was asked kept whole.
class FileDialogRecorder final : public mirel::IInteraction {
 public:
  explicit FileDialogRecorder(mirel::ScriptedInteraction& script) : m_script(script) {}
  int MessageBox(const mirel::MessageRequest& request) override { return m_script.MessageBox(request); }
  int DoModal(CDialog& dialog) override { return m_script.DoModal(dialog); }
  std::optional<std::string> FileDialog(const mirel::FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    return m_script.FileDialog(request);
  }
  UINT TrackPopupMenu(const mirel::MenuRequest& request) override { return m_script.TrackPopupMenu(request); }
  void Help(const mirel::HelpRequest& request) override { m_script.Help(request); }

  std::vector<mirel::FileDialogRequest> fileDialogs;

 private:
  mirel::ScriptedInteraction& m_script;
};

class ColumnDialogs : public ColumnFolders {
 protected:
  ColumnDialogs() : recorder(script), m_scope(recorder) {
    std::filesystem::create_directories(m_setupPath + "/tdd");
    std::filesystem::copy_file(mirel::test::SourceShare() + "/vynsetup/tdd/vocabulary.json",
                               m_setupPath + "/tdd/vocabulary.json",
                               std::filesystem::copy_options::overwrite_existing);
    mirel::AddResourceModule(mirel::LibraryResources());
    queryServer = IZRQueryServer::InitQueryServer();
  }

  // The definition stored in a column file (null when it cannot be read).
  static std::unique_ptr<CCustomColFile> Load(const std::string& path) {
    auto file = std::make_unique<CCustomColFile>();
    if (!file->loadCustomCol(path.c_str())) return nullptr;
    return file;
  }

  // The questions asked so far, one a line.
  std::string Questions() const {
    std::string text;
    for (const mirel::AskedQuestion& q : script.Asked()) text += q.Describe() + "\n";
    return text;
  }
  // The messages shown so far, each as CODE(arg, arg...).
  // The messages shown, but for the unsaved-changes question of closing (CloseDropping).
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const mirel::AskedQuestion& q : script.Asked()) {
      if (q.kind != mirel::QuestionKind::Message || q.code == "ZRREPS-254") continue;
      std::string text = q.code + "(";
      for (size_t i = 0; i < q.args.size(); ++i) text += (i ? ", " : "") + q.args[i].ToString();
      messages.push_back(text + ")");
    }
    return messages;
  }

  // Closes the column editor as a person who drops the changes: No when it asks about them.
  void CloseDropping(CDialog& editor) {
    if (static_cast<CCustomColDlg&>(editor).IsModified()) script.AnswerMessage("ZRREPS-254", IDNO);
    mirel::script::Click(editor, IDCANCEL);
  }

  static bool Enabled(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
  static std::string Text(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->GetWindowTextString().str(); }

  mirel::ScriptedInteraction script;
  FileDialogRecorder recorder;
  IZRQueryServer* queryServer = nullptr;

 private:
  mirel::ScopedInteraction m_scope;
};

}  // namespace cctest
