// Starts GDI+ for a whole test program, as the application object does for the
// program: through the flat API's GdiplusStartup, version 1, and shuts it down at the end.
#pragma once

#include <gtest/gtest.h>

#include "ui/framework/gdi/gdiplus_flat.h"

namespace marlivo::testing {

class GdiplusStarted : public ::testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, nothing suppressed
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override {
    if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
  }

 private:
  ULONG_PTR token_ = 0;
};

// Registers the environment before main runs the tests.
inline ::testing::Environment* const kGdiplusStarted =
    ::testing::AddGlobalTestEnvironment(new GdiplusStarted);

}  // namespace marlivo::testing
