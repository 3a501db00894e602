// The rename job on a generated library, headless, in each mode, against an I/O floor:
// reading every material file and writing it back in place the same safe way the pass
// does, with no lookup and no parsing. One line per mode:
//   run mode=<m> files=<N> entries=<M> seconds=<s> ratio_to_floor=<r> peak_mb=<m>
// The disk's own speed drifts by a tenth and more within one row (write-back of the
// files the previous mode wrote), so each material mode is set against a floor measured
// just before it on the same files; the floor line gives the first of them. Below each
// row, what the job adds to the I/O: the collection of the files and the lookups alone.
// Without arguments: N=10,000 and M=10,000, then the scaling rows (N of 1,000 and 50,000
// with M=10,000; M of 1,000 and 100,000 with N=10,000). With two arguments: N and M only.
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "engine/dictionary.h"
#include "engine/job_state.h"
#include "engine/material_collection.h"
#include "engine/rename_job.h"
#include "engine/text/code_page.h"

namespace {

using namespace marlivo;
using engine::JobInput;

constexpr std::size_t kFilesPerFolder = 50;
constexpr std::size_t kFoldersPerGroup = 20;
constexpr std::size_t kMaterialBytes = 4096;

// The front end of a headless run: the inputs as set, nothing shown.
class BenchFrontEnd final : public engine::JobFrontEnd {
 public:
  std::string folder;
  std::string dictionary;
  int checks[10] = {};
  std::string GetMaterialFolderText() override { return folder; }
  void SetMaterialFolderText(std::string_view text) override { folder = text; }
  std::string GetDicFileText() override { return dictionary; }
  int GetCheckState(JobInput input) override { return checks[static_cast<int>(input)]; }
  void SetCheckState(JobInput input, int state) override { checks[static_cast<int>(input)] = state; }
  void SetInputEnabled(JobInput, bool) override {}
  void ShowStatus(std::string_view) override {}
  void ShowProgress(int) override {}
};

// Entry k of the dictionary: an English or a Chinese source name and its target.
std::string SourceName(std::size_t k) {
  return k % 2 ? "Material " + std::to_string(k) : "\xB2\xC4\xD6\xCA" + std::to_string(k);  // 材质
}
std::string TargetName(std::size_t k) { return "\xC4\xBF\xB1\xEA " + std::to_string(k); }  // 目标

std::string Hex(std::string_view bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string hex;
  for (const unsigned char c : bytes) {
    hex.push_back(digits[c >> 4]);
    hex.push_back(digits[c & 15]);
  }
  return hex;
}

bool WriteNew(const std::string& path, std::string_view content) {
  files::ReplaceOptions create;
  create.if_missing = files::IfMissing::kCreate;
  create.flush = false;
  return files::ReplaceFileContent(path, content, create).outcome == files::ReplaceOutcome::kReplaced;
}

struct Library {
  std::string root;
  std::string dictionary;
  std::vector<std::string> files;
};

// N files of about 4 KB, 50 to a folder, 20 folders to a group; the files and the
// folders are named by dictionary entries, so every mode has work on every item.
Library MakeLibrary(const std::string& base, std::size_t n, std::size_t m) {
  Library library;
  library.root = base + "\\lib";
  library.dictionary = base + "\\dic.ini";
  CreateDirectoryW(files::ToSystemPath(base).c_str(), nullptr);
  CreateDirectoryW(files::ToSystemPath(library.root).c_str(), nullptr);
  std::string dictionary = "[configs]\r\nFrom=0\r\n[dic]\r\n";
  for (std::size_t k = 0; k < m; ++k) dictionary += SourceName(k) + "=" + TargetName(k) + "\r\n";
  WriteNew(library.dictionary, dictionary);

  const std::size_t folders = (n + kFilesPerFolder - 1) / kFilesPerFolder;
  std::string group_path;
  std::string folder_path;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t folder = i / kFilesPerFolder;
    if (i % kFilesPerFolder == 0) {
      if (folder % kFoldersPerGroup == 0) {
        group_path = library.root + "\\" + SourceName((m - 1 - folder / kFoldersPerGroup) % m);
        CreateDirectoryW(files::ToSystemPath(group_path).c_str(), nullptr);
      }
      folder_path = group_path + "\\" + SourceName((m / 2 + folder) % m);
      CreateDirectoryW(files::ToSystemPath(folder_path).c_str(), nullptr);
    }
    const std::string name = SourceName(i % m);
    const std::string utf8 = text::GbkToUtf8(name);
    const std::string field = i % 2 ? "\"" + utf8 + "\"" : "xX" + Hex(utf8);
    std::string content = "// generated\r\n#define material " + field + " {\r\n";
    while (content.size() < kMaterialBytes) content += "  color 0.25 0.5 0.75\r\n";
    content += "}\r\n";
    const std::string path = folder_path + "\\" + name + ".mtl";
    WriteNew(path, content);
    library.files.push_back(path);
  }
  (void)folders;
  return library;
}

double FloorSeconds(const Library& library) {
  const auto start = std::chrono::steady_clock::now();
  for (const std::string& path : library.files) {
    const auto content = files::ReadWholeFile(path);
    if (content) files::ReplaceFileContent(path, *content);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double CollectionSeconds(const Library& library) {
  engine::JobState state;
  const auto start = std::chrono::steady_clock::now();
  engine::CollectMaterialFiles(state, library.root);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double LookupSeconds(const Library& library, std::size_t n, std::size_t m) {
  std::size_t found = 0;
  const auto start = std::chrono::steady_clock::now();
  for (std::size_t k = 0; k < n; ++k) {
    found += !engine::ForwardLookup(library.dictionary, SourceName(k % m)).empty();
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (found != n) std::printf("  (only %zu of %zu names found)\n", found, n);
  return seconds;
}

double RunSeconds(const Library& library, bool materials, bool from_properties, bool invert) {
  BenchFrontEnd front_end;
  front_end.folder = library.root;
  front_end.dictionary = library.dictionary;
  front_end.SetCheckState(JobInput::kMaterialNameCheck, materials);
  front_end.SetCheckState(JobInput::kFolderNameCheck, !materials);
  front_end.SetCheckState(JobInput::kFromFilenameRadio, !from_properties);
  front_end.SetCheckState(JobInput::kFromPropertiesRadio, from_properties);
  front_end.SetCheckState(JobInput::kInvertCheck, invert);
  engine::JobState state;
  state.DefaultDictionaryPath = library.dictionary;
  const auto start = std::chrono::steady_clock::now();
  engine::RenameJob(front_end, state);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PeakMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(files::ToSystemPath(folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(folder + L"\\" + name);
      else DeleteFileW(files::ToSystemPath(folder + L"\\" + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(files::ToSystemPath(folder).c_str());
}

void Report(const char* mode, std::size_t n, std::size_t m, double seconds, double floor) {
  std::printf("run mode=%s files=%zu entries=%zu seconds=%.2f ratio_to_floor=%.2f peak_mb=%.0f\n",
              mode, n, m, seconds, floor > 0 ? seconds / floor : 0.0, PeakMegabytes());
  std::fflush(stdout);
}

void Measure(std::size_t n, std::size_t m) {
  wchar_t temp[MAX_PATH + 1];
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring base = std::wstring(temp) + L"marlivo-bench-run-" + std::to_wstring(GetCurrentProcessId());
  RemoveTree(base);
  const Library library = MakeLibrary(text::WideToGbk(base), n, m);
  double floor = FloorSeconds(library);
  std::printf("run mode=floor files=%zu entries=%zu seconds=%.2f\n", n, m, floor);
  // Each mode turns every name into the other: file names to targets, targets back to
  // sources, sources to targets again; folders forward, then back.
  Report("forward-filename", n, m, RunSeconds(library, true, false, false), floor);
  floor = FloorSeconds(library);
  Report("invert-properties", n, m, RunSeconds(library, true, true, true), floor);
  floor = FloorSeconds(library);
  Report("forward-properties", n, m, RunSeconds(library, true, true, false), floor);
  Report("folders-forward", n, m, RunSeconds(library, false, false, false), floor);
  Report("folders-invert", n, m, RunSeconds(library, false, false, true), floor);
  std::printf("  (collection of the %zu files %.3f s, %zu forward lookups %.3f s)\n", n,
              CollectionSeconds(library), n, LookupSeconds(library, n, m));
  RemoveTree(base);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3) {
    Measure(std::strtoull(argv[1], nullptr, 10), std::strtoull(argv[2], nullptr, 10));
    return 0;
  }
  Measure(10000, 10000);
  Measure(1000, 10000);
  Measure(50000, 10000);
  Measure(10000, 1000);
  Measure(10000, 100000);
  return 0;
}
