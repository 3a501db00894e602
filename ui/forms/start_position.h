// Where a form opens ("StartPosition") and where WindowState 3 centres it. All the
// arithmetic is in double precision, each result truncated toward zero.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::forms {

// "StartPosition" values.
inline constexpr int kStartAtGivenPosition = 0;
inline constexpr int kStartCentredInWorkArea = 1;  // of the work area's size only
inline constexpr int kStartCentredOnOwner = 2;     // over the owner, or the work area

// The platform-free part: the top-left corner that centres `size` in an area of
// `areaSize` whose top-left corner is `areaOrigin`.
POINT CentredIn(POINT areaOrigin, SIZE areaSize, SIZE size);

// The form's top-left corner for the start position: 1 centres it in a rectangle of
// the work area's size at (0, 0) (the work area's own corner is not added); 2 centres
// it over the owner's window rectangle, or the work area without an owner window; any
// other value keeps the given position.
POINT StartPositionOf(int startPosition, HWND owner, POINT given, SIZE size);

// WindowState 3: centred over the owner when that is a visible window, otherwise on the
// screen (its whole size, not the work area).
POINT CentreOfOwnerOrScreen(HWND owner, SIZE size);

}  // namespace marlivo::forms
