// qoPictureBox: creation, the image it shows, its animation and the picture level.
#include "ui/controls/picture_box.h"

#include <string>

#include "engine/text/code_page.h"
#include "ui/controls/animation.h"
#include "ui/controls/control_hooks.h"
#include "ui/forms/window_background.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

namespace gp = gdi::gp;

constexpr wchar_t kStaticClass[] = L"Static";
constexpr DWORD kOwnerDrawn = SS_OWNERDRAW;  // 0xD

void MakeOwnerDrawn(HWND window) {
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  ::SetWindowLongW(window, GWL_STYLE, style | static_cast<LONG>(kOwnerDrawn));
}

Animation* AnimationOf(const ObjectCore* core) {
  return GetPropertyAs<Animation*>(core, keys::kAnimation);
}

// The window goes (or the object): its animation ends, and what the bag says of it.
void EndAnimation(ObjectCore* core) {
  if (Animation* animation = AnimationOf(core)) {
    animation->End();
    SetProperty(core, keys::kAnimation, 0);
  }
  if (HasProperty(core, keys::kAnimationEvent)) SetProperty(core, keys::kAnimationEvent, 0);
  if (HasProperty(core, keys::kPlayTimes)) SetProperty(core, keys::kPlayTimes, 0);
}

void ReleasePictureResources(ObjectCore* core) {
  forms::ReleaseBackImage(core);
  EndAnimation(core);
}

// Shows frame `index` of the image held, on this (the window's) thread. GDI+'s status:
// 0 when the frame is now the one drawn.
LRESULT SelectFrame(ObjectCore* core, HWND window, WPARAM index) {
  auto* image = GetPropertyAs<gdi::WrapperCore*>(core, keys::kBackImage);
  auto* handle = image != nullptr && image->data != nullptr
                     ? reinterpret_cast<Gdiplus::GpImage*>(image->data[0])
                     : nullptr;
  const GUID time = forms::TimeFrameDimension();
  const Gdiplus::GpStatus status =
      handle != nullptr ? gp::GdipImageSelectActiveFrame(handle, &time, static_cast<UINT>(index))
                        : Gdiplus::InvalidParameter;
  SetProperty(core, keys::kPlayIndex,
              status == Gdiplus::Ok ? static_cast<std::intptr_t>(index) + 1 : 0);
  if (status == Gdiplus::Ok) ::InvalidateRect(window, nullptr, TRUE);
  return static_cast<LRESULT>(status);
}

// The frame delays of an animated image, in hundredths of a second; none when the image
// keeps no delays.
bool ReadFrameDelays(Gdiplus::GpImage* image, std::vector<std::uint32_t>& delays) {
  UINT size = 0;
  if (gp::GdipGetPropertyItemSize(image, forms::kPropertyTagFrameDelay, &size) != Gdiplus::Ok ||
      size < sizeof(Gdiplus::PropertyItem)) {
    return false;
  }
  std::vector<unsigned char> block(size);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(block.data());
  if (gp::GdipGetPropertyItem(image, forms::kPropertyTagFrameDelay, size, item) != Gdiplus::Ok) {
    return false;
  }
  const std::size_t count = item->length / sizeof(std::uint32_t);
  const auto* values = static_cast<const std::uint32_t*>(item->value);
  delays.assign(values, values + count);
  return true;
}

}  // namespace

void InstallPictureLevel(ObjectCore* core) {
  if (core == nullptr) return;
  core->hooks->MessageHook = PictureMessageHook;
  core->hooks->CleanupHook = PictureCleanup;
}

LRESULT PictureMessageHook(ObjectCore* core, HWND window, UINT message, WPARAM wParam,
                           LPARAM lParam, int* handled) {
  const LRESULT lower = ControlMessageHook(core, window, message, wParam, lParam, handled);
  if (*handled != 0) return lower;
  switch (message) {
    case WM_NCDESTROY:
      ReleasePictureResources(core);
      return lower;
    case WM_ERASEBKGND:
      // The whole drawing happens here; as an owner-drawn static the control itself
      // draws nothing over it.
      if (forms::PaintWindowBackground(core, window, reinterpret_cast<HDC>(wParam)) != 0) {
        *handled = 1;
        return 1;
      }
      return lower;
    case kSelectFrameMessage: {
      const LRESULT status = SelectFrame(core, window, wParam);
      if (status != 0) *handled = 1;
      return status != 0 ? status : lower;
    }
    default:
      return lower;
  }
}

void PictureCleanup(ObjectCore* core) {
  ReleasePictureResources(core);
  ControlCleanup(core);
}

qoPictureBox::qoPictureBox() {
  InstallPictureLevel(GetCore());
  SetProperty(keys::kShowImageType, kPictureBoxDefaultImageType);
  SetType(types::kPictureBox);
}

std::unique_ptr<qoWindowBase> qoPictureBox::Copy() const {
  return std::make_unique<qoPictureBox>(*this);
}

int qoPictureBox::Attach(HWND window) {
  if (::IsWindow(window)) MakeOwnerDrawn(window);
  return SubclassWindow(window);
}

int qoPictureBox::BindDlgItem(ControlParent parent, int id, int setFont) {
  if (const HWND item = ::GetDlgItem(parent.window(), id)) MakeOwnerDrawn(item);
  return qoControl::BindDlgItem(parent, id, setFont);
}

int qoPictureBox::CreateOnW(ControlParent parent, std::optional<const wchar_t*> text, int x,
                            int y, std::optional<SIZE> size, std::optional<int> id,
                            std::optional<DWORD> style, DWORD exStyle) {
  const SIZE extent = size.value_or(kPictureBoxDefaultSize);
  const int controlId = id.has_value() ? *id : NextDefaultControlId();
  const wchar_t* caption = text.value_or(nullptr);
  return CreateChild(parent, caption != nullptr ? caption : L"", x, y, extent.cx, extent.cy,
                     controlId, style.value_or(0) | SS_NOTIFY | kOwnerDrawn, exStyle,
                     kStaticClass);
}

int qoPictureBox::CreateOn(ControlParent parent, std::optional<const char*> text, int x, int y,
                           std::optional<SIZE> size, std::optional<int> id,
                           std::optional<DWORD> style, DWORD exStyle) {
  const char* caption = text.value_or(nullptr);
  const std::wstring wide = text::GbkToWide(caption != nullptr ? caption : "");
  return CreateOnW(parent, wide.c_str(), x, y, size, id, style, exStyle);
}

int qoPictureBox::CreateFromMarkup(ControlParent, const char*) { return 0; }

void qoPictureBox::ShowImageCore(gdi::WrapperCore* image) {
  ObjectCore* core = GetCore();
  if (core == nullptr) return;
  // What plays now pauses; a still image leaves nothing to play.
  Animation* animation = AnimationOf(core);
  if (animation != nullptr) animation->Idle();
  forms::HoldBackImage(core, image);
  auto* handle = image != nullptr && image->data != nullptr
                     ? reinterpret_cast<Gdiplus::GpImage*>(image->data[0])
                     : nullptr;
  if (StartAnimation(handle) <= 1 && animation != nullptr) {
    ui::SetProperty(core, keys::kPlayFrameCount, 0);
    ui::SetProperty(core, keys::kPlayTimeCount, 0);
    ui::SetProperty(core, keys::kPlayIndex, 0);
  }
  Invalidate(TRUE);
}

forms::qoImage qoPictureBox::Image(std::optional<forms::qoImage> image) {
  if (image.has_value()) ShowImageCore(image->GetCore());
  forms::qoImage shown;
  shown.ShareCore(GetPropertyAs<gdi::WrapperCore*>(GetCore(), keys::kBackImage));
  return shown;
}

std::vector<unsigned char> qoPictureBox::ImageData(
    std::optional<std::span<const unsigned char>> bytes) {
  if (bytes.has_value()) {
    // Bytes that cannot be decoded still make an image object, without an image: the
    // painter then draws the colour only.
    forms::qoImage image;
    image.LoadFromMemory(*bytes);
    ShowImageCore(image.GetCore());
    return {};
  }
  return Image().SaveToMemory();
}

int qoPictureBox::StartAnimation(Gdiplus::GpImage* image) {
  ObjectCore* core = GetCore();
  if (image == nullptr || core == nullptr) return 1;
  const GUID time = forms::TimeFrameDimension();
  UINT frames = 0;
  if (gp::GdipImageGetFrameCount(image, &time, &frames) != Gdiplus::Ok || frames <= 1) return 1;
  std::vector<std::uint32_t> delays;
  if (!ReadFrameDelays(image, delays)) return 1;
  // A box without a window has nothing to play in: its thread would end at once.
  const HWND window = GetHwnd();
  if (window == nullptr) return 1;

  const int frameCount = static_cast<int>(frames);
  const auto delayCount = static_cast<std::intptr_t>(delays.size());
  Animation* animation = AnimationOf(core);
  if (animation != nullptr) {
    // One thread per picture box: the running one plays the new frames.
    animation->Show(std::move(delays), frameCount);
  } else {
    animation = Animation::Start(window, std::move(delays), frameCount);
    if (animation == nullptr) return 1;
    SetPropertyOf(core, keys::kAnimation, animation);
  }
  SetPropertyOf(core, keys::kAnimationEvent, animation->PlayEvent());
  SetPropertyOf(core, keys::kPlayTimes, animation->Delays());
  ui::SetProperty(core, keys::kPlayTimeCount, delayCount);
  ui::SetProperty(core, keys::kPlayFrameCount, frameCount);
  ui::SetProperty(core, keys::kPlayIndex, 0);
  return frameCount;
}

int qoPictureBox::ShowImageType(std::optional<int> mode) {
  return forms::ExchangeShowImageType(*this, mode);
}

COLORREF qoPictureBox::BackColor(std::optional<COLORREF> colour) {
  return forms::ExchangeBackColor(*this, colour);
}

int qoPictureBox::PlayGif(std::optional<int> value) {
  if (!value.has_value()) return GetProperty(keys::kPlayGif) != 0 ? 1 : 0;
  SetProperty(keys::kPlayGif, *value);
  if (Animation* animation = AnimationOf(GetCore())) animation->Play(*value != 0);
  return 1;
}

DWORD qoPictureBox::AnimationThreadId() const {
  const Animation* animation = AnimationOf(GetCore());
  return animation != nullptr ? animation->ThreadId() : 0;
}

}  // namespace marlivo::ui
