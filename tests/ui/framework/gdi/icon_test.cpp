// The icon-and-cursor object: loading from file bytes, files, resources and bitmaps,
// shared ownership, measuring, and drawing into DIBs and GDI+ bitmaps.
#include "ui/framework/gdi/icon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/text/code_page.h"
#include "tests/ui/framework/gdi/gdiplus_started.h"
#include "tests/ui/framework/gdi/icon_file.h"
#include "ui/framework/module_instance.h"

namespace marlivo::gdi {
namespace {

using testing::IconFile;
using testing::IconImageSpec;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlue = 0xFF0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kBlack = 0xFF000000;
// The program's icon group, which the test program carries as its own resource.
constexpr int kProgramIconId = 129;
// IDC_IBEAM and IDI_APPLICATION as UTF-16 resource numbers.
const wchar_t* const kIBeamCursor = MAKEINTRESOURCEW(32513);
const wchar_t* const kApplicationIcon = MAKEINTRESOURCEW(32512);

bool IsLiveIcon(HICON handle) {
  ICONINFO info{};
  if (handle == nullptr || !GetIconInfo(handle, &info)) return false;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return true;
}

// A top-down 32-bit DIB section on a memory DC, filled with one colour.
class Canvas {
 public:
  Canvas(int width, int height, std::uint32_t fill) : width_(width) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, dib_);
    for (int i = 0; i < width * height; ++i) bits_[i] = fill;
  }
  ~Canvas() {
    SelectObject(dc_, old_);
    DeleteObject(dib_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  std::uint32_t At(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
  }

 private:
  int width_;
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

const std::vector<unsigned char>& ThreeImageFile() {
  static const std::vector<unsigned char> file = IconFile({
      {16, kRed, kRed},
      {24, kGreen, kGreen},
      {32, kBlue, kWhite},
  });
  return file;
}

TEST(IconTest, LoadFromMemoryTakesTheImageOfTheGivenEntry) {
  struct Case {
    std::optional<int> index;
    int side;
    std::uint32_t centre;  // colour drawn at the image's lower half
  } cases[] = {
      {std::nullopt, 16, kRed & 0xFFFFFF},
      {1, 24, kGreen & 0xFFFFFF},
      {2, 32, kWhite & 0xFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.side);
    qoIcon icon;
    ASSERT_EQ(icon.LoadFromMemory(ThreeImageFile(), c.index), 1);
    EXPECT_EQ(icon.GetWidth(), c.side);
    EXPECT_EQ(icon.GetHeight(), c.side);
    EXPECT_EQ(icon.IsIcon(), 1);
    Canvas canvas(40, 40, kBlack);
    EXPECT_EQ(icon.Draw(canvas.dc(), 0, 0), 1);
    EXPECT_EQ(canvas.At(c.side / 2, c.side * 3 / 4), c.centre);
  }
  // Width and height given: the image is scaled to them.
  qoIcon scaled;
  ASSERT_EQ(scaled.LoadFromMemory(ThreeImageFile(), 0, 48, 48), 1);
  EXPECT_EQ(scaled.GetWidth(), 48);
}

TEST(IconTest, LoadFromMemoryRefusesEntriesAndImagesOutsideTheBytes) {
  const std::vector<unsigned char>& good = ThreeImageFile();
  auto withDword = [&](std::size_t at, std::uint32_t value) {
    std::vector<unsigned char> bytes = good;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
    return bytes;
  };
  const std::size_t thirdEntry = 6 + 2 * 16;
  struct Case {
    const char* what;
    std::vector<unsigned char> bytes;
    int index;
  } cases[] = {
      {"no bytes", {}, 0},
      {"header only", std::vector<unsigned char>(good.begin(), good.begin() + 6), 0},
      {"index past the count", good, 3},
      {"negative index", good, -1},
      {"directory cut short", std::vector<unsigned char>(good.begin(), good.begin() + 40), 2},
      {"image cut short", std::vector<unsigned char>(good.begin(), good.end() - 1), 2},
      {"offset past the end", withDword(thirdEntry + 12, static_cast<std::uint32_t>(good.size())), 2},
      {"size wraps around", withDword(thirdEntry + 8, 0xFFFFFFF0u), 2},
      {"empty image", withDword(thirdEntry + 8, 0), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    qoIcon icon;
    ASSERT_EQ(icon.LoadFromMemory(good), 1);
    const HICON previous = icon.GetHandle();
    EXPECT_EQ(icon.LoadFromMemory(c.bytes, c.index), 0);
    EXPECT_EQ(icon.GetHandle(), nullptr);
    // The refused load still let go of the icon held before.
    EXPECT_FALSE(IsLiveIcon(previous));
  }
}

int g_iconCleanups = 0;

void CountingIconCleanup(WrapperCore* core) {
  ++g_iconCleanups;
  IconCleanup(core);
}

TEST(IconTest, CopiesShareTheIconAndTheLastReleaseDestroysItOnce) {
  g_iconCleanups = 0;
  auto* first = new qoIcon;
  ASSERT_EQ(first->LoadFromMemory(ThreeImageFile(), 2), 1);
  first->GetCore()->hooks->CleanupHook = CountingIconCleanup;
  const HICON handle = first->GetHandle();
  {
    qoIcon copy = *first;
    EXPECT_EQ(copy.GetHandle(), handle);
    EXPECT_EQ(first->GetRefCount(), 2);
  }
  // The copy went: the icon is still there and draws.
  EXPECT_EQ(g_iconCleanups, 0);
  ASSERT_TRUE(IsLiveIcon(handle));
  Canvas canvas(32, 32, kBlack);
  EXPECT_EQ(first->Draw(canvas.dc(), 0, 0), 1);
  EXPECT_EQ(canvas.At(16, 4), kBlue & 0xFFFFFF);

  std::optional<qoIcon> second(*first);
  delete first;
  EXPECT_EQ(g_iconCleanups, 0);
  EXPECT_TRUE(IsLiveIcon(handle));
  second.reset();
  EXPECT_EQ(g_iconCleanups, 1);
  EXPECT_FALSE(IsLiveIcon(handle));
}

TEST(IconTest, SetHandleOwnsTheNewHandleAndDestroysTheOldOne) {
  qoIcon icon;
  const HICON first = CreateIconFromResourceEx(
      const_cast<PBYTE>(ThreeImageFile().data() + 6 + 3 * 16),
      static_cast<DWORD>(testing::IconImage({16, kRed, kRed}).size()), TRUE, 0x30000, 0, 0, 0);
  ASSERT_NE(first, nullptr);
  icon.SetHandle(first);
  EXPECT_EQ(icon.GetHandle(), first);
  const HICON second = icon.CopyHandle();
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  icon.SetHandle(second);
  EXPECT_FALSE(IsLiveIcon(first));
  EXPECT_TRUE(IsLiveIcon(second));
  icon.Destroy();
  EXPECT_EQ(icon.GetHandle(), nullptr);
  EXPECT_FALSE(IsLiveIcon(second));
}

TEST(IconTest, CloneAndCopyHandleMakeIndependentCopies) {
  qoIcon icon;
  ASSERT_EQ(icon.LoadFromMemory(ThreeImageFile(), 1), 1);
  qoIcon clone = icon.Clone();
  ASSERT_NE(clone.GetHandle(), nullptr);
  EXPECT_NE(clone.GetHandle(), icon.GetHandle());
  EXPECT_NE(clone.GetCore(), icon.GetCore());
  icon.Destroy();
  EXPECT_TRUE(IsLiveIcon(clone.GetHandle()));
  EXPECT_EQ(clone.GetWidth(), 24);

  qoIcon empty;
  EXPECT_EQ(empty.CopyHandle(), nullptr);
  EXPECT_EQ(empty.Clone().GetHandle(), nullptr);
}

TEST(IconTest, EmptyObjectAnswersWithZeros) {
  qoIcon icon;
  Canvas canvas(4, 4, kBlack);
  SIZE size{5, 5};
  EXPECT_EQ(icon.GetWidth(), 0);
  EXPECT_EQ(icon.GetHeight(), 0);
  EXPECT_EQ(icon.IsIcon(), 0);
  EXPECT_EQ(icon.GetHotSpot().x, 0);
  EXPECT_EQ(icon.GetHotSpot().y, 0);
  EXPECT_EQ(icon.Draw(canvas.dc(), 0, 0), 0);
  EXPECT_EQ(icon.ToHBITMAP(&size, 0), nullptr);
  EXPECT_EQ(size.cx, 5);
  EXPECT_EQ(icon.ToBitmap().GetHandle(), nullptr);
  EXPECT_EQ(icon.FromBitmap(qoBitmap()), 0);
}

TEST(IconTest, DrawWithoutASizeDrawsTheIconAtItsOwnSize) {
  qoIcon icon;
  ASSERT_EQ(icon.LoadFromMemory(ThreeImageFile(), 0), 1);  // 16 x 16 red
  Canvas natural(40, 40, kBlack);
  ASSERT_EQ(icon.Draw(natural.dc(), 2, 2), 1);
  EXPECT_EQ(natural.At(17, 17), kRed & 0xFFFFFF);
  EXPECT_EQ(natural.At(18, 18), 0u);
  EXPECT_EQ(natural.At(1, 1), 0u);

  Canvas sized(40, 40, kBlack);
  ASSERT_EQ(icon.Draw(sized.dc(), 2, 2, 32), 1);
  EXPECT_EQ(sized.At(33, 33), kRed & 0xFFFFFF);
  EXPECT_EQ(sized.At(34, 34), 0u);
}

TEST(IconTest, ToHBITMAPAndToBitmapKeepTheRowOrder) {
  qoIcon icon;
  ASSERT_EQ(icon.LoadFromMemory(ThreeImageFile(), 2), 1);  // blue above white, 32 x 32

  SIZE size{};
  HBITMAP dib = icon.ToHBITMAP(&size, 0);
  ASSERT_NE(dib, nullptr);
  EXPECT_EQ(size.cx, 32);
  EXPECT_EQ(size.cy, 32);
  DIBSECTION section{};
  ASSERT_EQ(GetObjectW(dib, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBmih.biBitCount, 32);
  EXPECT_GT(section.dsBmih.biHeight, 0);  // bottom-up
  const auto* rows = static_cast<const std::uint32_t*>(section.dsBm.bmBits);
  EXPECT_EQ(rows[0] & 0xFFFFFF, kWhite & 0xFFFFFF);          // first stored row: the bottom
  EXPECT_EQ(rows[31 * 32] & 0xFFFFFF, kBlue & 0xFFFFFF);     // last stored row: the top
  DeleteObject(dib);

  SIZE given{16, 8};
  dib = icon.ToHBITMAP(&given, 1);
  ASSERT_NE(dib, nullptr);
  ASSERT_EQ(GetObjectW(dib, sizeof(section), &section), static_cast<int>(sizeof(section)));
  EXPECT_EQ(section.dsBm.bmWidth, 16);
  EXPECT_EQ(section.dsBm.bmHeight, 8);
  DeleteObject(dib);

  qoBitmap bitmap = icon.ToBitmap();
  ASSERT_NE(bitmap.GetHandle(), nullptr);
  EXPECT_EQ(bitmap.GetWidth(), 32);
  EXPECT_EQ(bitmap.GetHeight(), 32);
  Gdiplus::ARGB top = 0;
  Gdiplus::ARGB bottom = 0;
  ASSERT_EQ(gp::GdipBitmapGetPixel(bitmap.GetHandle(), 5, 2, &top), kGdipOk);
  ASSERT_EQ(gp::GdipBitmapGetPixel(bitmap.GetHandle(), 5, 29, &bottom), kGdipOk);
  EXPECT_EQ(top & 0xFFFFFF, kBlue & 0xFFFFFF);  // top-down: row 0 is the top
  EXPECT_EQ(bottom & 0xFFFFFF, kWhite & 0xFFFFFF);

  // And back: an icon made from that bitmap has its size.
  qoIcon fromBitmap;
  ASSERT_EQ(fromBitmap.FromBitmap(bitmap), 1);
  EXPECT_EQ(fromBitmap.GetWidth(), 32);
  EXPECT_EQ(fromBitmap.IsIcon(), 1);
}

TEST(IconTest, SystemCursorIsACursorWithItsHotSpot) {
  qoIcon cursor;
  ASSERT_EQ(cursor.LoadSystemCursor(kIBeamCursor), 1);
  EXPECT_EQ(cursor.IsIcon(), 0);
  EXPECT_GT(cursor.GetWidth(), 0);
  const POINT hotSpot = cursor.GetHotSpot();
  // The I-beam's hot spot is inside it, away from the corner.
  EXPECT_GT(hotSpot.x, 0);
  EXPECT_GT(hotSpot.y, 0);

  qoIcon icon;
  ASSERT_EQ(icon.LoadSystemIcon(kApplicationIcon), 1);
  EXPECT_EQ(icon.IsIcon(), 1);

  EXPECT_EQ(cursor.LoadSystemCursor(MAKEINTRESOURCEW(1)), 0);
  EXPECT_EQ(cursor.GetHandle(), nullptr);
}

TEST(IconTest, LoadIconResourceLoadsTheProgramIconFromTheResourceModule) {
  qoIcon icon;
  ASSERT_EQ(icon.LoadIconResource(MAKEINTRESOURCEW(kProgramIconId)), 1);
  // LoadIconW sizes every icon to the system's large icon size; the group's only
  // image is 48 x 48.
  EXPECT_EQ(icon.GetWidth(), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(icon.GetHeight(), GetSystemMetrics(SM_CYICON));
  EXPECT_EQ(icon.IsIcon(), 1);
  Canvas canvas(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0xFFFFFF);
  ASSERT_EQ(icon.Draw(canvas.dc(), 0, 0), 1);
  // The middle of the icon is the copper ball, not the white behind it.
  const std::uint32_t middle = canvas.At(GetSystemMetrics(SM_CXICON) / 2, GetSystemMetrics(SM_CYICON) / 2);
  EXPECT_GT((middle >> 16) & 0xFF, (middle & 0xFF) + 40);  // red well above blue

  // A module without that resource: nothing, and the object is empty.
  ui::SetModuleInstance(GetModuleHandleW(L"kernel32.dll"));
  EXPECT_EQ(icon.LoadIconResource(MAKEINTRESOURCEW(kProgramIconId)), 0);
  EXPECT_EQ(icon.GetHandle(), nullptr);
  EXPECT_EQ(icon.LoadCursorResource(MAKEINTRESOURCEW(kProgramIconId)), 0);
  ui::SetModuleInstance(GetModuleHandleW(nullptr));
  EXPECT_EQ(icon.LoadIconResource(MAKEINTRESOURCEW(4242)), 0);
}

std::wstring TempFolder() {
  wchar_t path[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, path);
  // A fresh Wine prefix may not have made its temporary folder yet.
  CreateDirectoryW(path, nullptr);
  return path;
}

TEST(IconTest, LoadFromFileTakesAGbkPathWhateverTheCodePage) {
  // 图标 (icon) in the folder name: GBK bytes that the system's ANSI code page may read
  // differently.
  const std::wstring folder = TempFolder() + L"marlivo-\x56FE\x6807-" + std::to_wstring(GetTickCount64());
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring file = folder + L"\\three.ico";
  {
    HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(out, ThreeImageFile().data(), static_cast<DWORD>(ThreeImageFile().size()), &written, nullptr);
    CloseHandle(out);
  }
  qoIcon icon;
  const std::string gbkPath = text::WideToGbk(file);
  EXPECT_EQ(icon.LoadFromFile(gbkPath.c_str(), 0, 24, 24), 1);
  EXPECT_EQ(icon.GetWidth(), 24);
  EXPECT_EQ(icon.LoadFromFileW(file.c_str(), 0, 32, 32), 1);
  EXPECT_EQ(icon.GetWidth(), 32);
  EXPECT_EQ(icon.LoadFromFileW((folder + L"\\missing.ico").c_str(), 0, 0, 0), 0);
  EXPECT_EQ(icon.GetHandle(), nullptr);
  DeleteFileW(file.c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST(IconTest, CursorFileBytesLoadAsAnIcon) {
  // A .cur file's type word is 2, which the load passes as a non-zero icon flag.
  const std::vector<unsigned char> cursorFile = IconFile({{32, kGreen, kGreen}}, 2);
  qoIcon icon;
  ASSERT_EQ(icon.LoadFromMemory(cursorFile), 1);
  EXPECT_EQ(icon.IsIcon(), 1);
  EXPECT_EQ(icon.GetWidth(), 32);
}

}  // namespace
}  // namespace marlivo::gdi
