// qoLabel: the system "Static" control as a text label that paints on the window's face
// colour, reports clicks (SS_NOTIFY) and repaints itself when resized.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/controls/control.h"

namespace marlivo::ui {

inline constexpr SIZE kLabelDefaultSize = {80, 24};

class qoLabel : public qoColorControl {
 public:
  qoLabel();
  qoLabel(const qoLabel& other) = default;
  qoLabel& operator=(const qoLabel& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // After creation: the face-colour brush, so the label answers WM_CTLCOLORSTATIC with
  // black text on the face colour.
  virtual void InitLabel();
  // Defaults: caption "标签", 80 x 24, an id from the default counter, style
  // SS_CENTERIMAGE; SS_NOTIFY is always added.
  virtual int CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x, int y,
                        std::optional<SIZE> size = std::nullopt,
                        std::optional<int> id = std::nullopt,
                        std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0);
  virtual int CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                       std::optional<SIZE> size = std::nullopt,
                       std::optional<int> id = std::nullopt,
                       std::optional<DWORD> style = std::nullopt, DWORD exStyle = 0);
  // Creation from markup: the program has no markup reader, so this refuses with 0.
  virtual int CreateFromMarkup(ControlParent parent, const char* markup);
  // Without a text: the caption. With one: sets it and returns the empty text.
  virtual std::wstring TextW(std::optional<const wchar_t*> text = std::nullopt);
  virtual std::string Text(std::optional<const char*> text = std::nullopt);
};

}  // namespace marlivo::ui
