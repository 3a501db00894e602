// The material pass over MaterialFileList.
#include "engine/material_pass.h"

#include <optional>

#include "engine/dictionary.h"
#include "engine/files/whole_file.h"
#include "engine/job_status.h"
#include "engine/log_messages.h"
#include "engine/material_header.h"
#include "engine/path_parts.h"
#include "engine/text/code_page.h"
#include "engine/text/gbk_text.h"

namespace marlivo::engine {
namespace {

struct MaterialOptions {
  bool from_filename;
  bool invert;
  bool double_lang;
};

void LogOutcome(JobState& state, ChangeOutcome outcome, const std::string& path) {
  switch (outcome) {
    case ChangeOutcome::kDone: return;
    case ChangeOutcome::kReadOnly:
      state.RunLog.AppendLog(QuotedLogLine(kReadOnlyPrefix, path));
      return;
    case ChangeOutcome::kInUse:
      state.RunLog.AppendLog(QuotedLogLine(kInUsePrefix, path));
      return;
    case ChangeOutcome::kExists:
    case ChangeOutcome::kFailed:
      state.RunLog.AppendLog(QuotedLogLine(kCannotWritePrefix, path));
      return;
  }
}

void RenameMaterial(JobState& state, const MaterialOptions& options, const std::string& path,
                    std::string_view dictionary) {
  const std::string base_name = BaseName(path);
  const std::optional<std::string> content = files::ReadWholeFile(path);

  std::string name;
  if (options.from_filename) {
    name = base_name;
  } else {
    if (content) name = DecodeHeaderName(*content, text::Utf8ToGbk);
    if (name.empty()) {
      state.RunLog.AppendLog(QuotedLogLine(kNotFindDicPrefix, path));
      return;
    }
  }

  std::string new_name;
  if (options.invert && options.from_filename) {
    new_name = base_name;
  } else if (options.invert) {
    const std::string value =
        options.double_lang ? text::TextBetween(name + "$]", state.NameSeparator, "$]")
                            : name;
    new_name = ReverseLookup(dictionary, value, state.RunLog);
    if (text::IsBlank(new_name)) {
      state.RunLog.AppendLog(QuotedLogLine(kErrorNotFindDicPrefix, value));
      return;
    }
  } else {
    new_name = ForwardLookup(dictionary, name);
    if (text::IsBlank(new_name)) return;
    if (options.double_lang) new_name = name + state.NameSeparator + new_name;
  }

  // Only "From Filename" gets here without a header: "From Properties" has logged it.
  if (!content) {
    state.RunLog.AppendLog(QuotedLogLine(kCannotReadPrefix, path));
    return;
  }
  const std::optional<std::string> rewritten =
      RewriteMaterialHeader(*content, text::GbkToUtf8(new_name));
  if (!rewritten) {
    state.RunLog.AppendLog(QuotedLogLine(kNoHeaderPrefix, path));
    return;
  }
  if (*rewritten == *content) return;  // the header says so already
  const std::string old_name = DecodeHeaderName(*content, text::Utf8ToGbk);
  LogOutcome(state, state.Changes().ReplaceMaterial(path, old_name, new_name, *rewritten),
             path);
}

}  // namespace

void RunMaterialPass(JobFrontEnd& front_end, JobState& state,
                     const std::vector<std::string>& files, std::string_view dictionary) {
  // The inputs are locked for the whole run, so reading the options once is reading
  // them at every file.
  const MaterialOptions options{
      front_end.GetCheckState(JobInput::kFromFilenameRadio) != 0,
      front_end.GetCheckState(JobInput::kInvertCheck) != 0,
      front_end.GetCheckState(JobInput::kMaterialDoubleLangCheck) != 0,
  };
  const std::size_t count = files.size();
  for (std::size_t i = 0; i < count && !state.StopRequested(); ++i) {
    ReportProgress(front_end, i + 1, count);
    SetStatus(front_end, BaseName(files[i]));
    RenameMaterial(state, options, files[i], dictionary);
  }
}

std::string ReadMaterialName(std::string_view path) {
  const std::optional<std::string> content = files::ReadWholeFile(path);
  if (!content) return {};
  return DecodeHeaderName(*content, text::Utf8ToGbk);
}

}  // namespace marlivo::engine
