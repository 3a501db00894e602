// qoProgressBar: the common-controls progress bar ("msctls_progress32"), a control
// without the colour level: its colours are the bar's own.
#pragma once

#include <memory>
#include <optional>

#include "ui/controls/control.h"
#include "ui/framework/win32.h"

#include <commctrl.h>

namespace marlivo::ui {

inline constexpr SIZE kProgressBarDefaultSize = {120, 24};

class qoProgressBar : public qoControl {
 public:
  qoProgressBar();
  qoProgressBar(const qoProgressBar& other) = default;
  qoProgressBar& operator=(const qoProgressBar& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Defaults: no text, 120 x 24, an id from the default counter; the style as passed
  // (0 when omitted: a horizontal segmented bar).
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

  // With a position: sets it and returns the previous one. Without: the position.
  virtual int Position(std::optional<int> position = std::nullopt);
  // A 16-bit range: values above 65535 are cut to their low 16 bits.
  virtual LRESULT SetRange(int minimum, int maximum);
  virtual PBRANGE GetRange() const;
  virtual COLORREF SetBarColor(COLORREF colour);
  virtual COLORREF GetBarColor() const;
  virtual COLORREF SetBkColor(COLORREF colour);
  virtual COLORREF GetBkColor() const;
  virtual int SetStep(int step);
};

}  // namespace marlivo::ui
