// The picture box: creation, the banner and other still images painted on erase, and
// the animation thread: the frames it shows, pause and resume, one thread per box, and
// its end when the window goes.
#include "ui/controls/picture_box.h"

#include <gtest/gtest.h>

#include <vector>

#include "assets/banner_jpeg.h"
#include "tests/ui/controls/controls_test_support.h"
#include "tests/ui/forms/image_files.h"
#include "ui/controls/animation.h"
#include "ui/forms/background_painter.h"
#include "ui/framework/bag_keys.h"

namespace marlivo::ui {
namespace {

using marlivo::testing::AnimatedGif;
using marlivo::testing::QuadrantBmp;
using marlivo::testing::SolidBmp;
using testing::Canvas;
using testing::HostWindow;
using testing::MessageRecorder;
using testing::PumpUntil;

constexpr DWORD kProgramStyle = 0x54000000;
// How long a test watches for frames that must not come. Only "nothing happened" is
// judged this way: on a slow machine fewer frames come, never more.
constexpr DWORD kQuietWatchMs = 400;
// The longest a test waits for something that must happen.
constexpr DWORD kEventBoundMs = 20000;

std::span<const unsigned char> Bytes(const std::vector<unsigned char>& bytes) {
  return std::span<const unsigned char>(bytes.data(), bytes.size());
}

// The frames the box was asked to show, in order.
std::vector<WPARAM> FramesShown(const MessageRecorder& recorder) {
  std::vector<WPARAM> frames;
  for (const auto& seen : recorder.messages()) {
    if (seen.message == kSelectFrameMessage) frames.push_back(seen.wParam);
  }
  return frames;
}

bool WaitForFrames(const MessageRecorder& recorder, std::size_t count) {
  return PumpUntil([&] { return FramesShown(recorder).size() >= count; }, kEventBoundMs);
}

void WatchQuietly() {
  PumpUntil([] { return false; }, kQuietWatchMs);
}

// The thread, opened while it runs, so its end can be awaited after the window goes.
class ThreadWatch {
 public:
  explicit ThreadWatch(DWORD id) : handle_(::OpenThread(SYNCHRONIZE, FALSE, id)) {}
  ThreadWatch(const ThreadWatch&) = delete;
  ThreadWatch& operator=(const ThreadWatch&) = delete;
  ~ThreadWatch() {
    if (handle_ != nullptr) ::CloseHandle(handle_);
  }
  bool opened() const { return handle_ != nullptr; }
  bool Ended() const { return ::WaitForSingleObject(handle_, 0) == WAIT_OBJECT_0; }
  // Dispatches messages until the thread has ended (or the bound has passed).
  bool AwaitEnd() const {
    const ULONGLONG deadline = ::GetTickCount64() + kEventBoundMs;
    while (!Ended()) {
      const ULONGLONG now = ::GetTickCount64();
      if (now >= deadline) return false;
      ::MsgWaitForMultipleObjects(1, &handle_, FALSE, static_cast<DWORD>(deadline - now),
                                  QS_ALLINPUT);
      testing::PumpPending();
    }
    return true;
  }

 private:
  HANDLE handle_;
};

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host_.window(), nullptr);
    ASSERT_EQ(box_.CreateOn(host_.window(), std::nullopt, 2, 2, SIZE{420, 60}, std::nullopt,
                            kProgramStyle),
              1);
  }

  // The box's erase painted into a canvas that starts out green.
  COLORREF ErasedPixel(int x, int y) {
    Canvas canvas(420, 60, RGB(0, 255, 0));
    ::SendMessageW(box_.GetHwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    return canvas.Pixel(x, y);
  }

  HostWindow host_;
  qoPictureBox box_;
};

TEST_F(PictureBoxTest, CreationMakesAnOwnerDrawnStaticThatFitsItsImage) {
  EXPECT_EQ(box_.GetWindowStyle(), 0x5400010Du);
  EXPECT_EQ(box_.GetClassNameW(), L"Static");
  EXPECT_EQ(box_.GetType(), "\xCD\xBC\xC6\xAC\xBF\xF2");  // 图片框
  EXPECT_EQ(box_.ShowImageType(), 3);

  qoPictureBox plain;
  ASSERT_EQ(plain.CreateOnW(host_.window(), std::nullopt, 0, 0), 1);
  EXPECT_EQ(plain.GetSize().cx, 120);
  EXPECT_EQ(plain.GetSize().cy, 120);
  EXPECT_EQ(plain.GetWindowStyle(), 0x5400010Du);
}

TEST_F(PictureBoxTest, AnExistingStaticTakenOverIsMadeOwnerDrawn) {
  for (const bool byId : {true, false}) {
    const HWND item = ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_CENTER, 0,
                                        100, 50, 50, host_.window(), reinterpret_cast<HMENU>(31),
                                        nullptr, nullptr);
    qoPictureBox taken;
    ASSERT_EQ(byId ? taken.BindDlgItem(host_.window(), 31, 1) : taken.Attach(item), 1);
    EXPECT_EQ(taken.GetHwnd(), item);
    EXPECT_EQ(::GetWindowLongW(item, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    ::DestroyWindow(item);
  }
}

TEST_F(PictureBoxTest, TheBannerFillsTheBoxExactlyAndStartsNoThread) {
  const std::span<const unsigned char> banner(assets::kBannerJpeg, assets::kBannerJpegSize);
  EXPECT_TRUE(box_.ImageData(banner).empty());
  forms::qoImage shown = box_.Image();
  ASSERT_NE(shown.GetHandle(), nullptr);
  EXPECT_EQ(box_.StartAnimation(shown.GetHandle()), 1);
  EXPECT_EQ(box_.AnimationThreadId(), 0u);
  EXPECT_EQ(box_.HasProperty(keys::kAnimationEvent), 0);

  // Pixel for pixel: the erase shows the decoded banner at every sample point.
  auto* bitmap = reinterpret_cast<Gdiplus::GpBitmap*>(shown.GetHandle());
  Canvas canvas(420, 60, RGB(0, 255, 0));
  ::SendMessageW(box_.GetHwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
  for (const POINT at : {POINT{0, 0}, POINT{419, 59}, POINT{210, 30}, POINT{37, 51}}) {
    Gdiplus::ARGB argb = 0;
    ASSERT_EQ(gdi::gp::GdipBitmapGetPixel(bitmap, at.x, at.y, &argb), Gdiplus::Ok);
    EXPECT_EQ(canvas.Pixel(at.x, at.y), forms::ArgbToColorRef(argb)) << at.x << "," << at.y;
  }

  // Without bytes, the image comes back in its own format.
  const std::vector<unsigned char> encoded = box_.ImageData();
  ASSERT_GE(encoded.size(), 2u);
  EXPECT_EQ(encoded[0], 0xFF);
  EXPECT_EQ(encoded[1], 0xD8);
}

struct StillCase {
  const char* name;
  std::optional<int> mode;          // ShowImageType, when given
  std::optional<COLORREF> colour;   // BackColor, when given
  COLORREF beside;                  // at (100, 30): left of a fitted image
  COLORREF inside;                  // at (200, 30): inside a fitted image
};

TEST_F(PictureBoxTest, AStillImageIsPaintedByModeOverItsBackground) {
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  // 200 x 100, red: fitted into 420 x 60 it lands in (150, 0, 270, 60).
  const std::vector<unsigned char> red = SolidBmp(200, 100, 0xFF0000);
  const StillCase cases[] = {
      {"default mode 3 on the face colour", std::nullopt, std::nullopt, face, RGB(255, 0, 0)},
      {"mode 3 on blue", 3, RGB(0, 0, 255), RGB(0, 0, 255), RGB(255, 0, 0)},
      {"mode 2 stretches over everything", 2, RGB(0, 0, 255), RGB(255, 0, 0), RGB(255, 0, 0)},
      {"mode 4 paints the colour only", 4, RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 255)},
  };
  box_.ImageData(Bytes(red));
  for (const StillCase& c : cases) {
    if (c.mode) box_.ShowImageType(*c.mode);
    if (c.colour) box_.BackColor(*c.colour);
    EXPECT_EQ(ErasedPixel(100, 30), c.beside) << c.name;
    EXPECT_EQ(ErasedPixel(200, 30), c.inside) << c.name;
  }
  EXPECT_EQ(box_.BackColor(), RGB(0, 0, 255));
  EXPECT_EQ(box_.ShowImageType(1), 4);
}

TEST_F(PictureBoxTest, WithoutImageOrColourTheEraseIsNotThePainters) {
  Canvas canvas(420, 60, RGB(0, 255, 0));
  ::SendMessageW(box_.GetHwnd(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
  EXPECT_EQ(canvas.Pixel(100, 30), RGB(0, 255, 0));

  // Bytes that cannot be decoded still count as an image: the colour is painted.
  const std::vector<unsigned char> garbage = {1, 2, 3, 4};
  box_.ImageData(Bytes(garbage));
  EXPECT_EQ(box_.HasProperty(keys::kBackImage), 1);
  EXPECT_EQ(ErasedPixel(100, 30), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(PictureBoxTest, FramesPlayInOrderAndStartAgainAfterTheLast) {
  MessageRecorder recorder(box_);
  const std::vector<unsigned char> gif = AnimatedGif({1, 1, 1});
  box_.ImageData(Bytes(gif));
  EXPECT_NE(box_.AnimationThreadId(), 0u);
  EXPECT_EQ(box_.GetProperty(keys::kPlayFrameCount), 3);
  EXPECT_EQ(box_.GetProperty(keys::kPlayTimeCount), 3);
  ASSERT_TRUE(WaitForFrames(recorder, 7));
  const std::vector<WPARAM> frames = FramesShown(recorder);
  for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i], i % 3) << i;
}

TEST_F(PictureBoxTest, EachFrameWaitsItsOwnDelay) {
  MessageRecorder recorder(box_);
  // Frame 0 waits 11 ms, frame 1 eleven minutes: frame 1 comes soon, and then nothing.
  const std::vector<unsigned char> gif = AnimatedGif({1, 60000});
  box_.ImageData(Bytes(gif));
  ASSERT_TRUE(WaitForFrames(recorder, 2));
  WatchQuietly();
  EXPECT_EQ(FramesShown(recorder), (std::vector<WPARAM>{0, 1}));

  // The other way round: frame 0 waits, and frame 1 does not come.
  qoPictureBox slow;
  ASSERT_EQ(slow.CreateOn(host_.window(), std::nullopt, 0, 70), 1);
  MessageRecorder slowRecorder(slow);
  const std::vector<unsigned char> slowGif = AnimatedGif({60000, 1});
  slow.ImageData(Bytes(slowGif));
  ASSERT_TRUE(WaitForFrames(slowRecorder, 1));
  WatchQuietly();
  EXPECT_EQ(FramesShown(slowRecorder), (std::vector<WPARAM>{0}));
}

struct StopCase {
  const char* name;
  void (*stop)(qoPictureBox& box);
  void (*resume)(qoPictureBox& box);
};

const StopCase kStopCases[] = {
    {"PlayGif false and true", [](qoPictureBox& box) { box.PlayGif(0); },
     [](qoPictureBox& box) { box.PlayGif(1); }},
    {"hidden and shown again", [](qoPictureBox& box) { box.Visible(0); },
     [](qoPictureBox& box) { box.Visible(1); }},
};

class PictureStopTest : public PictureBoxTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(PictureStopTest, StoppedFramesStayAndResumeWithTheNextOne) {
  MessageRecorder recorder(box_);
  const std::vector<unsigned char> gif = AnimatedGif({1, 1, 1});
  box_.ImageData(Bytes(gif));
  ASSERT_TRUE(WaitForFrames(recorder, 2));

  GetParam().stop(box_);
  // A frame on its way when the box stopped may still arrive; then none.
  const std::size_t stoppedAt = FramesShown(recorder).size();
  WatchQuietly();
  const std::vector<WPARAM> stopped = FramesShown(recorder);
  EXPECT_LE(stopped.size(), stoppedAt + 1);
  WatchQuietly();
  EXPECT_EQ(FramesShown(recorder).size(), stopped.size());

  GetParam().resume(box_);
  ASSERT_TRUE(WaitForFrames(recorder, stopped.size() + 1));
  EXPECT_EQ(FramesShown(recorder)[stopped.size()], (stopped.back() + 1) % 3);
}

INSTANTIATE_TEST_SUITE_P(Ways, PictureStopTest, ::testing::ValuesIn(kStopCases),
                         [](const ::testing::TestParamInfo<StopCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

TEST_F(PictureBoxTest, ANewImageIsPlayedByTheSameThreadFromItsFirstFrame) {
  MessageRecorder recorder(box_);
  const std::vector<unsigned char> three = AnimatedGif({1, 1, 1});
  box_.ImageData(Bytes(three));
  ASSERT_TRUE(WaitForFrames(recorder, 2));
  const DWORD thread = box_.AnimationThreadId();
  ThreadWatch first(thread);

  const std::vector<unsigned char> two = AnimatedGif({1, 1});
  recorder.Clear();
  EXPECT_EQ(box_.ImageData(Bytes(two)), std::vector<unsigned char>());
  EXPECT_EQ(box_.AnimationThreadId(), thread);
  EXPECT_EQ(box_.GetProperty(keys::kPlayFrameCount), 2);
  ASSERT_TRUE(WaitForFrames(recorder, 6));
  const std::vector<WPARAM> frames = FramesShown(recorder);
  // At most one frame of the old image was on its way; from the new image's first frame
  // on, only its two frames come, in order.
  std::size_t start = frames[0] == 0 ? 0 : 1;
  ASSERT_EQ(frames[start], 0u);
  for (std::size_t i = start; i < frames.size(); ++i) EXPECT_EQ(frames[i], (i - start) % 2);
  EXPECT_FALSE(first.Ended());
}

TEST_F(PictureBoxTest, AStillImageAfterAnAnimatedOneLeavesNothingToPlay) {
  MessageRecorder recorder(box_);
  const std::vector<unsigned char> gif = AnimatedGif({1, 1});
  box_.ImageData(Bytes(gif));
  ASSERT_TRUE(WaitForFrames(recorder, 1));
  const std::vector<unsigned char> still = SolidBmp(10, 10, 0xFF0000);
  box_.ImageData(Bytes(still));
  EXPECT_EQ(box_.GetProperty(keys::kPlayFrameCount), 0);
  EXPECT_EQ(box_.PlayGif(1), 1);
  WatchQuietly();
  recorder.Clear();
  WatchQuietly();
  EXPECT_TRUE(FramesShown(recorder).empty());
}

TEST_F(PictureBoxTest, PlayGifWithoutAnimationStoresTheValueOnly) {
  MessageRecorder recorder(box_);
  EXPECT_EQ(box_.PlayGif(), 0);
  EXPECT_EQ(box_.PlayGif(1), 1);
  EXPECT_EQ(box_.PlayGif(), 1);
  EXPECT_EQ(box_.AnimationThreadId(), 0u);
  WatchQuietly();
  EXPECT_TRUE(FramesShown(recorder).empty());
}

TEST_F(PictureBoxTest, TheSelectedFrameIsTheOnePaintedAndABadOneIsRefused) {
  // Frames alternate red and blue; a 1 x 1 image fitted into 420 x 60 covers the middle.
  const std::vector<unsigned char> gif = AnimatedGif({1, 1});
  box_.ImageData(Bytes(gif));
  box_.PlayGif(0);
  EXPECT_EQ(box_.SendMessage(kSelectFrameMessage, 1, 0), 0);
  EXPECT_EQ(box_.GetProperty(keys::kPlayIndex), 2);
  EXPECT_EQ(ErasedPixel(210, 30), RGB(0, 0, 255));
  EXPECT_EQ(box_.SendMessage(kSelectFrameMessage, 0, 0), 0);
  EXPECT_EQ(ErasedPixel(210, 30), RGB(255, 0, 0));

  EXPECT_NE(box_.SendMessage(kSelectFrameMessage, 7, 0), 0);
  EXPECT_EQ(box_.GetProperty(keys::kPlayIndex), 0);
  EXPECT_EQ(ErasedPixel(210, 30), RGB(255, 0, 0));
}

struct EndCase {
  const char* name;
  void (*before)(qoPictureBox& box);  // the state the thread is in when the window goes
};

const EndCase kEndCases[] = {
    {"waiting out a long delay", [](qoPictureBox&) {}},
    {"paused", [](qoPictureBox& box) { box.PlayGif(0); }},
    {"hidden", [](qoPictureBox& box) { box.Visible(0); }},
};

class PictureEndTest : public PictureBoxTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(PictureEndTest, TheThreadEndsWhenTheWindowGoes) {
  MessageRecorder recorder(box_);
  const std::vector<unsigned char> gif = AnimatedGif({60000, 60000});
  box_.ImageData(Bytes(gif));
  ASSERT_TRUE(WaitForFrames(recorder, 1));
  ThreadWatch thread(box_.AnimationThreadId());
  ASSERT_TRUE(thread.opened());
  GetParam().before(box_);

  ASSERT_TRUE(::DestroyWindow(box_.GetHwnd()));
  EXPECT_TRUE(thread.AwaitEnd());
  EXPECT_EQ(box_.AnimationThreadId(), 0u);
  EXPECT_EQ(box_.GetProperty(keys::kAnimationEvent), 0);
  EXPECT_EQ(box_.GetProperty(keys::kBackImage), 0);
  EXPECT_EQ(box_.HasProperty(keys::kBackImage), 1);
  EXPECT_EQ(box_.GetProperty(keys::kPlayTimes), 0);
}

INSTANTIATE_TEST_SUITE_P(States, PictureEndTest, ::testing::ValuesIn(kEndCases),
                         [](const ::testing::TestParamInfo<EndCase>& info) {
                           return "case" + std::to_string(info.index);
                         });

TEST(PictureBoxObjectTest, TheLastReleaseOfTheCoreEndsTheThreadToo) {
  HostWindow host;
  DWORD id = 0;
  {
    qoPictureBox box;
    ASSERT_EQ(box.CreateOn(host.window(), std::nullopt, 0, 0), 1);
    const std::vector<unsigned char> gif = AnimatedGif({60000, 60000});
    box.ImageData(std::span<const unsigned char>(gif.data(), gif.size()));
    id = box.AnimationThreadId();
    ASSERT_NE(id, 0u);
    ThreadWatch thread(id);
    // The object goes while its window stays: the core's cleanup unbinds the window and
    // ends the animation.
    {
      ObjectCore** slot = box.GetCoreSlot();
      ObjectCore* core = *slot;
      *slot = nullptr;
      Release(core);
    }
    EXPECT_TRUE(thread.AwaitEnd());
  }
}

}  // namespace
}  // namespace marlivo::ui
