// The program's objects: the application object, the main form, the fifteen controls of
// the main window and the job's state, made at start in this order and kept until the
// exit sequence, which destroys them in the same order.
#pragma once

#include <optional>

#include "app/window_front_end.h"
#include "engine/job_state.h"
#include "ui/controls/check_box.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/label.h"
#include "ui/controls/picture_box.h"
#include "ui/controls/progress_bar.h"
#include "ui/controls/push_button.h"
#include "ui/forms/form_window.h"
#include "ui/framework/application.h"

namespace marlivo::app {

struct ProgramObjects {
  // In the order of construction, which is also the order of destruction.
  std::optional<ui::qoApplication> App;
  std::optional<ui::qoWindow> MainForm;
  std::optional<ui::qoPushButton> StartButton;
  std::optional<ui::qoEdit> MaterialFolderEdit;
  std::optional<ui::qoEdit> DicFileEdit;
  std::optional<ui::qoLabel> MaterialFolderLabel;
  std::optional<ui::qoLabel> DicFileLabel;
  std::optional<ui::qoLabel> StatusLabel;
  std::optional<ui::qoRadioButton> FromFilenameRadio;
  std::optional<ui::qoRadioButton> FromPropertiesRadio;
  std::optional<ui::qoCheckBox> MaterialNameCheck;
  std::optional<ui::qoCheckBox> FolderNameCheck;
  std::optional<ui::qoCheckBox> MaterialDoubleLangCheck;
  std::optional<ui::qoCheckBox> FolderDoubleLangCheck;
  std::optional<ui::qoCheckBox> InvertCheck;
  std::optional<ui::qoProgressBar> ProgressBar;
  std::optional<ui::qoPictureBox> BannerPicture;

  // MaterialFileList, RunLog, NameSeparator and DefaultDictionaryPath, and the worker.
  std::optional<engine::JobState> Job;
  // The job's view of the window.
  std::optional<WindowFrontEnd> FrontEnd;

  // Constructs every object, in order; no window exists yet.
  void Construct();
  // Destroys the window objects in construction order (App first, BannerPicture last),
  // then the job's state and texts.
  void Destroy();
};

// The one set of objects of the process.
ProgramObjects& Program();

}  // namespace marlivo::app
