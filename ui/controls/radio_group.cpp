// The radio level's group logic. Plain radio buttons (BS_RADIOBUTTON) are not checked by
// the system when clicked; the clicked one is checked here and the rest of its group
// unchecked with CheckRadioButton over the group's id range.
//
// A group is the run of plain radio buttons of one parent, in Z order, from one radio
// with WS_GROUP (or the first radio) up to the next radio with WS_GROUP. CheckRadioButton
// works on every id of the range, so any check box or radio button of the parent whose
// id lies between the group's lowest and highest id is unchecked too.
#include <algorithm>
#include <vector>

#include "ui/controls/control_hooks.h"

namespace marlivo::ui {
namespace {

constexpr DWORD kButtonTypeMask = 0xF;

bool IsPlainRadio(HWND child) {
  return (static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE)) & kButtonTypeMask) ==
         BS_RADIOBUTTON;
}

// The ids of the group that holds the clicked id, in Z order.
std::vector<int> GroupIds(HWND parent, int clickedId) {
  std::vector<int> ids;
  for (HWND child = ::FindWindowExW(parent, nullptr, L"Button", nullptr); child != nullptr;
       child = ::FindWindowExW(parent, child, L"Button", nullptr)) {
    if (!IsPlainRadio(child)) continue;
    if ((::GetWindowLongW(child, GWL_STYLE) & WS_GROUP) != 0) {
      if (std::find(ids.begin(), ids.end(), clickedId) != ids.end()) break;
      ids.clear();
    }
    ids.push_back(static_cast<int>(::GetWindowLongW(child, GWL_ID)));
  }
  return ids;
}

void CheckInGroup(HWND parent, HWND radio, WPARAM wParam) {
  if (::SendMessageW(radio, BM_GETCHECK, 0, 0) != BST_UNCHECKED) return;
  const int clickedId = static_cast<short>(LOWORD(wParam));
  std::vector<int> ids = GroupIds(parent, clickedId);
  if (ids.empty()) return;
  std::sort(ids.begin(), ids.end());
  ::CheckRadioButton(parent, ids.front(), ids.back(), clickedId);
}

}  // namespace

LRESULT RadioReflectHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                         LPARAM lParam, int* handled) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0) {
    CheckInGroup(window, reinterpret_cast<HWND>(lParam), wParam);
  }
  return ColorReflectHook(core, window, message, wParam, lParam, handled);
}

}  // namespace marlivo::ui
