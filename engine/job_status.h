// The status line and the progress bar as both passes and the job use them.
#pragma once

#include <cstddef>
#include <string_view>

#include "engine/job_front_end.h"

namespace marlivo::engine {

inline constexpr std::string_view kErrorStatus = "error!";
inline constexpr std::string_view kDoneStatus = "done it!";
inline constexpr std::string_view kSavedStatus = "saved successfully!";
inline constexpr std::string_view kWaitingStatus = "waiting...";

// Shows `text` (GBK) in the status line.
void SetStatus(JobFrontEnd& front_end, std::string_view text);

// The progress position for item `i` of `n` (both from 1): i / n * 100 in double
// precision, truncated toward zero.
int ProgressPosition(std::size_t i, std::size_t n);

// Sets the progress bar for item `i` of `n`.
void ReportProgress(JobFrontEnd& front_end, std::size_t i, std::size_t n);

}  // namespace marlivo::engine
