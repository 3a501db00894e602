// qoCheckBox and qoRadioButton: the system "Button" control as an automatic check box
// and as a plain radio button. Both are push buttons in everything but their creation
// (text, icon, click event, Enter, default and cancel roles) and add `Checked`.
//
// A plain radio button is not checked by the system when clicked: the radio level does
// it, and unchecks the other radio buttons of the group (see radio_group.cpp).
#pragma once

#include <memory>
#include <optional>

#include "ui/controls/push_button.h"

namespace marlivo::ui {

class qoCheckBox : public qoPushButton {
 public:
  qoCheckBox();
  qoCheckBox(const qoCheckBox& other) = default;
  qoCheckBox& operator=(const qoCheckBox& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Defaults: caption "选择框", 80 x 32, an id from the default counter, style
  // WS_TABSTOP; BS_AUTOCHECKBOX is always added.
  int CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                std::optional<SIZE> size = std::nullopt, std::optional<int> id = std::nullopt,
                std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0) override;
  int CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
               std::optional<SIZE> size = std::nullopt, std::optional<int> id = std::nullopt,
               std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0) override;
  int CreateFromMarkup(ControlParent parent, const char* markup) override;

  // With a value: checks (non-zero) or unchecks the box; BM_SETCHECK's result as 1 or 0.
  // Without: 1 when checked or indeterminate, 0 when unchecked or without a window.
  virtual int Checked(std::optional<int> value = std::nullopt);
};

class qoRadioButton : public qoPushButton {
 public:
  qoRadioButton();
  qoRadioButton(const qoRadioButton& other) = default;
  qoRadioButton& operator=(const qoRadioButton& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Defaults: caption "单选框", 80 x 32, an id from the default counter, style 0 (not a
  // tab stop); BS_RADIOBUTTON is always added.
  int CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                std::optional<SIZE> size = std::nullopt, std::optional<int> id = std::nullopt,
                std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0) override;
  int CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
               std::optional<SIZE> size = std::nullopt, std::optional<int> id = std::nullopt,
               std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0) override;
  int CreateFromMarkup(ControlParent parent, const char* markup) override;

  // As qoCheckBox::Checked.
  virtual int Checked(std::optional<int> value = std::nullopt);
};

}  // namespace marlivo::ui
