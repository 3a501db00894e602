// Loading and saving the six settings of section "configs".
#include "app/settings_store.h"

#include <optional>
#include <string>

#include "engine/dictionary/dictionary_text.h"
#include "engine/dictionary/ini_reader.h"
#include "engine/dictionary/ini_writer.h"
#include "engine/files/safe_replace.h"
#include "engine/files/system_path.h"
#include "engine/files/whole_file.h"
#include "engine/text/code_page.h"

namespace marlivo::app {
namespace {

using engine::JobInput;

constexpr std::string_view kSection = "configs";
constexpr std::string_view kMaterialFolderKey = "MaterialFolder";
constexpr std::string_view kFolderNameKey = "FolderName";
constexpr std::string_view kMaterialNameKey = "MaterialFolde";
constexpr std::string_view kFolderDoubleLangKey = "FolderNameDoubleLang";
constexpr std::string_view kMaterialDoubleLangKey = "MaterialFoldeDoubleLang";
constexpr std::string_view kFromKey = "From";

constexpr int kUnchecked = 0;
constexpr int kChecked = 1;

bool IsTrue(std::string value) {
  for (char& ch : value) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return value == "true";
}

// A stored check box: its value when there is one, else the box's default.
void LoadCheck(engine::JobFrontEnd& front_end, std::string_view text, std::string_view key,
               JobInput input, bool checked_when_empty) {
  const std::string value = dictionary::ReadIniValue(text, kSection, key);
  const bool checked = value.empty() ? checked_when_empty : IsTrue(value);
  front_end.SetCheckState(input, checked ? kChecked : kUnchecked);
}

std::string_view CheckValue(engine::JobFrontEnd& front_end, JobInput input) {
  return front_end.GetCheckState(input) == kChecked ? "true" : "false";
}

// Where a file's text stands as bytes: most files are GBK; a file with a UTF-8 byte
// order mark gets UTF-8 keys and values; a UTF-16 file is not written at all, since
// GBK bytes would damage it.
enum class FileEncoding { kGbk, kUtf8, kUtf16 };

FileEncoding EncodingOf(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return FileEncoding::kUtf8;
  if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
    return FileEncoding::kUtf16;
  }
  return FileEncoding::kGbk;
}

// The file being written: its text is read once and written back once for as long as
// the dictionary field keeps naming it.
class PendingFile {
 public:
  explicit PendingFile(std::string path) : path_(std::move(path)) {
    std::optional<std::string> bytes = files::ReadWholeFile(path_);
    if (bytes) {
      text_ = std::move(*bytes);
      encoding_ = EncodingOf(text_);
      usable_ = encoding_ != FileEncoding::kUtf16;
      changed_ = false;
    } else {
      // A missing file is made, as the system's writer makes it; one that exists but
      // cannot be read is left alone.
      usable_ = !files::GetFileStamp(files::ToSystemPath(path_)).has_value();
      changed_ = usable_;
    }
  }

  const std::string& path() const { return path_; }

  void Set(std::string_view key, std::string_view value) {
    if (!usable_) return;
    const std::string converted =
        encoding_ == FileEncoding::kUtf8 ? text::GbkToUtf8(value) : std::string(value);
    std::string updated = dictionary::SetIniValue(text_, kSection, key, converted);
    changed_ = changed_ || updated != text_;
    text_ = std::move(updated);
  }

  bool Write() const {
    if (!usable_) return false;
    if (!changed_) return true;
    files::ReplaceOptions options;
    options.if_missing = files::IfMissing::kCreate;
    return files::ReplaceFileContent(path_, text_, options).outcome ==
           files::ReplaceOutcome::kReplaced;
  }

 private:
  std::string path_;
  std::string text_;
  FileEncoding encoding_ = FileEncoding::kGbk;
  bool usable_ = false;
  bool changed_ = false;
};

}  // namespace

void LoadSettings(engine::JobFrontEnd& front_end, std::string_view path) {
  const std::string text = dictionary::DecodeDictionaryText(files::ReadFileOrEmpty(path));

  const std::string folder = dictionary::ReadIniValue(text, kSection, kMaterialFolderKey);
  if (!folder.empty()) front_end.SetMaterialFolderText(folder);
  LoadCheck(front_end, text, kFolderNameKey, JobInput::kFolderNameCheck, true);
  LoadCheck(front_end, text, kMaterialNameKey, JobInput::kMaterialNameCheck, true);
  LoadCheck(front_end, text, kFolderDoubleLangKey, JobInput::kFolderDoubleLangCheck, false);
  LoadCheck(front_end, text, kMaterialDoubleLangKey, JobInput::kMaterialDoubleLangCheck,
            false);

  const std::string from = dictionary::ReadIniValue(text, kSection, kFromKey);
  if (from.empty() || from == "0") {
    front_end.SetCheckState(JobInput::kFromFilenameRadio, kChecked);
    front_end.SetCheckState(JobInput::kFromPropertiesRadio, kUnchecked);
  }
  if (from == "1") {
    front_end.SetCheckState(JobInput::kFromFilenameRadio, kUnchecked);
    front_end.SetCheckState(JobInput::kFromPropertiesRadio, kChecked);
  }
}

bool SaveSettings(engine::JobFrontEnd& front_end) {
  std::optional<PendingFile> file;
  bool all_written = true;
  // Each key goes to the file that the field names at that moment; keys in a row for
  // the same file are written to it together.
  auto write = [&](std::string_view key, std::string_view value) {
    std::string path = front_end.GetDicFileText();
    if (file && file->path() != path) {
      all_written = file->Write() && all_written;
      file.reset();
    }
    if (!file) file.emplace(std::move(path));
    file->Set(key, value);
  };

  write(kMaterialFolderKey, front_end.GetMaterialFolderText());
  write(kFolderNameKey, CheckValue(front_end, JobInput::kFolderNameCheck));
  write(kMaterialNameKey, CheckValue(front_end, JobInput::kMaterialNameCheck));
  write(kFolderDoubleLangKey, CheckValue(front_end, JobInput::kFolderDoubleLangCheck));
  write(kMaterialDoubleLangKey, CheckValue(front_end, JobInput::kMaterialDoubleLangCheck));
  std::string_view from;
  if (front_end.GetCheckState(JobInput::kFromFilenameRadio) == kChecked) from = "0";
  if (front_end.GetCheckState(JobInput::kFromPropertiesRadio) == kChecked) from = "1";
  write(kFromKey, from);

  return file->Write() && all_written;
}

}  // namespace marlivo::app
