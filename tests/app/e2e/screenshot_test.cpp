// Pictures of the main window for people to look at, taken inside a Wine virtual desktop
// where Wine draws the whole window: after start-up and after a run. They are kept in
// build/screenshots/. The test checks that the pictures show a window of the right size
// with the banner's own pixels at the top of its client area.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "tests/app/e2e/driver/screen_image.h"
#include "tests/app/e2e/e2e_fixture.h"

namespace marlivo::e2e {
namespace {

// The banner control's place in the client area and the banner's size.
constexpr int kBannerX = 2;
constexpr int kBannerY = 2;
constexpr int kBannerWidth = 420;
constexpr int kBannerHeight = 60;
// The banner is drawn one to one from the same decoder; what is left is rounding.
constexpr double kBannerTolerance = 2.0;

std::wstring SourcePath(const char* relative) {
  const char* root = std::getenv("MARLIVO_SOURCE_DIR");
  std::string path = std::string("Z:") + (root ? root : "") + "/" + relative;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return Wide(path);
}

std::map<std::string, std::string> ReadReport(const std::string& path) {
  std::map<std::string, std::string> values;
  const std::string text = ReadFileBytes(path).value_or("");
  for (size_t at = 0; at < text.size();) {
    const size_t end = text.find("\r\n", at);
    const std::string line = text.substr(at, end - at);
    if (const size_t equals = line.find('='); equals != std::string::npos) {
      values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    at = end == std::string::npos ? text.size() : end + 2;
  }
  return values;
}

// Runs the driver inside a virtual desktop of its own and waits for the desktop to end.
bool RunDriverInVirtualDesktop(const std::wstring& arguments) {
  wchar_t windows[MAX_PATH] = L"";
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(windows) + L"\\explorer.exe\" /desktop=MarlivoShots" +
                         std::to_wstring(GetCurrentProcessId()) + L",800x600 \"" + OwnFolder() +
                         L"\\marlivo_driver.exe\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &info)) {
    return false;
  }
  const bool ended = WaitForSingleObject(info.hProcess, 3 * kDefaultWaitMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(info.hProcess, 1);
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return ended;
}

TEST(ScreenshotTest, PicturesShowTheWholeWindowWithItsBanner) {
  KeyShotInstallations no_installations;
  ProgramFolder folder;
  folder.WriteDictionary(Gbk(L"[dic]\r\nGold=黄金\r\nMetal=金属\r\n"));
  folder.temp().WriteFile("library\\Metal\\Gold.mtl", QuotedMaterial("Gold"));
  const std::string shots = folder.Join("shots");
  const std::wstring arguments = L"\"" + folder.executable() + L"\" \"" +
                                 Wide(folder.Join("library")) + L"\" - \"" + Wide(shots) + L"\"";
  ASSERT_TRUE(RunDriverInVirtualDesktop(arguments)) << "the virtual desktop did not end";

  const std::map<std::string, std::string> report = ReadReport(shots + "\\report.txt");
  ASSERT_EQ(report.count("result"), 1u) << "the driver wrote no report";
  EXPECT_EQ(report.at("result"), "0");
  EXPECT_EQ(report.count("run") ? report.at("run") : "", "done");
  EXPECT_EQ(report.count("exit") ? report.at("exit") : "", "0");
  EXPECT_EQ(report.count("window") ? report.at("window") : "", "430x480");
  int client_x = 0;
  int client_y = 0;
  ASSERT_EQ(std::sscanf(report.count("client") ? report.at("client").c_str() : "", "%d,%d",
                        &client_x, &client_y),
            2);

  const std::optional<Picture> banner = LoadPicture(SourcePath("assets/banner.jpg"));
  ASSERT_TRUE(banner.has_value());
  ASSERT_EQ(banner->width, kBannerWidth);
  ASSERT_EQ(banner->height, kBannerHeight);

  // Kept for people to look at, beside the build's other outputs.
  const std::wstring kept = OwnFolder() + L"\\..\\screenshots";
  CreateDirectoryW(kept.c_str(), nullptr);
  for (const char* name : {"start", "after-run"}) {
    SCOPED_TRACE(name);
    const std::wstring path = Wide(shots) + L"\\" + Wide(name) + L".png";
    const std::optional<Picture> picture = LoadPicture(path);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 430);
    EXPECT_EQ(picture->height, 480);
    const Picture shown = picture->Part(client_x + kBannerX, client_y + kBannerY, kBannerWidth,
                                        kBannerHeight);
    const double difference = MeanDifference(shown, *banner);
    EXPECT_GE(difference, 0) << "the banner's place lies outside the picture";
    EXPECT_LE(difference, kBannerTolerance);
    CopyFileW(path.c_str(), (kept + L"\\" + Wide(name) + L".png").c_str(), FALSE);
  }
  // The run did its work.
  EXPECT_EQ(HeaderName(ReadFileBytes(folder.Join(Gbk(L"library\\金属\\Gold.mtl"))).value_or("")),
            std::optional<std::string>(Utf8(L"黄金")));
}

}  // namespace
}  // namespace marlivo::e2e
