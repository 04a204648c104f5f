// The preview controller with a fake engine: which changes make a run, on which thread, and which
// result is shown.
#include "preview/Controller.h"

#include <gtest/gtest.h>

#include <future>
#include <map>

#include "design/Design.h"

namespace mirel::preview {
namespace {

constexpr std::size_t kBackgroundFrom = 10;

std::shared_ptr<const design::Design> DesignOf(std::size_t components) {
  auto design = std::make_shared<design::Design>();
  design->components.resize(components);
  return design;
}

// Each run names the template it saw in its warnings; a run can be held until released.
class FakeEngine : public IEngine {
 public:
  Result Run(const Job& job) override {
    std::shared_future<void> gate;
    {
      std::lock_guard lock(m_mutex);
      m_names.push_back(job.templ->m_reportName);
      if (auto held = m_gates.find(job.templ->m_reportName); held != m_gates.end()) gate = held->second;
    }
    if (gate.valid()) gate.wait();
    Result result;
    result.generation = job.generation;
    result.warnings = {job.templ->m_reportName};
    return result;
  }
  // Runs of a template of this name wait for Release.
  void Hold(const std::string& name) { m_gates[name] = m_promises[name].get_future().share(); }
  void Release(const std::string& name) { m_promises[name].set_value(); }
  std::vector<std::string> Names() {
    std::lock_guard lock(m_mutex);
    return m_names;
  }

 private:
  std::mutex m_mutex;
  std::vector<std::string> m_names;
  std::map<std::string, std::promise<void>> m_promises;
  std::map<std::string, std::shared_future<void>> m_gates;
};

class ControllerTest : public testing::Test {
 protected:
  ControllerTest() {
    m_controller.SetShownListener([this](const Result& result) { m_seen.push_back(Seen(result)); });
  }
  Snapshot Take() {
    ++m_snapshots;
    auto data = std::make_shared<CTemplateData>();
    data->m_reportName = m_name;
    Snapshot snapshot;
    snapshot.templ = data;
    snapshot.invalid = m_invalid;
    return snapshot;
  }
  static std::string Seen(const Result& result) {
    if (result.invalid) return "invalid " + result.invalid->code;
    if (!result.error.empty()) return "error " + result.error;
    return result.warnings.empty() ? "?" : result.warnings.front();
  }
  // Runs posted tasks until the background run (if any) is done and shown.
  void Settle() {
    for (int i = 0; i < 2000 && (m_poster.RunQueued() || m_controller.Running()); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  void Edit(const std::string& name) {
    m_name = name;
    m_controller.Changed();
  }

  std::string m_name = "A";
  std::optional<MessageRequest> m_invalid;
  int m_snapshots = 0;
  std::vector<std::string> m_seen;
  std::shared_ptr<FakeEngine> m_engine = std::make_shared<FakeEngine>();
  QueuedPoster m_poster;
  Controller m_controller{[this] { return Take(); }, m_engine, m_poster, kBackgroundFrom};
};

TEST_F(ControllerTest, ABurstOfChangesIsOneSnapshotAndOneRunOnceTheUiThreadIsFree) {
  m_controller.SetDesign({DesignOf(2), "small.json", "", false});
  Edit("A");
  Edit("AB");
  Edit("ABC");
  EXPECT_EQ(m_snapshots, 0) << "nothing is read while the change is being handled";
  m_poster.RunQueued();
  EXPECT_EQ(m_snapshots, 1);
  EXPECT_EQ(m_engine->Names(), std::vector<std::string>{"ABC"});
  EXPECT_EQ(m_seen, std::vector<std::string>{"ABC"});
  EXPECT_FALSE(m_controller.Shown().ranInBackground);
}

TEST_F(ControllerTest, ANoticeThatChangedNothingTheReportSeesRunsNothing) {
  m_controller.SetDesign({DesignOf(2), "small.json", "", false});
  Settle();
  Edit("A");  // the same template again, as after a refused edit
  Settle();
  EXPECT_EQ(m_engine->Names().size(), 1u);
  m_controller.SetDesign({DesignOf(2), "small.json", "", true});  // fitted only: a new run
  Settle();
  EXPECT_EQ(m_engine->Names().size(), 2u);
}

TEST_F(ControllerTest, AnInvalidQueryShowsItsMessageWithoutARunAndAValidOneRunsAgain) {
  m_controller.SetDesign({DesignOf(2), "small.json", "", false});
  Settle();
  m_invalid = MessageRequest{"ZRREPS-238", {}, "Incorrect view order", MessageButtons::Ok};
  Edit("A");
  Settle();
  m_invalid.reset();
  Edit("A");  // the query as it was before: shown again, not taken for "unchanged"
  Settle();
  EXPECT_EQ(m_seen, (std::vector<std::string>{"A", "invalid ZRREPS-238", "A"}));
  EXPECT_EQ(m_engine->Names().size(), 2u);
}

TEST_F(ControllerTest, WithoutADesignThePreviewSaysSoAndRunsNothing) {
  Edit("A");
  Settle();
  EXPECT_EQ(m_seen, std::vector<std::string>{"error no design is open"});
  EXPECT_TRUE(m_engine->Names().empty());
}

TEST_F(ControllerTest, ALargeDesignRunsOffTheUiThreadAndANewerChangeWinsOverTheOlderRun) {
  m_engine->Hold("old");
  m_name = "old";
  m_controller.SetDesign({DesignOf(kBackgroundFrom), "large.json", "", false});
  m_poster.RunQueued();
  ASSERT_TRUE(m_controller.Running()) << "the UI thread does not wait for the run";
  EXPECT_TRUE(m_seen.empty());

  Edit("new");
  m_poster.RunQueued();  // the newer snapshot waits for the worker
  m_engine->Release("old");
  Settle();
  EXPECT_EQ(m_engine->Names(), (std::vector<std::string>{"old", "new"}));
  EXPECT_EQ(m_seen, std::vector<std::string>{"new"}) << "the overtaken result is never shown";
  EXPECT_TRUE(m_controller.Shown().ranInBackground);
}

TEST_F(ControllerTest, ASmallDesignChosenWhileALargeOneRunsIsShownAndTheLargeResultDropped) {
  m_engine->Hold("A");
  m_controller.SetDesign({DesignOf(kBackgroundFrom), "large.json", "", false});
  m_poster.RunQueued();
  m_controller.SetDesign({DesignOf(1), "small.json", "", false});
  Edit("B");
  m_poster.RunQueued();
  EXPECT_EQ(m_seen, std::vector<std::string>{"B"});
  m_engine->Release("A");
  Settle();
  EXPECT_EQ(m_seen, std::vector<std::string>{"B"});
}

TEST(ControllerLifetime, DestroyedWhileARunIsGoingItWaitsAndItsResultGoesNowhere) {
  auto engine = std::make_shared<FakeEngine>();
  QueuedPoster poster;
  engine->Hold("");
  std::thread release;
  {
    Snapshot empty;
    empty.templ = std::make_shared<CTemplateData>();
    Controller controller([empty] { return empty; }, engine, poster, 1);
    controller.SetDesign({DesignOf(5), "large.json", "", false});
    poster.RunQueued();
    ASSERT_TRUE(controller.Running());
    // Released once the run has started, a little after the controller began to go.
    release = std::thread([&engine] {
      for (int i = 0; i < 2000 && engine->Names().empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      engine->Release("");
    });
    while (engine->Names().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  release.join();
  EXPECT_TRUE(poster.RunQueued()) << "the run's result was posted";  // and found no controller
}

}  // namespace
}  // namespace mirel::preview
