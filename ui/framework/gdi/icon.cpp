// The icon-and-cursor object.
#include "ui/framework/gdi/icon.h"

#include <cstring>
#include <string>

#include "engine/text/code_page.h"
#include "ui/framework/module_instance.h"

namespace marlivo::gdi {
namespace {

// Layout of an .ico or .cur file: a header of three words, then one directory entry
// of 16 bytes per image, each naming its image's size and offset in the file.
constexpr std::size_t kIconFileHeaderBytes = 6;
constexpr std::size_t kIconDirEntryBytes = 16;
constexpr std::size_t kDirEntryImageSizeAt = 8;
constexpr std::size_t kDirEntryImageOffsetAt = 12;
// The icon format version that CreateIconFromResourceEx expects for Windows 3.x and
// later images.
constexpr DWORD kIconFormatVersion = 0x00030000;

std::uint16_t ReadWord(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t ReadDword(std::span<const unsigned char> bytes, std::size_t at) {
  return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// GetIconInfo hands out two bitmaps that the caller must delete.
struct IconInfo {
  ICONINFO info{};
  bool valid = false;
  explicit IconInfo(HICON handle) {
    valid = handle != nullptr && GetIconInfo(handle, &info) != FALSE;
  }
  ~IconInfo() {
    if (!valid) return;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  }
  IconInfo(const IconInfo&) = delete;
  IconInfo& operator=(const IconInfo&) = delete;
};

void DestroyHeldIcon(std::uintptr_t* word) {
  auto handle = reinterpret_cast<HICON>(*word);
  if (handle == nullptr) return;
  {
    IconInfo info(handle);
    // A handle whose info cannot be read is no live icon any more; there is nothing
    // left to destroy.
    if (info.valid) {
      if (info.info.fIcon) {
        DestroyIcon(handle);
      } else {
        DestroyCursor(handle);
      }
    }
  }
  *word = 0;
}

bool MaskSize(HICON handle, SIZE* size) {
  IconInfo info(handle);
  if (!info.valid || info.info.hbmMask == nullptr) return false;
  BITMAP mask{};
  if (GetObjectW(info.info.hbmMask, sizeof(mask), &mask) == 0) return false;
  size->cx = mask.bmWidth;
  size->cy = mask.bmHeight;
  return true;
}

// A screen-compatible memory DC with a 32-bit bottom-up DIB of the size selected, the
// icon drawn into it. Everything is released when it goes, except the DIB once taken.
struct IconCanvas {
  HDC screen = nullptr;
  HDC memory = nullptr;
  HBITMAP dib = nullptr;
  HGDIOBJ previous = nullptr;
  void* bits = nullptr;

  IconCanvas(HICON handle, SIZE size) {
    screen = GetDC(nullptr);
    if (screen == nullptr) return;
    memory = CreateCompatibleDC(screen);
    if (memory == nullptr) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dib == nullptr) return;
    previous = SelectObject(memory, dib);
    DrawIconEx(memory, 0, 0, handle, size.cx, size.cy, 0, nullptr, DI_NORMAL);
    GdiFlush();
  }
  HBITMAP Take() {
    HBITMAP taken = dib;
    if (memory != nullptr && previous != nullptr) SelectObject(memory, previous);
    previous = nullptr;
    dib = nullptr;
    return taken;
  }
  ~IconCanvas() {
    if (memory != nullptr && previous != nullptr) SelectObject(memory, previous);
    if (dib != nullptr) DeleteObject(dib);
    if (memory != nullptr) DeleteDC(memory);
    if (screen != nullptr) ReleaseDC(nullptr, screen);
  }
  IconCanvas(const IconCanvas&) = delete;
  IconCanvas& operator=(const IconCanvas&) = delete;
};

}  // namespace

void IconCleanup(WrapperCore* core) {
  if (core->data != nullptr) DestroyHeldIcon(&core->data[0]);
  BaseWrapperCleanup(core);
}

qoIcon::qoIcon() { InstallCleanupHook(IconCleanup); }

qoIcon::qoIcon(HICON handle) : qoIcon() { SetHandle(handle); }

void qoIcon::Destroy() {
  if (std::uintptr_t* word = GetDataItemAddress(0)) DestroyHeldIcon(word);
}

HICON qoIcon::GetHandle() const { return reinterpret_cast<HICON>(GetDataItem(0)); }

void qoIcon::SetHandle(HICON handle) {
  if (handle != nullptr && handle == GetHandle()) return;  // already ours
  Destroy();
  Hold(handle);
}

int qoIcon::Hold(HICON handle) {
  if (handle == nullptr) return 0;
  if (GetData() == nullptr) {
    // No core to keep it in: do not leak what was handed over.
    DestroyIcon(handle);
    return 0;
  }
  SetDataItem(0, reinterpret_cast<std::uintptr_t>(handle));
  return 1;
}

int qoIcon::LoadFromMemory(std::span<const unsigned char> file, std::optional<int> index,
                           std::optional<int> width, std::optional<int> height) {
  Destroy();
  const int entry = index.value_or(0);
  // The directory entry, and the image it names, must lie inside the bytes: the
  // system would otherwise read past them.
  if (entry < 0 || file.size() < kIconFileHeaderBytes) return 0;
  const std::uint16_t type = ReadWord(file, 2);
  const std::uint16_t count = ReadWord(file, 4);
  if (static_cast<unsigned>(entry) >= count) return 0;
  const std::size_t entryAt = kIconFileHeaderBytes + static_cast<std::size_t>(entry) * kIconDirEntryBytes;
  if (entryAt + kIconDirEntryBytes > file.size()) return 0;
  const std::uint32_t imageBytes = ReadDword(file, entryAt + kDirEntryImageSizeAt);
  const std::uint32_t imageAt = ReadDword(file, entryAt + kDirEntryImageOffsetAt);
  if (imageBytes == 0 || imageAt > file.size() || imageBytes > file.size() - imageAt) return 0;
  // CreateIconFromResourceEx takes a writable pointer but only reads through it.
  auto* image = const_cast<PBYTE>(file.data() + imageAt);
  // The file's type word serves as the icon flag: 1 for .ico, 2 for .cur, both true,
  // so cursor files load as icons too.
  return Hold(CreateIconFromResourceEx(image, imageBytes, type, kIconFormatVersion,
                                       width.value_or(0), height.value_or(0), 0));
}

int qoIcon::LoadFromFileW(const wchar_t* path, int cursor, int width, int height) {
  Destroy();
  if (path == nullptr) return 0;
  return Hold(static_cast<HICON>(LoadImageW(nullptr, path, cursor != 0 ? IMAGE_CURSOR : IMAGE_ICON,
                                            width, height, LR_LOADFROMFILE)));
}

int qoIcon::FromBitmap(const qoBitmap& bitmap) {
  Destroy();
  HICON handle = nullptr;
  if (bitmap.GetHandle() == nullptr ||
      gp::GdipCreateHICONFromBitmap(bitmap.GetHandle(), &handle) != kGdipOk) {
    return 0;
  }
  return Hold(handle);
}

int qoIcon::LoadFromFile(const char* path, int cursor, int width, int height) {
  const std::wstring wide = text::GbkToWide(path != nullptr ? path : "");
  return LoadFromFileW(wide.c_str(), cursor, width, height);
}

int qoIcon::LoadSystemCursor(const wchar_t* name) {
  Destroy();
  return Hold(LoadCursorW(nullptr, name));
}

int qoIcon::LoadCursorResource(const wchar_t* name) {
  Destroy();
  return Hold(LoadCursorW(ui::ModuleInstance(), name));
}

int qoIcon::LoadSystemIcon(const wchar_t* name) {
  Destroy();
  return Hold(LoadIconW(nullptr, name));
}

int qoIcon::LoadIconResource(const wchar_t* name) {
  Destroy();
  return Hold(LoadIconW(ui::ModuleInstance(), name));
}

qoIcon qoIcon::Clone() const { return qoIcon(CopyHandle()); }

HICON qoIcon::CopyHandle() const {
  return GetHandle() != nullptr ? CopyIcon(GetHandle()) : nullptr;
}

int qoIcon::GetWidth() const {
  SIZE size{};
  return MaskSize(GetHandle(), &size) ? size.cx : 0;
}

int qoIcon::GetHeight() const {
  SIZE size{};
  return MaskSize(GetHandle(), &size) ? size.cy : 0;
}

POINT qoIcon::GetHotSpot() const {
  IconInfo info(GetHandle());
  if (!info.valid) return POINT{0, 0};
  return POINT{static_cast<LONG>(info.info.xHotspot), static_cast<LONG>(info.info.yHotspot)};
}

int qoIcon::IsIcon() const {
  IconInfo info(GetHandle());
  return info.valid && info.info.fIcon ? 1 : 0;
}

HBITMAP qoIcon::ToHBITMAP(SIZE* size, int sizeGiven) const {
  if (size == nullptr) return nullptr;
  SIZE maskSize{};
  if (!MaskSize(GetHandle(), &maskSize)) return nullptr;
  if (sizeGiven == 0) *size = maskSize;
  if (size->cx <= 0 || size->cy <= 0) return nullptr;
  IconCanvas canvas(GetHandle(), *size);
  return canvas.Take();
}

qoBitmap qoIcon::ToBitmap(std::optional<SIZE> size) const {
  SIZE used{};
  if (!MaskSize(GetHandle(), &used)) return qoBitmap();
  if (size.has_value()) used = *size;
  if (used.cx <= 0 || used.cy <= 0) return qoBitmap();
  IconCanvas canvas(GetHandle(), used);
  if (canvas.bits == nullptr) return qoBitmap();
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (gp::GdipCreateBitmapFromScan0(used.cx, used.cy, 0, PixelFormat32bppARGB, nullptr, &bitmap) !=
      kGdipOk) {
    return qoBitmap();
  }
  qoBitmap result(bitmap);
  Gdiplus::GpRect whole(0, 0, used.cx, used.cy);
  Gdiplus::BitmapData locked{};
  if (gp::GdipBitmapLockBits(bitmap, &whole, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeWrite,
                             PixelFormat32bppARGB, &locked) != kGdipOk) {
    return qoBitmap();
  }
  // The DIB is bottom-up, the GDI+ bitmap top-down: row i takes DIB row height - 1 - i.
  const std::size_t rowBytes = static_cast<std::size_t>(used.cx) * 4;
  const auto* source = static_cast<const unsigned char*>(canvas.bits);
  auto* target = static_cast<unsigned char*>(locked.Scan0);
  for (LONG row = 0; row < used.cy; ++row) {
    std::memcpy(target + static_cast<std::ptrdiff_t>(row) * locked.Stride,
                source + static_cast<std::size_t>(used.cy - 1 - row) * rowBytes, rowBytes);
  }
  gp::GdipBitmapUnlockBits(bitmap, &locked);
  return result;
}

int qoIcon::Draw(HDC dc, int x, int y, std::optional<int> size, std::optional<UINT> flags) const {
  if (GetHandle() == nullptr || dc == nullptr) return 0;
  const int side = size.value_or(0);
  return DrawIconEx(dc, x, y, GetHandle(), side, side, 0, nullptr, flags.value_or(kDrawIconNormal))
             ? 1
             : 0;
}

}  // namespace marlivo::gdi
