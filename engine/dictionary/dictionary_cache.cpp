// Dictionary versions by path and stamp, and the two directions built from them.
#include "engine/dictionary/dictionary_cache.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "engine/dictionary/dictionary_text.h"
#include "engine/dictionary/ini_reader.h"
#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"

namespace marlivo::dictionary {
namespace {

constexpr std::string_view kDictionarySection = "dic";

// A run uses two files at most (the one named in the window and the default one);
// a few more cover tests and tools that switch between files.
constexpr std::size_t kCachedFiles = 4;

// How long a stamp, once checked, is taken as the file's.
constexpr std::chrono::microseconds kStampCheckInterval{1000};

using Clock = std::chrono::steady_clock;

struct CachedFile {
  std::wstring path;
  files::FileStamp stamp;
  Clock::time_point checked_at;      // when `stamp` was last compared with the file
  std::uint64_t replace_generation;  // files::ReplaceGeneration() at that moment
  std::shared_ptr<const DictionaryData> data;
};

std::mutex cache_mutex;
std::vector<CachedFile> cache;  // most recently used first; guarded by cache_mutex

}  // namespace

void DictionaryData::BuildForward() const {
  for (const IniEntry& entry : ReadIniSection(text_, kDictionarySection)) {
    std::wstring key = FoldIniName(entry.name);
    if (key.empty()) continue;
    // emplace keeps the first entry of a name, as the system's reader finds it.
    forward_.emplace(std::move(key),
                     entry.has_value ? IniValueText(entry.value) : std::string());
  }
}

std::string DictionaryData::Forward(std::string_view name) const {
  std::call_once(forward_once_, [this] { BuildForward(); });
  const std::wstring key = FoldIniName(name);
  if (key.empty()) return {};
  const auto found = forward_.find(key);
  return found == forward_.end() ? std::string() : found->second;
}

void DictionaryData::BuildReverse() const {
  reverse_text_ = ReverseSearchText(text_);
  reverse_ = std::make_unique<ReverseIndex>(reverse_text_);
}

const std::string& DictionaryData::ReverseText() const {
  std::call_once(reverse_once_, [this] { BuildReverse(); });
  return reverse_text_;
}

const ReverseIndex& DictionaryData::Reverse() const {
  std::call_once(reverse_once_, [this] { BuildReverse(); });
  return *reverse_;
}

std::shared_ptr<const DictionaryData> LoadDictionary(std::string_view gbk_path) {
  const std::wstring path = files::ToSystemPath(gbk_path);
  const Clock::time_point now = Clock::now();
  const std::uint64_t generation = files::ReplaceGeneration();
  std::unique_lock<std::mutex> lock(cache_mutex);
  auto cached = std::find_if(cache.begin(), cache.end(),
                             [&](const CachedFile& file) { return file.path == path; });
  if (cached != cache.end()) {
    if (cached != cache.begin()) std::rotate(cache.begin(), cached, cached + 1);
    CachedFile& file = cache.front();
    if (file.replace_generation == generation && now - file.checked_at < kStampCheckInterval) {
      return file.data;
    }
    lock.unlock();
    const std::optional<files::FileStamp> stamp = files::GetFileStamp(path);
    if (!stamp) return nullptr;
    lock.lock();
    for (CachedFile& again : cache) {
      if (again.path == path && again.stamp == *stamp) {
        again.checked_at = now;
        again.replace_generation = generation;
        return again.data;
      }
    }
  }
  lock.unlock();

  // Read outside the lock: another thread may look up another file meanwhile.
  files::FileStamp stamp;
  std::optional<std::string> bytes = files::ReadWholeFile(path, &stamp);
  if (!bytes) return nullptr;
  auto data = std::make_shared<const DictionaryData>(DecodeDictionaryText(*bytes));
  lock.lock();
  std::erase_if(cache, [&](const CachedFile& file) { return file.path == path; });
  cache.insert(cache.begin(), CachedFile{path, stamp, now, generation, data});
  if (cache.size() > kCachedFiles) cache.pop_back();
  return data;
}

}  // namespace marlivo::dictionary
