// The property-bag keys that the framework itself reads and writes. Keys are
// case-sensitive 8-bit texts, spelled as the framework has always spelled them.
#pragma once

namespace marlivo::ui::keys {

inline constexpr char kHwnd[] = "hWnd";                 // the bound window, 0 when unbound
inline constexpr char kOldWndProc[] = "oldWndProp";     // procedure replaced by binding
inline constexpr char kLayout[] = "qoLayout";           // a layout object's core (one reference)
inline constexpr char kStyle[] = "qoStyle";             // framework style flags (32-bit)
inline constexpr char kCursor[] = "hCursor";            // cursor owned by the window
inline constexpr char kFont[] = "hFont";                // font owned by the window
inline constexpr char kControls[] = "Controls";         // map: child window -> child core
inline constexpr char kBorder[] = "Border";             // border kind
inline constexpr char kName[] = "Name";                 // heap copy of the object's name
inline constexpr char kType[] = "Type";                 // constant class-kind text, not owned
inline constexpr char kEnableHover[] = "EnlableHover";  // present: hover tracking is on
inline constexpr char kMovedIn[] = "isMoveIn";          // 1 while the pointer is inside
inline constexpr char kDialogResult[] = "DialogResult"; // what a modal dialog ends with
inline constexpr char kLayoutRect[] = "pRect";          // in a layout's own bag: RECT buffer

// Read by the message loops on the root window (or, for "qoOCX", any ancestor).
inline constexpr char kMdiClient[] = "hWndMDIClient";
inline constexpr char kAccelTable[] = "pAccelTable";    // accelerator-table wrapper core
inline constexpr char kAtlWindows[] = "ATLWindows";     // WindowList of ActiveX hosts
inline constexpr char kActiveXHost[] = "qoOCX";

// Kept by forms.
inline constexpr char kStartPosition[] = "StartPosition";
inline constexpr char kNcEverActive[] = "NCEverActive";
inline constexpr char kFreeMove[] = "FreeMove";
inline constexpr char kEscClose[] = "EscClose";
inline constexpr char kWaitCursor[] = "WaitCursor";
inline constexpr char kDefaultButton[] = "DefaultButton";
inline constexpr char kCancelButton[] = "CancelButton";
inline constexpr char kBackColor[] = "BackColor";
inline constexpr char kBackImage[] = "pBackImage";
inline constexpr char kShowImageType[] = "ShowImageType";
inline constexpr char kBigIcon[] = "BigIcon";
inline constexpr char kSmallIcon[] = "SmallIcon";
inline constexpr char kTaskbarCreatedMessage[] = "TaskbarCreatedMsg";
inline constexpr char kNotifyIconData[] = "NotifyiconData";
inline constexpr char kNotifyIcon[] = "NotifyIcon";
inline constexpr char kFirstActivated[] = "FirstActivte";
inline constexpr char kXmlNode[] = "XmlNode";

}  // namespace marlivo::ui::keys
