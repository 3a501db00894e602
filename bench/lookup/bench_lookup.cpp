// Lookup speed on big dictionaries. For 1,000, 10,000 and 100,000 entries it builds a
// dictionary with Chinese and English names and prints one line:
//   lookup entries=<M> forward_per_s=<x> reverse_per_s=<y> plain_reverse_per_s=<z>
// forward and reverse are ForwardLookup and ReverseLookup as a run makes them (the
// dictionary read once, then answered from its index); plain_reverse makes the same
// reverse lookups the plain way: read the file and run the pattern over the section,
// every time.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/dictionary.h"
#include "engine/dictionary/pattern_search.h"
#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/run_log.h"

namespace {

using Clock = LARGE_INTEGER;

Clock Now() {
  Clock now;
  QueryPerformanceCounter(&now);
  return now;
}

double Seconds(Clock from, Clock to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

// Half the names Chinese (金属 n), half English, on both sides.
std::string Source(int i) {
  return std::string(i % 2 ? "Metal " : "\xBD\xF0\xCA\xF4 ").append(std::to_string(i));
}
std::string Target(int i) {
  return std::string(i % 2 ? "\xBD\xF0\xCA\xF4-" : "Metal-").append(std::to_string(i));
}

// Runs `lookup` over the names for about `budget` seconds at least; lookups a second.
template <typename Lookup>
double Rate(const std::vector<std::string>& names, double budget, Lookup lookup) {
  std::size_t done = 0;
  std::size_t misses = 0;
  const Clock start = Now();
  double elapsed = 0;
  do {
    for (const std::string& name : names) {
      if (lookup(name).empty()) ++misses;
      ++done;
    }
    elapsed = Seconds(start, Now());
  } while (elapsed < budget);
  if (misses) std::fprintf(stderr, "%zu lookups found nothing\n", misses);
  return static_cast<double>(done) / elapsed;
}

}  // namespace

int main() {
  using namespace marlivo;
  char base[MAX_PATH + 1];
  GetTempPathA(MAX_PATH + 1, base);
  const std::string path = std::string(base)
                               .append("marlivo-bench-dic-")
                               .append(std::to_string(GetCurrentProcessId()))
                               .append(".ini");

  for (int entries : {1000, 10000, 100000}) {
    std::string text = "[configs]\r\nMaterialFolder=C:\\m\r\n[dic]\r\n";
    for (int i = 0; i < entries; ++i) {
      text.append(Source(i)).append("=").append(Target(i)).append("\r\n");
    }
    files::ReplaceOptions create;
    create.if_missing = files::IfMissing::kCreate;
    files::ReplaceFileContent(path, text, create);

    // The names a run would look up: spread over the whole dictionary.
    std::vector<std::string> sources, targets;
    const int step = entries / 1000;
    for (int i = 0; i < entries; i += step) {
      sources.push_back(Source(i));
      targets.push_back(Target(i));
    }
    // The index is built once per version of the file, by the first lookup of a run;
    // its cost is timed on its own, and the rates are those of the lookups after it.
    engine::RunLog log;
    const Clock build_start = Now();
    engine::ForwardLookup(path, sources[0]);
    engine::ReverseLookup(path, targets[0], log);
    const double build_seconds = Seconds(build_start, Now());
    const double forward = Rate(sources, 1.0, [&](const std::string& name) {
      return engine::ForwardLookup(path, name);
    });
    const double reverse = Rate(targets, 1.0, [&](const std::string& name) {
      return engine::ReverseLookup(path, name, log);
    });
    const std::vector<std::string> few(targets.begin(), targets.begin() + 20);
    const double plain = Rate(few, 1.0, [&](const std::string& name) {
      return dictionary::PlainReverseLookup(path, name, log);
    });
    std::printf("lookup entries=%d forward_per_s=%.0f reverse_per_s=%.0f "
                "plain_reverse_per_s=%.1f\n",
                entries, forward, reverse, plain);
    std::fprintf(stderr, "  (index of %d entries read and built in %.3f s)\n", entries,
                 build_seconds);
    std::fflush(stdout);
  }
  DeleteFileW(files::ToSystemPath(path).c_str());
  return 0;
}
