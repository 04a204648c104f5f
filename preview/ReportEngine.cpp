// The report engine as the preview runs it.
#include "preview/Engine.h"

namespace mirel::preview {

namespace {

class ReportEngine : public IEngine {
 public:
  explicit ReportEngine(IZRQueryServer& vocabulary) : m_vocabulary(vocabulary) {}
  Result Run(const Job& job) override {
    Result result;
    result.generation = job.generation;
    result.error = "the report engine is not built in";
    return result;
  }

 private:
  [[maybe_unused]] IZRQueryServer& m_vocabulary;
};

}  // namespace

std::shared_ptr<IEngine> MakeReportEngine(IZRQueryServer& vocabulary) { return std::make_shared<ReportEngine>(vocabulary); }

}  // namespace mirel::preview
