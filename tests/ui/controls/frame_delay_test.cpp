// How long each frame of an animated image shows: d hundredths play as d x 11 ms, a zero
// or missing delay as 88 ms, and no delay becomes an endless wait.
#include "ui/controls/frame_delay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace marlivo::ui {
namespace {

struct DelayCase {
  std::vector<std::uint32_t> delays;  // hundredths of a second, as the image keeps them
  std::vector<std::uint32_t> shownMs;  // frame by frame
};

TEST(FrameDelayTest, FramesShowForElevenMillisecondsPerHundredth) {
  const DelayCase cases[] = {
      {{10, 0, 20}, {110, 88, 220}},
      // Five frames, three delays: the last two frames have none.
      {{1, 2, 3}, {11, 22, 33, 88, 88}},
      {{}, {88, 88}},
      {{65535}, {720885}},
      // No delay is so long that it turns into INFINITE.
      {{0xFFFFFFFFu}, {kLongestFrameDelayMs}},
  };
  for (const DelayCase& c : cases) {
    for (std::size_t frame = 0; frame < c.shownMs.size(); ++frame) {
      EXPECT_EQ(FrameDelayMs(c.delays, frame), c.shownMs[frame]) << "frame " << frame;
    }
  }
  EXPECT_NE(kLongestFrameDelayMs, 0xFFFFFFFFu);
}

}  // namespace
}  // namespace marlivo::ui
