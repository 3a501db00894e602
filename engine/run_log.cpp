// The run log's text and its lock.
#include "engine/run_log.h"

namespace marlivo::engine {

void RunLog::AppendLog(std::string_view message) {
  std::lock_guard<std::mutex> lock(mutex_);
  text_.append(message);
  text_.append("\r\n");
}

void RunLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  text_.clear();
}

std::string RunLog::Copy() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_;
}

bool RunLog::IsEmpty() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return text_.empty();
}

std::string QuotedLogLine(std::string_view prefix, std::string_view name) {
  std::string line;
  line.reserve(prefix.size() + name.size() + 2);
  line.append(prefix);
  line.push_back('"');
  line.append(name);
  line.push_back('"');
  return line;
}

}  // namespace marlivo::engine
