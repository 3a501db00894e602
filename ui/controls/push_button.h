// qoPushButton: the system "Button" control as a push button, with its click event,
// Enter on the focused button, and the roles of its form's default button (clicked by
// Enter anywhere in the form) and cancel button (clicked by Esc). Check boxes and radio
// buttons derive from it and replace only its creation operations.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/controls/control.h"
#include "ui/framework/gdi/icon.h"

namespace marlivo::ui {

inline constexpr SIZE kButtonDefaultSize = {80, 32};

class qoPushButton : public qoColorControl {
 public:
  qoPushButton();
  qoPushButton(const qoPushButton& other) = default;
  qoPushButton& operator=(const qoPushButton& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Defaults: caption "按钮", 80 x 32, an id from the default counter, style WS_TABSTOP
  // (no BS_ type bits are added: BS_PUSHBUTTON unless the style says otherwise).
  virtual int CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                        std::optional<SIZE> size = std::nullopt,
                        std::optional<int> id = std::nullopt,
                        std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0);
  // The same with a GBK caption.
  virtual int CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                       std::optional<SIZE> size = std::nullopt,
                       std::optional<int> id = std::nullopt,
                       std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0);
  // Creation from a markup description. The program has no markup reader, so this
  // refuses: 0, and no window is made.
  virtual int CreateFromMarkup(ControlParent parent, const char* markup);

  // Without a text: the caption. With one: sets it and returns the empty text.
  virtual std::wstring TextW(std::optional<const wchar_t*> text = std::nullopt);
  virtual std::string Text(std::optional<const char*> text = std::nullopt);
  // Shows a copy of the object's icon on the button (BS_ICON is added); the button owns
  // the copy. The previous image, as BM_SETIMAGE returns it.
  virtual LRESULT SetIcon(const gdi::qoIcon& icon);
  // A new icon object holding a copy of the icon the button shows; empty without one.
  virtual gdi::qoIcon GetIcon() const;

  // Whether the button had BS_DEFPUSHBUTTON before the call. With a value, the button
  // becomes (or stops being) the default button of its top-level form: Enter anywhere
  // in the form clicks it. A button that was the default before keeps its style bit.
  virtual int DefaultButton(std::optional<int> value = std::nullopt);
  // The stored "Cancel" before the call. With a value, the button becomes (or stops
  // being) its top-level form's cancel button: Esc clicks it.
  virtual int Cancel(std::optional<int> value = std::nullopt);
  // Binds "OnClick": (button window, id) on every BN_CLICKED (mouse, space, BM_CLICK,
  // Enter). What storing returned.
  virtual int SetOnClick(ClickHandler handler);
};

}  // namespace marlivo::ui
