// Background settings read from a window's bag, and the image reference it holds.
#include "ui/forms/window_background.h"

#include "ui/framework/bag_keys.h"

namespace marlivo::forms {

BackgroundSettings BackgroundSettingsOf(const ui::ObjectCore* core) {
  BackgroundSettings settings;
  settings.hasBackColor = ui::HasProperty(core, ui::keys::kBackColor) != 0;
  settings.backColor = static_cast<std::uint32_t>(ui::GetProperty(core, ui::keys::kBackColor));
  settings.hasBackImage = ui::HasProperty(core, ui::keys::kBackImage) != 0;
  settings.backImage = ui::GetPropertyAs<gdi::WrapperCore*>(core, ui::keys::kBackImage);
  settings.showImageType = ui::GetProperty(core, ui::keys::kShowImageType);
  return settings;
}

int ExchangeShowImageType(ui::qoWindowBase& window, std::optional<int> mode) {
  const int previous = static_cast<int>(window.GetProperty(ui::keys::kShowImageType));
  if (!mode.has_value()) return previous;
  window.SetProperty(ui::keys::kShowImageType, *mode);
  window.Invalidate(TRUE);
  return previous;
}

COLORREF ExchangeBackColor(ui::qoWindowBase& window, std::optional<COLORREF> colour) {
  const COLORREF previous =
      ArgbToColorRef(static_cast<std::uint32_t>(window.GetProperty(ui::keys::kBackColor)));
  if (!colour.has_value()) return previous;
  window.SetProperty(ui::keys::kBackColor, static_cast<std::intptr_t>(ColorRefToArgb(*colour)));
  window.Invalidate(TRUE);
  return previous;
}

int PaintWindowBackground(const ui::ObjectCore* core, HWND window, HDC eraseDc) {
  return PaintBackground(BackgroundSettingsOf(core), window, eraseDc);
}

void AddRefImage(gdi::WrapperCore* image) {
  if (image != nullptr) image->hooks->AddRef(image);
}

void ReleaseImage(gdi::WrapperCore* image) {
  if (image != nullptr) image->hooks->Release(image);
}

void ReleaseBackImage(ui::ObjectCore* core) {
  if (!ui::HasProperty(core, ui::keys::kBackImage)) return;
  ReleaseImage(ui::GetPropertyAs<gdi::WrapperCore*>(core, ui::keys::kBackImage));
  ui::SetProperty(core, ui::keys::kBackImage, 0);
}

void HoldBackImage(ui::ObjectCore* core, gdi::WrapperCore* image) {
  // The new reference first: the image held may be the one given.
  AddRefImage(image);
  ReleaseImage(ui::GetPropertyAs<gdi::WrapperCore*>(core, ui::keys::kBackImage));
  ui::SetPropertyOf(core, ui::keys::kBackImage, image);
}

}  // namespace marlivo::forms
