// Shows the sample dialog on the desktop, realised by the Qt backend, and prints what was
// entered when it closes: `build/tests/platform/qt/sample_dialog_demo`.
#include <QApplication>
#include <cstdio>

#include "mfc/sample_dialog.h"
#include "platform/qt/qtplatform.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  mirel::qt::QtPlatform platform;
  sample::SampleResources resources;
  sample::SampleDialog dialog;
  dialog.m_name = "Sample";
  const INT_PTR result = dialog.DoModal();
  std::printf("result %d, name \"%s\", enabled %d, choice %d, notes \"%s\"\n", int(result), dialog.m_name.GetString(),
              dialog.m_enabled, dialog.m_choice, dialog.m_notes.GetString());
  return 0;
}
