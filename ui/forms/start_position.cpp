// Start positions and centring of forms.
#include "ui/forms/start_position.h"

namespace marlivo::forms {
namespace {

RECT WorkArea() {
  RECT area{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

SIZE SizeOf(const RECT& rect) { return SIZE{rect.right - rect.left, rect.bottom - rect.top}; }

}  // namespace

POINT CentredIn(POINT areaOrigin, SIZE areaSize, SIZE size) {
  const double x = areaOrigin.x + (static_cast<double>(areaSize.cx) - size.cx) / 2;
  const double y = areaOrigin.y + (static_cast<double>(areaSize.cy) - size.cy) / 2;
  return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}

POINT StartPositionOf(int startPosition, HWND owner, POINT given, SIZE size) {
  switch (startPosition) {
    case kStartCentredInWorkArea:
      return CentredIn(POINT{0, 0}, SizeOf(WorkArea()), size);
    case kStartCentredOnOwner: {
      RECT area{};
      if (::IsWindow(owner)) {
        ::GetWindowRect(owner, &area);
      } else {
        area = WorkArea();
      }
      return CentredIn(POINT{area.left, area.top}, SizeOf(area), size);
    }
    default:
      return given;
  }
}

POINT CentreOfOwnerOrScreen(HWND owner, SIZE size) {
  if (::IsWindow(owner) && ::IsWindowVisible(owner)) {
    RECT area{};
    ::GetWindowRect(owner, &area);
    return CentredIn(POINT{area.left, area.top}, SizeOf(area), size);
  }
  const SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  return CentredIn(POINT{0, 0}, screen, size);
}

}  // namespace marlivo::forms
