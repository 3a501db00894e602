// The job's front end over the main window's controls.
#include "app/window_front_end.h"

#include "app/program_objects.h"

namespace marlivo::app {
namespace {

ui::qoPushButton& ButtonOf(ProgramObjects& o, engine::JobInput input) {
  using engine::JobInput;
  switch (input) {
    case JobInput::kMaterialNameCheck: return *o.MaterialNameCheck;
    case JobInput::kFolderNameCheck: return *o.FolderNameCheck;
    case JobInput::kMaterialDoubleLangCheck: return *o.MaterialDoubleLangCheck;
    case JobInput::kFolderDoubleLangCheck: return *o.FolderDoubleLangCheck;
    case JobInput::kInvertCheck: return *o.InvertCheck;
    case JobInput::kFromFilenameRadio: return *o.FromFilenameRadio;
    case JobInput::kFromPropertiesRadio: return *o.FromPropertiesRadio;
    case JobInput::kStartButton:
    case JobInput::kMaterialFolderEdit:
    case JobInput::kDicFileEdit: break;
  }
  return *o.StartButton;
}

ui::qoWindowBase& InputOf(ProgramObjects& o, engine::JobInput input) {
  switch (input) {
    case engine::JobInput::kMaterialFolderEdit: return *o.MaterialFolderEdit;
    case engine::JobInput::kDicFileEdit: return *o.DicFileEdit;
    default: return ButtonOf(o, input);
  }
}

int CheckStateOf(ProgramObjects& o, engine::JobInput input) {
  using engine::JobInput;
  switch (input) {
    case JobInput::kFromFilenameRadio: return o.FromFilenameRadio->Checked();
    case JobInput::kFromPropertiesRadio: return o.FromPropertiesRadio->Checked();
    case JobInput::kMaterialNameCheck: return o.MaterialNameCheck->Checked();
    case JobInput::kFolderNameCheck: return o.FolderNameCheck->Checked();
    case JobInput::kMaterialDoubleLangCheck: return o.MaterialDoubleLangCheck->Checked();
    case JobInput::kFolderDoubleLangCheck: return o.FolderDoubleLangCheck->Checked();
    case JobInput::kInvertCheck: return o.InvertCheck->Checked();
    default: return 0;
  }
}

void SetCheckStateOf(ProgramObjects& o, engine::JobInput input, int state) {
  using engine::JobInput;
  switch (input) {
    case JobInput::kFromFilenameRadio: o.FromFilenameRadio->Checked(state); break;
    case JobInput::kFromPropertiesRadio: o.FromPropertiesRadio->Checked(state); break;
    case JobInput::kMaterialNameCheck: o.MaterialNameCheck->Checked(state); break;
    case JobInput::kFolderNameCheck: o.FolderNameCheck->Checked(state); break;
    case JobInput::kMaterialDoubleLangCheck: o.MaterialDoubleLangCheck->Checked(state); break;
    case JobInput::kFolderDoubleLangCheck: o.FolderDoubleLangCheck->Checked(state); break;
    case JobInput::kInvertCheck: o.InvertCheck->Checked(state); break;
    default: break;
  }
}

}  // namespace

WindowFrontEnd::WindowFrontEnd(ProgramObjects& objects)
    : objects_(objects), window_thread_(GetCurrentThreadId()) {}

void WindowFrontEnd::OnWindowThread(const std::function<void()>& call) {
  if (GetCurrentThreadId() == window_thread_) {
    call();
    return;
  }
  // A window that is gone answers nothing and the call is not made.
  ::SendMessageW(objects_.MainForm->GetHwnd(), kFrontEndCallMessage, 0,
                 reinterpret_cast<LPARAM>(&call));
}

LRESULT WindowFrontEnd::RunCall(LPARAM call) {
  (*reinterpret_cast<const std::function<void()>*>(call))();
  return 1;
}

std::string WindowFrontEnd::GetMaterialFolderText() {
  std::string text;
  OnWindowThread([&] { text = objects_.MaterialFolderEdit->Text(); });
  return text;
}

void WindowFrontEnd::SetMaterialFolderText(std::string_view text) {
  const std::string copy(text);
  OnWindowThread([&] { objects_.MaterialFolderEdit->Text(copy.c_str()); });
}

std::string WindowFrontEnd::GetDicFileText() {
  std::string text;
  OnWindowThread([&] { text = objects_.DicFileEdit->Text(); });
  return text;
}

int WindowFrontEnd::GetCheckState(engine::JobInput input) {
  int state = 0;
  OnWindowThread([&] { state = CheckStateOf(objects_, input); });
  return state;
}

void WindowFrontEnd::SetCheckState(engine::JobInput input, int state) {
  OnWindowThread([&] { SetCheckStateOf(objects_, input, state); });
}

void WindowFrontEnd::SetInputEnabled(engine::JobInput input, bool enabled) {
  OnWindowThread([&] { InputOf(objects_, input).Disabled(enabled ? 0 : 1); });
}

void WindowFrontEnd::ShowStatus(std::string_view text) {
  const std::string copy(text);
  OnWindowThread([&] { objects_.StatusLabel->Text(copy.c_str()); });
}

void WindowFrontEnd::ShowProgress(int position) {
  OnWindowThread([&] { objects_.ProgressBar->Position(position); });
}

}  // namespace marlivo::app
