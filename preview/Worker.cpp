#include "preview/Worker.h"

namespace mirel::preview {

Worker::~Worker() {
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
    m_tasks.clear();
  }
  m_wake.notify_all();
  if (m_thread.joinable()) m_thread.join();
}

void Worker::Run(std::function<void()> task) {
  {
    std::lock_guard lock(m_mutex);
    m_tasks.push_back(std::move(task));
    if (!m_thread.joinable()) m_thread = std::thread([this] { Loop(); });
  }
  m_wake.notify_one();
}

void Worker::Loop() {
  std::unique_lock lock(m_mutex);
  while (true) {
    m_wake.wait(lock, [this] { return m_stop || !m_tasks.empty(); });
    if (m_stop) return;
    std::function<void()> task = std::move(m_tasks.front());
    m_tasks.pop_front();
    lock.unlock();
    task();
    lock.lock();
  }
}

}  // namespace mirel::preview
