// What flushing costs the safe replacement: replaces the same set of 4 KB files with and
// without FlushFileBuffers (and a written-through rename) and prints one line each:
//   safe_replace flush=<0|1> files=<N> files_per_s=<x>
// An optional argument sets N (default 2000).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/text/code_page.h"

namespace {

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace marlivo;
  const int count = argc > 1 ? std::atoi(argv[1]) : 2000;
  char base[MAX_PATH + 1];
  GetTempPathA(MAX_PATH + 1, base);
  const std::string folder =
      std::string(base) + "marlivo-bench-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryW(files::ToSystemPath(folder).c_str(), nullptr);

  std::string content(4096, 'm');
  files::ReplaceOptions create;
  create.if_missing = files::IfMissing::kCreate;
  create.flush = false;
  for (int i = 0; i < count; ++i) {
    files::ReplaceFileContent(folder + "\\m" + std::to_string(i) + ".mtl", content, create);
  }

  int status = 0;
  for (int flush = 0; flush <= 1; ++flush) {
    files::ReplaceOptions options;
    options.flush = flush != 0;
    content[0] = static_cast<char>('a' + flush);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i) {
      const auto result = files::ReplaceFileContent(
          folder + "\\m" + std::to_string(i) + ".mtl", content, options);
      if (result.outcome != files::ReplaceOutcome::kReplaced) status = 1;
    }
    QueryPerformanceCounter(&end);
    std::printf("safe_replace flush=%d files=%d files_per_s=%.0f\n", flush, count,
                count / Seconds(start, end));
  }

  for (int i = 0; i < count; ++i) {
    DeleteFileW(files::ToSystemPath(folder + "\\m" + std::to_string(i) + ".mtl").c_str());
  }
  RemoveDirectoryW(files::ToSystemPath(folder).c_str());
  return status;
}
