// The Windows headers as the framework includes them.
//
// The code calls every system function by its explicit W (or A) name and leaves UNICODE
// undefined. The headers still define the undecorated names as macros (SendMessage ->
// SendMessageA and so on); five of them are names of window operations, so they are
// removed here, before any framework header declares those operations.
#pragma once

#include <windows.h>

#undef SendMessage
#undef PostMessage
#undef GetClassName
#undef MessageBox
#undef CreateDialog

namespace marlivo::ui {

// The predefined icons and cursors (IDI_APPLICATION, IDC_ARROW, IDC_WAIT) are numbers
// that the headers spell as 8-bit resource names; the W functions take the same numbers.
inline const wchar_t* WideResource(const char* id) {
  return reinterpret_cast<const wchar_t*>(id);
}

}  // namespace marlivo::ui
