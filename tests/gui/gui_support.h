#pragma once
// What the window tests share: one QApplication for the whole process (offscreen unless a
// platform is set), whichever test asks first, and the folders the test run names.
#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

// The visible modal window on top, when it is a T and has the keyboard (it is the active window).
// Without a window manager nothing gives a window the keyboard back when the one over it closes:
// it is activated then, as a person would click on it, and found at the next look.
template <typename T>
T* TopModal() {
  auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
  if (!window || !window->isVisible()) return nullptr;
  if (QApplication::activeWindow() != window) {
    window->activateWindow();
    return nullptr;
  }
  return window;
}

// A key as a person types it: into the widget that has the keyboard focus.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = QApplication::activeModalWidget();
  if (target) QTest::keyClick(target, key, modifiers);
}
inline void TypeText(const QString& text) {
  if (QWidget* target = QApplication::focusWidget()) QTest::keyClicks(target, text);
}

// Works windows that run event loops of their own (modal dialogs, message boxes, file dialogs)
// from timers: each step runs once it can act (it answers true when it has), one after another.
// A step's action may open a window that runs its own loop; the next steps run inside it. A step
// that cannot act within a few seconds is reported, and every modal window is then hidden so
// that the test ends instead of hanging; so is a modal window left open after the last step.
class Steps {
 public:
  Steps() { Schedule(); }
  ~Steps() { *m_alive = false; }
  Steps(const Steps&) = delete;
  Steps& operator=(const Steps&) = delete;
  Steps& Then(std::string what, std::function<bool()> step) {
    m_steps.push_back({std::move(what), std::move(step)});
    return *this;
  }
  // The first step that never acted, or "" when all did.
  std::string Stuck() const { return m_stuck.empty() && m_next < m_steps.size() ? m_steps[m_next].what : m_stuck; }

 private:
  // A new timer each time: a timer whose slot is still running (inside a window's loop) does not fire.
  void Schedule() {
    std::shared_ptr<bool> alive = m_alive;
    QTimer::singleShot(5, [this, alive] {
      if (*alive) Tick();
    });
  }
  void Tick() {
    Schedule();
    if (!m_stuck.empty()) {
      if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
      return;
    }
    if (m_next >= m_steps.size()) {
      // A window still up well after the last step would wait for ever.
      if (!QApplication::activeModalWidget()) m_tries = 0;
      else if (++m_tries > 600) m_stuck = "a window left open after the last step";
      return;
    }
    const size_t at = m_next++;  // the steps after it run while its action is inside a loop
    if (m_steps[at].step()) {
      m_tries = 0;
    } else {
      m_next = at;
      if (++m_tries > 600) m_stuck = m_steps[at].what;
    }
  }
  struct Step {
    std::string what;
    std::function<bool()> step;
  };
  std::vector<Step> m_steps;
  size_t m_next = 0;
  int m_tries = 0;
  std::string m_stuck;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

}  // namespace guitest
