#pragma once
// What the window tests share: one QApplication for the whole process (offscreen unless a
// platform is set), whichever test asks first, and the folders the test run names.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QString>

namespace guitest {

// Never torn down: Qt's exit-time teardown after the tests' other statics is not safe.
inline QApplication& Application() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!QApplication::instance()) new QApplication(argc, argv);
  return *static_cast<QApplication*>(QApplication::instance());
}

// The folder an environment variable names (MIREL_BUILD_DIR, MIREL_SOURCE_DIR), else the current one.
inline QString FolderOf(const char* variable) {
  const QByteArray value = qgetenv(variable);
  return value.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(value);
}

inline QString ScreenshotFolder() { return FolderOf("MIREL_BUILD_DIR") + "/screenshots"; }

}  // namespace guitest
