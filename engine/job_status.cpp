// Status text and progress position.
#include "engine/job_status.h"

namespace marlivo::engine {

void SetStatus(JobFrontEnd& front_end, std::string_view text) { front_end.ShowStatus(text); }

int ProgressPosition(std::size_t i, std::size_t n) {
  if (n == 0) return 0;
  return static_cast<int>(static_cast<double>(i) / static_cast<double>(n) * 100.0);
}

void ReportProgress(JobFrontEnd& front_end, std::size_t i, std::size_t n) {
  front_end.ShowProgress(ProgressPosition(i, n));
}

}  // namespace marlivo::engine
