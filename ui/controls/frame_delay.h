// How long an animated image's frame is shown. Platform-free, so that it is tested in
// both builds.
//
// The delays an image stores are in hundredths of a second, but each unit has always
// been played as 11 milliseconds, not 10: animations keep the pace their authors saw.
// A frame whose delay is 0, or that has no entry at all (fewer delays than frames),
// shows for 8 units.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

namespace marlivo::ui {

inline constexpr std::uint32_t kFrameDelayUnitMs = 11;
inline constexpr std::uint32_t kDefaultFrameDelayUnits = 8;
inline constexpr std::uint32_t kDefaultFrameDelayMs = kDefaultFrameDelayUnits * kFrameDelayUnitMs;
// The longest wait: one below INFINITE, so a huge delay never turns into "for ever".
inline constexpr std::uint32_t kLongestFrameDelayMs = 0xFFFFFFFEu;

inline std::uint32_t FrameDelayMs(std::span<const std::uint32_t> delays, std::size_t frame) {
  if (frame >= delays.size()) return kDefaultFrameDelayMs;
  const std::uint64_t units = delays[frame] == 0 ? kDefaultFrameDelayUnits : delays[frame];
  return static_cast<std::uint32_t>(
      std::min<std::uint64_t>(units * kFrameDelayUnitMs, kLongestFrameDelayMs));
}

}  // namespace marlivo::ui
