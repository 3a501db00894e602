// The rename job's view of the main window: the two path fields, the check boxes and
// radio buttons, the enabled state of the ten inputs, the status line and the progress
// bar, reached through the controls' own operations.
//
// The job calls it from its worker thread. A window object's property bag is not made
// for two threads, so every call is carried out on the window thread: from the worker it
// travels as a message sent to the main window, which the window thread handles while
// the worker waits, as every control access would make it wait anyway. Once the main
// window is gone, calls from the worker do nothing and read as empty.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/job_front_end.h"
#include "ui/framework/win32.h"

namespace marlivo::app {

struct ProgramObjects;

// The message that carries a call to the window thread; lParam points to the call.
inline constexpr UINT kFrontEndCallMessage = WM_APP + 0x51;

class WindowFrontEnd final : public engine::JobFrontEnd {
 public:
  explicit WindowFrontEnd(ProgramObjects& objects);

  std::string GetMaterialFolderText() override;
  void SetMaterialFolderText(std::string_view text) override;
  std::string GetDicFileText() override;
  int GetCheckState(engine::JobInput input) override;
  void SetCheckState(engine::JobInput input, int state) override;
  void SetInputEnabled(engine::JobInput input, bool enabled) override;
  void ShowStatus(std::string_view text) override;
  void ShowProgress(int position) override;

  // The main window's "OnWndMsg" hands kFrontEndCallMessage here.
  static LRESULT RunCall(LPARAM call);

 private:
  // Runs `call` on the window thread: at once there, through the main window otherwise.
  void OnWindowThread(const std::function<void()>& call);

  ProgramObjects& objects_;
  DWORD window_thread_;
};

}  // namespace marlivo::app
