// qoPictureBox: an image in a child window. A system "Static" control made owner-drawn,
// whose whole drawing happens when its background is erased, by the background painter
// (a colour, then the image in one of the four display modes, off-screen). An image with
// several frames along the time dimension is played by an animation thread of the box's
// own (animation.h), paused and resumed with PlayGif.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "ui/controls/control.h"
#include "ui/forms/image.h"

namespace marlivo::ui {

inline constexpr SIZE kPictureBoxDefaultSize = {120, 120};
// The painter's display mode 3 (fitted and centred), the picture box's default.
inline constexpr int kPictureBoxDefaultImageType = 3;

class qoPictureBox : public qoControl {
 public:
  qoPictureBox();
  qoPictureBox(const qoPictureBox& other) = default;
  qoPictureBox& operator=(const qoPictureBox& other) = default;
  std::unique_ptr<qoWindowBase> Copy() const override;

  // Both replace the control's entries: the static is made owner-drawn first, so the
  // system draws nothing over what the painter put there.
  int Attach(HWND window) override;
  int BindDlgItem(ControlParent parent, int id, int setFont) override;

  // Defaults: no text, 120 x 120, an id from the default counter; SS_NOTIFY and
  // SS_OWNERDRAW are added to the style.
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

  // With an image: shows it (a running animation pauses; an animated image starts its
  // own) and repaints. Returns, either way, an image object sharing the shown image.
  virtual forms::qoImage Image(std::optional<forms::qoImage> image = std::nullopt);
  // With encoded bytes: decodes and shows them as Image does, and returns nothing. Without:
  // the shown image encoded in its own format.
  virtual std::vector<unsigned char> ImageData(
      std::optional<std::span<const unsigned char>> bytes = std::nullopt);
  // Starts playing the image when it has more than one frame along the time dimension;
  // the frame count, or 1 when there is nothing to animate.
  virtual int StartAnimation(Gdiplus::GpImage* image);
  // The display mode before the call; a given mode (0 to 3) is stored and repaints.
  virtual int ShowImageType(std::optional<int> mode = std::nullopt);
  // The background colour before the call, as COLORREF; a given colour is kept as
  // opaque ARGB and repaints.
  virtual COLORREF BackColor(std::optional<COLORREF> colour = std::nullopt);
  // With a value: stores it and plays (true) or pauses (false) the animation; 1.
  // Without: the value last given, 1 or 0 (not whether an animation runs).
  virtual int PlayGif(std::optional<int> value = std::nullopt);

  // The animation thread's id, 0 when none was started for the current window.
  DWORD AnimationThreadId() const;

 private:
  void ShowImageCore(gdi::WrapperCore* image);
};

}  // namespace marlivo::ui
