// The page-list notification: changes during a notification give one more
// run, not one each, and a failing handler does not leave it busy.
#include "graphics/window_pagelist_notice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lx {
namespace {

TEST(PagelistNotice, ChangesDuringARunGiveOneMoreRun) {
  PagelistNotice notice;
  int runs = 0;
  std::function<void()> raise = [&] {
    ++runs;
    EXPECT_TRUE(notice.running());
    // Three changes arrive while the first run goes on.
    if (runs == 1)
      for (int i = 0; i < 3; ++i) notice.send(raise);
  };
  notice.send(raise);
  EXPECT_EQ(runs, 2);
  EXPECT_FALSE(notice.running());
  notice.send(raise);
  EXPECT_EQ(runs, 3);
}

TEST(PagelistNotice, AFailingHandlerLeavesItReady) {
  PagelistNotice notice;
  int runs = 0;
  EXPECT_THROW(notice.send([&] {
    ++runs;
    notice.send([] {});
    throw std::runtime_error("handler failed");
  }),
               std::runtime_error);
  EXPECT_FALSE(notice.running());
  notice.send([&] { ++runs; });
  EXPECT_EQ(runs, 2);
}

}  // namespace
}  // namespace lx
