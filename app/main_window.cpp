// The creation routine of the main window and the handlers it binds.
#include "app/main_window.h"

#include <span>
#include <string>

#include "app/main_window_layout.h"
#include "app/materials_folder_detection.h"
#include "app/program_objects.h"
#include "app/run_control.h"
#include "app/settings_store.h"
#include "assets/banner_jpeg.h"
#include "engine/files/system_path.h"
#include "engine/program_folder.h"
#include "engine/save_log.h"
#include "engine/text/code_page.h"
#include "ui/framework/gdi/font.h"
#include "ui/framework/gdi/icon.h"

namespace marlivo::app {
namespace {

bool PathExists(const std::string& gbk_path) {
  return !gbk_path.empty() &&
         GetFileAttributesW(files::ToSystemPath(gbk_path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The dropped paths (UTF-16, joined by CR LF) become the field's text as they come. The
// program's texts are GBK whatever the system's code page, hence 936 here.
int OnMaterialFolderDrop(HWND, const wchar_t* paths) {
  const std::string text = text::WideToGbk(paths ? paths : L"");
  Program().MaterialFolderEdit->Text(text.c_str());
  return 0;
}

// Only a drop that names an existing file or folder is taken, and its settings loaded.
int OnDictionaryDrop(HWND, const wchar_t* paths) {
  const std::string text = text::WideToGbk(paths ? paths : L"");
  if (!PathExists(text)) return 0;
  Program().DicFileEdit->Text(text.c_str());
  LoadSettings(*Program().FrontEnd, text);
  return 0;
}

int OnStartClick(HWND, int) {
  StartFromWindow();
  return 0;
}

int OnStatusDoubleClick(HWND, int, int, int) {
  engine::SaveLog(*Program().FrontEnd, *Program().Job);
  return 0;
}

int OnMainWindowClose(HWND) {
  StopRunAndWait();
  return 0;  // the close goes on
}

// Calls of the job's front end from the worker thread arrive here.
LRESULT OnMainWindowMessage(HWND, UINT message, WPARAM, LPARAM lParam, int* handled) {
  if (message != kFrontEndCallMessage) return 0;
  *handled = 1;
  return WindowFrontEnd::RunCall(lParam);
}

// A font that could not be made (no such family on the system) is not set: the control
// keeps the DEFAULT_GUI_FONT that its creation gave it, instead of the system font that
// setting no font at all would give.
void ApplyFont(ui::qoWindowBase& control, const gdi::qoFont& font) {
  if (font.GetHandle() != nullptr) control.SetFont(font);
}

// The two path fields are made alike: they take drops, with their own handler each.
void CreatePathField(ui::qoEdit& field, ui::qoWindow& form, const Placement& place,
                     ui::DropFilesHandler onDrop, const gdi::qoFont& font) {
  field.CreateOn(form, "", place.x, place.y, place.size(), std::nullopt, kFieldStyle,
                 kFieldExStyle);
  field.SetWindowExStyle(kFieldDropExStyle);
  field.Border(kFieldBorder);
  field.SetOnDropFiles(onDrop);
  ApplyFont(field, font);
}

void CreateControls(const gdi::qoFont& regular, const gdi::qoFont& bold) {
  ProgramObjects& o = Program();
  ui::qoWindow& form = *o.MainForm;

  o.StartButton->CreateOn(form, "Start", kStartButtonPlace.x, kStartButtonPlace.y,
                          kStartButtonPlace.size(), std::nullopt, kStartButtonStyle, 0);
  o.StartButton->SetOnClick(OnStartClick);
  ApplyFont(*o.StartButton, bold);

  CreatePathField(*o.MaterialFolderEdit, form, kMaterialFolderEditPlace, OnMaterialFolderDrop,
                  regular);
  CreatePathField(*o.DicFileEdit, form, kDicFileEditPlace, OnDictionaryDrop, regular);

  o.MaterialFolderLabel->CreateOn(form, "Material Folder:", kMaterialFolderLabelPlace.x,
                                  kMaterialFolderLabelPlace.y, kMaterialFolderLabelPlace.size(),
                                  std::nullopt, kLabelStyle, 0);
  ApplyFont(*o.MaterialFolderLabel, regular);

  o.DicFileLabel->CreateOn(form, "Dic File:", kDicFileLabelPlace.x, kDicFileLabelPlace.y,
                           kDicFileLabelPlace.size(), std::nullopt, kLabelStyle, 0);
  ApplyFont(*o.DicFileLabel, regular);

  o.StatusLabel->CreateOn(form, "", kStatusLabelPlace.x, kStatusLabelPlace.y,
                          kStatusLabelPlace.size(), std::nullopt, kLabelStyle, 0);
  o.StatusLabel->SetOnLButtonDblClk(OnStatusDoubleClick);
  ApplyFont(*o.StatusLabel, regular);

  o.FromFilenameRadio->CreateOn(form, "From Filename", kFromFilenameRadioPlace.x,
                                kFromFilenameRadioPlace.y, kFromFilenameRadioPlace.size(),
                                std::nullopt, kRadioStyle, 0);
  o.FromFilenameRadio->Checked(1);
  ApplyFont(*o.FromFilenameRadio, regular);

  o.FromPropertiesRadio->CreateOn(form, "From Properties", kFromPropertiesRadioPlace.x,
                                  kFromPropertiesRadioPlace.y, kFromPropertiesRadioPlace.size(),
                                  std::nullopt, kRadioStyle, 0);
  o.FromPropertiesRadio->Checked(0);
  ApplyFont(*o.FromPropertiesRadio, regular);

  struct CheckRow {
    ui::qoCheckBox& box;
    const char* caption;
    Placement place;
    int checked;
  };
  const CheckRow checks[] = {
      {*o.MaterialNameCheck, "Material Name", kMaterialNameCheckPlace, 1},
      {*o.FolderNameCheck, "Folder Name", kFolderNameCheckPlace, 1},
      {*o.MaterialDoubleLangCheck, "Double Lang", kMaterialDoubleLangCheckPlace, 0},
      {*o.FolderDoubleLangCheck, "Double Lang", kFolderDoubleLangCheckPlace, 0},
      {*o.InvertCheck, "Invert", kInvertCheckPlace, 0},
  };
  for (const CheckRow& row : checks) {
    row.box.CreateOn(form, row.caption, row.place.x, row.place.y, row.place.size(),
                     std::nullopt, kCheckStyle, 0);
    row.box.Checked(row.checked);
    ApplyFont(row.box, regular);
  }

  o.ProgressBar->CreateOn(form, std::nullopt, kProgressBarPlace.x, kProgressBarPlace.y,
                          kProgressBarPlace.size(), std::nullopt, std::nullopt, 0);
  o.ProgressBar->SetRange(kProgressMinimum, kProgressMaximum);
  o.ProgressBar->Position(kProgressMinimum);

  o.BannerPicture->CreateOn(form, std::nullopt, kBannerPicturePlace.x, kBannerPicturePlace.y,
                            kBannerPicturePlace.size(), std::nullopt, kBannerStyle, 0);
  o.BannerPicture->ImageData(std::span<const unsigned char>(assets::kBannerJpeg));
}

// The settings of the "dic.ini" beside the program, then the detection of the materials
// folder when no folder came with them.
void RunStartUpSteps() {
  ProgramObjects& o = Program();
  o.Job->NameSeparator = " - ";
  o.Job->DefaultDictionaryPath = engine::DefaultDictionaryPathOfProgram();
  if (PathExists(o.Job->DefaultDictionaryPath)) {
    o.DicFileEdit->Text(o.Job->DefaultDictionaryPath.c_str());
    LoadSettings(*o.FrontEnd, o.Job->DefaultDictionaryPath);
  }
  if (o.MaterialFolderEdit->Text().empty()) DetectMaterialsFolder(*o.FrontEnd);
}

}  // namespace

int CreateMainWindow(HWND) {
  ProgramObjects& o = Program();
  gdi::qoIcon icon;
  gdi::qoFont regular;
  gdi::qoFont bold;

  o.MainForm->WindowState(kCentreWindow);
  icon.LoadIconResource(MAKEINTRESOURCEW(kIconResource));
  o.MainForm->SetIcon(icon, 0);
  regular.Create(kFontFamily, kFontSize, gdi::kFontStyleRegular);
  bold.Create(kFontFamily, kFontSize, gdi::kFontStyleBold);

  o.MainForm->SetOnWndMsg(OnMainWindowMessage);
  o.MainForm->SetOnClose(OnMainWindowClose);
  CreateControls(regular, bold);
  o.Job->save_settings = [] { return SaveSettings(*Program().FrontEnd); };
  RunStartUpSteps();
  return 0;
}

}  // namespace marlivo::app
