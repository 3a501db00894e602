// The property-bag keys, event names and class-kind texts of the control classes, and
// the shape of their event handlers. Keys are case-sensitive 8-bit texts.
#pragma once

#include "ui/framework/win32.h"

namespace marlivo::ui {

namespace keys {

// Colour controls. "BackColor" here is a COLORREF (or kTransparentColor); forms and
// picture boxes keep the same key as ARGB.
inline constexpr char kTextColor[] = "TextColor";
inline constexpr char kBackBrush[] = "BackBrush";  // brush owned by the control
// Push buttons.
inline constexpr char kButtonIcon[] = "BtnIcon";   // icon copy owned by the button
inline constexpr char kCancel[] = "Cancel";        // this button is its form's cancel button
// Edit boxes.
inline constexpr char kVerticalCentre[] = "vCenter";
// Picture boxes.
inline constexpr char kAnimationEvent[] = "hEvent";
inline constexpr char kPlayTimes[] = "PlayTimes";
inline constexpr char kPlayTimeCount[] = "PlayTimeCount";
inline constexpr char kPlayFrameCount[] = "PlayFrameCount";
inline constexpr char kPlayIndex[] = "PlayIndex";
inline constexpr char kPlayGif[] = "PlayGif";
inline constexpr char kAnimation[] = "qoAnimation";  // the animation's shared state
// MDI clients.
inline constexpr char kMdiClientMenu[] = "MDIClientMenu";
inline constexpr char kMdiClientFirstMenuId[] = "MDIClientFirstMenuId";

}  // namespace keys

namespace events {

inline constexpr char kClick[] = "OnClick";
inline constexpr char kTextChange[] = "OnTextChange";

}  // namespace events

// "BackColor" of a colour control that lets the parent's background show through.
inline constexpr COLORREF kTransparentColor = static_cast<COLORREF>(-1);

// OnClick and OnTextChange: (the control's window, its id as a signed 16-bit number).
using ClickHandler = int (*)(HWND window, int id);
using TextChangeHandler = ClickHandler;

// The "Type" texts: the class kind in GBK, also the default caption of some classes,
// there in UTF-16. The bag stores their addresses, so they live as long as the process.
namespace types {

inline constexpr char kButton[] = "\xB0\xB4\xC5\xA5";                   // 按钮
inline constexpr char kEdit[] = "\xB1\xE0\xBC\xAD\xBF\xF2";             // 编辑框
inline constexpr char kLabel[] = "\xB1\xEA\xC7\xA9";                    // 标签
inline constexpr char kRadioButton[] = "\xB5\xA5\xD1\xA1\xBF\xF2";      // 单选框
inline constexpr char kCheckBox[] = "\xD1\xA1\xD4\xF1\xBF\xF2";         // 选择框
inline constexpr char kProgressBar[] = "\xBD\xF8\xB6\xC8\xCC\xF5";      // 进度条
inline constexpr char kPictureBox[] = "\xCD\xBC\xC6\xAC\xBF\xF2";       // 图片框

inline constexpr wchar_t kButtonW[] = L"\x6309\x94AE";                  // 按钮
inline constexpr wchar_t kLabelW[] = L"\x6807\x7B7E";                   // 标签
inline constexpr wchar_t kRadioButtonW[] = L"\x5355\x9009\x6846";       // 单选框
inline constexpr wchar_t kCheckBoxW[] = L"\x9009\x62E9\x6846";          // 选择框

}  // namespace types

}  // namespace marlivo::ui
