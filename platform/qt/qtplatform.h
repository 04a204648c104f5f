#pragma once
// QtPlatform: everything the program needs to run the window model on Qt, installed for the
// lifetime of the object (after the QApplication exists): the Qt backend, the system clipboard,
// the key and mouse pre-translation (MFC's PreTranslateMessage road), focus tracking, and, unless
// told otherwise, the Qt interaction service.
#include <memory>
#include <string>

#include "platform/qt/qtinteraction.h"

namespace mirel::qt {

class QtPlatform {
 public:
  explicit QtPlatform(bool installInteraction = true, std::string helpFolder = "");
  ~QtPlatform();
  QtPlatform(const QtPlatform&) = delete;
  QtPlatform& operator=(const QtPlatform&) = delete;

  QtInteraction& Interaction() { return *m_interaction; }

 private:
  struct Parts;
  std::unique_ptr<Parts> m_parts;
  std::unique_ptr<QtInteraction> m_interaction;
  bool m_installedInteraction;
};

}  // namespace mirel::qt
