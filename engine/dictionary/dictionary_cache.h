// The dictionary files that the lookups have read, each kept with its stamp and read
// again when the file's size or last-write time changes. A run makes one lookup per
// material or folder, so without this every lookup would read and parse the whole file.
//
// Asking the file system for the stamp costs more than the lookup itself (about 11 us
// under Wine), so a stamp is asked for at most once a millisecond per file; a file that
// this process replaces through the safe replacement (the settings, for instance) is
// seen at once. A change made by another program shows within a millisecond, which is
// finer than the file systems' own last-write times (a few milliseconds on Linux).
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "engine/dictionary/reverse_search.h"

namespace marlivo::dictionary {

// One version of one dictionary file. The two directions are built on first use, each
// once, whichever thread asks first.
class DictionaryData {
 public:
  explicit DictionaryData(std::string text) : text_(std::move(text)) {}
  DictionaryData(const DictionaryData&) = delete;
  DictionaryData& operator=(const DictionaryData&) = delete;

  // The value of `name` in section "dic", as the forward lookup gives it.
  std::string Forward(std::string_view name) const;

  // The text the reverse lookup searches, and the index of its plain names.
  const std::string& ReverseText() const;
  const ReverseIndex& Reverse() const;

 private:
  void BuildForward() const;
  void BuildReverse() const;

  std::string text_;  // the whole file as GBK text
  mutable std::once_flag forward_once_;
  mutable std::unordered_map<std::wstring, std::string> forward_;  // by folded name
  mutable std::once_flag reverse_once_;
  mutable std::string reverse_text_;
  mutable std::unique_ptr<ReverseIndex> reverse_;
};

// The current version of the file (GBK path); nothing when it cannot be read, which the
// lookups treat as an empty dictionary.
std::shared_ptr<const DictionaryData> LoadDictionary(std::string_view gbk_path);

}  // namespace marlivo::dictionary
