#include "preview/Controller.h"

#include "design/Design.h"

namespace mirel::preview {

namespace {

bool SameTemplate(const CTemplateData& a, const CTemplateData& b) {
  return a.m_reportName == b.m_reportName && a.m_structure == b.m_structure && a.m_titlePage == b.m_titlePage &&
         a.m_duplicateCellValues == b.m_duplicateCellValues && a.m_refDesAsRange == b.m_refDesAsRange &&
         a.m_pinNumberAsRange == b.m_pinNumberAsRange && a.m_removeRowIfAllEmpty == b.m_removeRowIfAllEmpty &&
         a.m_removeRowIfAnyEmpty == b.m_removeRowIfAnyEmpty && EqualTmpltQueries(a.m_queries, b.m_queries);
}

bool SameVerdict(const std::optional<MessageRequest>& a, const std::optional<MessageRequest>& b) {
  if (!a || !b) return !a && !b;
  return a->code == b->code && a->text == b->text;
}

}  // namespace

void QueuedPoster::Post(std::function<void()> task) {
  std::lock_guard lock(m_mutex);
  m_tasks.push_back(std::move(task));
}

bool QueuedPoster::RunQueued() {
  bool ran = false;
  while (true) {
    std::vector<std::function<void()>> tasks;
    {
      std::lock_guard lock(m_mutex);
      tasks.swap(m_tasks);
    }
    if (tasks.empty()) return ran;
    for (auto& task : tasks) task();
    ran = true;
  }
}

Controller::Controller(SnapshotSource source, std::shared_ptr<IEngine> engine, IPoster& poster,
                       std::size_t backgroundFrom)
    : m_source(std::move(source)), m_engine(std::move(engine)), m_poster(poster), m_backgroundFrom(backgroundFrom) {}

Controller::~Controller() = default;

void Controller::Changed() {
  m_dirty = true;
  if (m_posted) return;
  m_posted = true;
  m_poster.PostAfterRepaint([this, alive = std::weak_ptr<bool>(m_alive)] {
    if (alive.expired()) return;
    m_posted = false;
    RefreshIfChanged();
  });
}

void Controller::SetDesign(DesignChoice choice) {
  if (choice == m_design) return;
  m_design = std::move(choice);
  Changed();
}

void Controller::RefreshIfChanged() {
  if (!m_dirty) return;
  m_dirty = false;
  Refresh();
}

bool Controller::SameAsLast(const Snapshot& snapshot) const {
  if (!m_last || !(m_lastDesign == m_design) || !SameVerdict(m_last->invalid, snapshot.invalid)) return false;
  if (!m_last->templ || !snapshot.templ) return m_last->templ == snapshot.templ;
  return SameTemplate(*m_last->templ, *snapshot.templ);
}

void Controller::Refresh() {
  Snapshot snapshot = m_source();
  if (SameAsLast(snapshot)) return;  // a change notice that changed nothing the report sees
  m_last = snapshot;
  m_lastDesign = m_design;
  const std::uint64_t generation = ++m_generation;
  m_pending.reset();  // overtaken before it started

  Result immediate;
  immediate.generation = generation;
  if (snapshot.invalid) {
    immediate.invalid = std::move(snapshot.invalid);
    Show(std::move(immediate));
    return;
  }
  if (!m_design.design) {
    immediate.error = "no design is open";
    Show(std::move(immediate));
    return;
  }
  Job job{generation, std::move(snapshot.templ), std::move(snapshot.customColumns), std::move(snapshot.templateFolder),
          m_design};
  if (m_design.design->components.size() < m_backgroundFrom) {
    Show(m_engine->Run(job));
    return;
  }
  if (m_running) m_pending = std::move(job);
  else Start(std::move(job));
}

void Controller::Start(Job job) {
  m_running = true;
  m_worker.Run([this, engine = m_engine, job = std::move(job), alive = std::weak_ptr<bool>(m_alive)] {
    Result result = engine->Run(job);
    result.ranInBackground = true;
    // The controller outlives the worker (its destructor joins it); the posted task may not.
    m_poster.Post([this, alive, result = std::move(result)]() mutable {
      if (!alive.expired()) Finished(std::move(result));
    });
  });
}

void Controller::Finished(Result result) {
  m_running = false;
  if (result.generation == m_generation) Show(std::move(result));  // else a newer change overtook it
  if (m_pending) {
    Job next = std::move(*m_pending);
    m_pending.reset();
    Start(std::move(next));
  }
}

void Controller::Show(Result result) {
  m_shown = std::move(result);
  if (m_listener) m_listener(m_shown);
}

}  // namespace mirel::preview
