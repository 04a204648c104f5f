#pragma once
// The desktop a window benchmark runs on: one application for the whole process (offscreen unless
// QT_QPA_PLATFORM names another platform), our platform and grid peer, dialog units from the font
// in use, the library's resources, scripted answers to any question, and the shipped vocabulary
// (MIREL_VOCABULARY_FILE, defined by the benchmark's build).
#include <QApplication>
#include <memory>
#include <stdexcept>
#include <string>

#include "host/vocabularyserver.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/mfc/scripted.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "resources/library_resources.h"

namespace bench {

struct Desktop {
  explicit Desktop(const char* program) : m_name(program) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    m_argv[0] = m_name.data();
    application = new QApplication(m_argc, m_argv);  // lives to the end of the process
    platform = std::make_unique<mirel::qt::QtPlatform>(false);
    mirel::gridqt::RegisterGridPeer();
    const SIZE units = mirel::qt::QtBackend().DialogBaseUnits("MS Shell Dlg", 8);
    CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
    mirel::AddResourceModule(mirel::LibraryResources());
    std::string error;
    vocabulary = mirel::VocabularyQueryServer::LoadFromFile(MIREL_VOCABULARY_FILE, error);
    if (!vocabulary) throw std::runtime_error(error);
  }

  std::string m_name;
  int m_argc = 1;
  char* m_argv[2] = {nullptr, nullptr};
  QApplication* application = nullptr;
  std::unique_ptr<mirel::qt::QtPlatform> platform;
  mirel::ScriptedInteraction script;
  std::unique_ptr<mirel::ScopedInteraction> scope = std::make_unique<mirel::ScopedInteraction>(script);
  std::unique_ptr<mirel::VocabularyQueryServer> vocabulary;
};

// Made on first use and never torn down, as the application.
inline Desktop& TheDesktop(const char* program) {
  static Desktop* desktop = new Desktop(program);
  return *desktop;
}

}  // namespace bench
