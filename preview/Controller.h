#pragma once
// The live preview's controller: it hears that the template or the design choice changed, takes
// one snapshot of the template when the UI thread is next free (so a burst of changes costs one
// run), and runs the report engine on it: on the UI thread for a small design, on its worker
// thread for a large one, showing the last report until the new one is ready. A result that a
// newer change has overtaken is dropped, never shown. Plain C++: the window system is reached
// only through the Poster.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostapi/templatedata.h"
#include "platform/mfc/interaction.h"
#include "preview/Worker.h"

namespace mirel::design {
class Design;
}

namespace mirel::preview {

struct Report;  // what the engine made (preview/Engine.h)

// The design the report is run on, as the preview window chose it.
struct DesignChoice {
  std::shared_ptr<const design::Design> design;  // null: none open
  std::string path;
  std::string variant;  // "" for the design without variant
  bool fittedOnly = false;
  friend bool operator==(const DesignChoice&, const DesignChoice&) = default;
};

// The user-defined columns a template's queries may name, as the grid knows them.
using CustomColumns = std::vector<std::shared_ptr<const CCustomColData>>;

// The template as Save would write it, and its validation's verdict.
struct Snapshot {
  std::shared_ptr<const CTemplateData> templ;
  std::optional<MessageRequest> invalid;  // the query does not validate: no run
  std::shared_ptr<const CustomColumns> customColumns;
  std::string templateFolder;  // where a relative title page is found
};

// One run of the engine.
struct Job {
  std::uint64_t generation = 0;
  std::shared_ptr<const CTemplateData> templ;
  std::shared_ptr<const CustomColumns> customColumns;
  std::string templateFolder;
  DesignChoice design;
};

// What the preview shows.
struct Result {
  std::uint64_t generation = 0;
  std::optional<MessageRequest> invalid;  // the validation's message instead of a report
  std::shared_ptr<const Report> report;   // the run's report
  std::string error;                      // why the run made no report (no design, a bad value)
  std::vector<std::string> warnings;
  bool ranInBackground = false;
};

class IEngine {
 public:
  virtual ~IEngine() = default;
  // Called on any thread, one run at a time per engine object.
  virtual Result Run(const Job& job) = 0;
};

// Runs a task on the UI thread after the event being handled (from any thread).
class IPoster {
 public:
  virtual ~IPoster() = default;
  virtual void Post(std::function<void()> task) = 0;
  // The same, once what the event changed on screen has been drawn: the refresh after an edit
  // must not hold up the edit's own repaint.
  virtual void PostAfterRepaint(std::function<void()> task) { Post(std::move(task)); }
};

// The tasks are run when the owner says so: headless runs and tests.
class QueuedPoster : public IPoster {
 public:
  void Post(std::function<void()> task) override;
  // Runs the queued tasks, and those they queue, until none is left; false when there was none.
  bool RunQueued();

 private:
  std::mutex m_mutex;
  std::vector<std::function<void()>> m_tasks;
};

class Controller {
 public:
  using SnapshotSource = std::function<Snapshot()>;
  // Designs of this many components and more run off the UI thread.
  static constexpr std::size_t kDefaultBackgroundFrom = 400;

  Controller(SnapshotSource source, std::shared_ptr<IEngine> engine, IPoster& poster,
             std::size_t backgroundFrom = kDefaultBackgroundFrom);
  ~Controller();  // waits for a run still going
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  // The template changed: one refresh is posted for any number of calls before it runs.
  void Changed();
  void SetDesign(DesignChoice choice);
  const DesignChoice& Choice() const { return m_design; }
  // Refreshes now when something changed since the last refresh.
  void RefreshIfChanged();

  const Result& Shown() const { return m_shown; }
  bool Running() const { return m_running; }
  // Hears each result as it is shown (UI thread).
  void SetShownListener(std::function<void(const Result&)> listener) { m_listener = std::move(listener); }

 private:
  void Refresh();
  void Start(Job job);
  void Finished(Result result);
  void Show(Result result);
  bool SameAsLast(const Snapshot& snapshot) const;

  SnapshotSource m_source;
  std::shared_ptr<IEngine> m_engine;
  IPoster& m_poster;
  std::size_t m_backgroundFrom;
  DesignChoice m_design;
  bool m_dirty = false;
  bool m_posted = false;
  bool m_running = false;
  std::optional<Job> m_pending;  // the newest job waiting for the worker
  std::uint64_t m_generation = 0;
  std::optional<Snapshot> m_last;  // what the last refresh saw
  DesignChoice m_lastDesign;
  Result m_shown;
  std::function<void(const Result&)> m_listener;
  std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);  // posted tasks check it
  Worker m_worker;  // last: joined before the rest goes
};

}  // namespace mirel::preview
