// Which new folder names the folder pass refuses: names that would move the folder out
// of its parent, that a folder cannot carry, or that Windows reserves for devices.
// Platform-free (the name is UTF-16, as the W functions take it).
#pragma once

#include <string_view>

namespace marlivo::engine {

// True when `name` can be given to a folder in place: not empty, not "." or "..", no
// "\" or "/", none of < > : " | ? * and no control character, no dot or space at its
// end, and not a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9) with or
// without an extension, in any letter case.
bool IsAcceptableFolderName(std::wstring_view name);

}  // namespace marlivo::engine
