// The property-bag keys and texts of the form classes beyond those the framework's form
// level reads (ui/framework/bag_keys.h).
#pragma once

namespace marlivo::ui {

namespace keys {

// The hidden window that owns a form kept off the taskbar; closed when the form goes.
inline constexpr char kHiddenOwner[] = "qoHiddenOwner";

}  // namespace keys

namespace types {

inline constexpr char kWindow[] = "\xB4\xB0\xBF\xDA";  // 窗口, GBK

}  // namespace types

}  // namespace marlivo::ui
