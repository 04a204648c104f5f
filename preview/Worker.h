#pragma once
// One thread that runs tasks one after another, started with the first task; the destructor
// waits for the task running and drops those not started.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace mirel::preview {

class Worker {
 public:
  Worker() = default;
  ~Worker();
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  void Run(std::function<void()> task);

 private:
  void Loop();

  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<std::function<void()>> m_tasks;
  bool m_stop = false;
  std::thread m_thread;
};

}  // namespace mirel::preview
