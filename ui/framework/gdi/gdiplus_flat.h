// The GDI+ flat API, as the wrapper objects call it: GDI+'s own handle types
// (GpFont, GpImage, ...) and its C functions, without its C++ classes.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace marlivo::gdi {

namespace gp = Gdiplus::DllExports;
using Gdiplus::GpStatus;
inline constexpr GpStatus kGdipOk = Gdiplus::Ok;

}  // namespace marlivo::gdi
