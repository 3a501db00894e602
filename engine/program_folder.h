// The folder that holds the running program, where "dic.ini" and "log.txt" live.
#pragma once

#include <string>

namespace marlivo::engine {

// The program's folder (UTF-16, no trailing "\"), from its own module's file name.
std::wstring ProgramFolder();

// The program's folder + "\dic.ini" as GBK text; the empty text when code page 936
// cannot hold the folder's name (a near GBK path would name another file).
std::string DefaultDictionaryPathOfProgram();

}  // namespace marlivo::engine
