// The run log: the messages of the current or latest run, GBK text, each line ended by
// CR LF. The rename job appends on its worker thread while the window thread may save
// the log at any moment, so every access goes through one lock and saving works on a
// copy taken under it.
#pragma once

#include <mutex>
#include <string>
#include <string_view>

namespace marlivo::engine {

class RunLog {
 public:
  // The log becomes its old text + message + CR LF.
  void AppendLog(std::string_view message);
  // Empties the log; the start of every run does this.
  void Clear();
  // A copy of the whole text, taken under the lock.
  std::string Copy() const;
  bool IsEmpty() const;

 private:
  mutable std::mutex mutex_;
  std::string text_;  // guarded by mutex_
};

// The wording of a log line: prefix, then the name or path between double quotes.
std::string QuotedLogLine(std::string_view prefix, std::string_view name);

}  // namespace marlivo::engine
