// What the rename job sees of its front end: the main window, or the console tool.
// The job reads its options here at the moment it needs them and reports through here;
// it knows nothing else of windows.
#pragma once

#include <string>
#include <string_view>

namespace marlivo::engine {

// The ten inputs that a run locks, in the order in which it disables and enables them.
enum class JobInput {
  kMaterialNameCheck,        // "Material Name"
  kFolderNameCheck,          // "Folder Name"
  kMaterialDoubleLangCheck,  // "Double Lang" in the row of "Material Name"
  kFolderDoubleLangCheck,    // "Double Lang" in the row of "Folder Name"
  kInvertCheck,              // "Invert"
  kMaterialFolderEdit,       // "Material Folder:"
  kDicFileEdit,              // "Dic File:"
  kStartButton,              // "Start"
  kFromFilenameRadio,        // "From Filename"
  kFromPropertiesRadio,      // "From Properties"
};

inline constexpr JobInput kLockedInputs[] = {
    JobInput::kMaterialNameCheck,   JobInput::kFolderNameCheck,
    JobInput::kMaterialDoubleLangCheck, JobInput::kFolderDoubleLangCheck,
    JobInput::kInvertCheck,         JobInput::kMaterialFolderEdit,
    JobInput::kDicFileEdit,         JobInput::kStartButton,
    JobInput::kFromFilenameRadio,   JobInput::kFromPropertiesRadio,
};

class JobFrontEnd {
 public:
  virtual ~JobFrontEnd() = default;

  // The two path fields, GBK text, exactly as typed.
  virtual std::string GetMaterialFolderText() = 0;
  virtual void SetMaterialFolderText(std::string_view text) = 0;
  virtual std::string GetDicFileText() = 0;

  // Check state of a check box or radio button (0 unchecked, 1 checked, 2 indeterminate).
  virtual int GetCheckState(JobInput input) = 0;
  virtual void SetCheckState(JobInput input, int state) = 0;

  virtual void SetInputEnabled(JobInput input, bool enabled) = 0;

  // The status line's text and the progress bar's position (0 to 100).
  virtual void ShowStatus(std::string_view text) = 0;
  virtual void ShowProgress(int position) = 0;
};

}  // namespace marlivo::engine
