// Off-screen windows: input injected from another thread reaches the
// handler on the user-interface thread in order, invalidations gather into
// one paint, and screenshots are PNG files of the window's pixels.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/platform_window.h"

namespace lx {
namespace {

// A window on a loop of the test's own, with a handler that keeps every
// input with the thread it arrived on.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_shared<PlatformWindow>(ui_, WindowParams{"Test", 0, 0, 80, 60, true});
    window_->setInputHandler([this](const InputEvent& event) {
      received_.push_back(event);
      onUiThread_ = onUiThread_ && ui_.isCurrent();
    });
  }

  bool runUntilReceived(size_t count) {
    return ui_.runUntil([&] { return received_.size() >= count; }, afterMilliseconds(10000)) == RunEnd::Done;
  }

  std::filesystem::path tempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("lx-" + std::to_string(::getpid()) + "-" + name);
  }

  UiThread ui_;
  std::shared_ptr<PlatformWindow> window_;
  std::vector<InputEvent> received_;
  bool onUiThread_ = true;
};

TEST_F(WindowTest, InjectedInputArrivesInOrderOnTheUiThread) {
  std::thread driver([&] {
    window_->queueInput(MouseEvent{MouseAction::Move, 10, 10});
    window_->queueInput(MouseEvent{MouseAction::Down, 10, 10, MouseButton::Left, 1, kShift});
    window_->queueInput(MouseEvent{MouseAction::Move, 20, 15});
    window_->queueInput(MouseEvent{MouseAction::Up, 20, 15, MouseButton::Left});
    window_->queueInput(WheelEvent{20, 15, -2});
    window_->queueInput(KeyEvent{KeyAction::Down, Key::Character, 'a', kCtrl});
    window_->queueInput(CharEvent{0x9A});  // a small s with caron
    window_->queueInput(KeyEvent{KeyAction::Up, Key::F5});
  });
  driver.join();
  ASSERT_TRUE(runUntilReceived(8));
  EXPECT_TRUE(onUiThread_);
  ASSERT_EQ(received_.size(), 8u);
  const auto& down = std::get<MouseEvent>(received_[1]);
  EXPECT_EQ(down.action, MouseAction::Down);
  EXPECT_EQ(down.button, MouseButton::Left);
  EXPECT_EQ(down.modifiers, kShift);
  EXPECT_EQ(std::get<MouseEvent>(received_[2]).x, 20);
  EXPECT_EQ(std::get<MouseEvent>(received_[3]).action, MouseAction::Up);
  EXPECT_EQ(std::get<WheelEvent>(received_[4]).steps, -2);
  EXPECT_EQ(std::get<KeyEvent>(received_[5]).character, 'a');
  EXPECT_EQ(std::get<CharEvent>(received_[6]).character, 0x9A);
  EXPECT_EQ(std::get<KeyEvent>(received_[7]).key, Key::F5);
}

TEST_F(WindowTest, MouseStateFollowsTheDeliveredInput) {
  std::vector<MouseState> seen;
  window_->setInputHandler([&](const InputEvent&) { seen.push_back(window_->mouseState()); });
  window_->queueInput(MouseEvent{MouseAction::Down, 5, 6, MouseButton::Left});
  window_->queueInput(MouseEvent{MouseAction::Down, 7, 8, MouseButton::Right, 1, kCtrl});
  window_->queueInput(MouseEvent{MouseAction::Up, 9, 9, MouseButton::Left});
  ui_.runPending();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].buttons, kLeftButton);
  EXPECT_EQ(seen[1].buttons, kLeftButton | kRightButton);
  EXPECT_EQ(seen[1].modifiers, kCtrl);
  EXPECT_EQ(seen[2].buttons, kRightButton);
  EXPECT_EQ(seen[2].x, 9);
}

TEST_F(WindowTest, WaitingForMouseInputLeavesKeysQueued) {
  window_->queueInput(KeyEvent{KeyAction::Down, Key::Enter});
  window_->queueInput(MouseEvent{MouseAction::Down, 1, 1, MouseButton::Left});
  ui_.runPending(Serve::HandOvers | Serve::MouseInput);
  ASSERT_EQ(received_.size(), 1u);
  EXPECT_TRUE(std::holds_alternative<MouseEvent>(received_[0]));
  ui_.runPending();
  ASSERT_EQ(received_.size(), 2u);
  EXPECT_TRUE(std::holds_alternative<KeyEvent>(received_[1]));
}

TEST_F(WindowTest, SetMousePositionDeliversAMove) {
  window_->setMousePosition(33, 44);
  ui_.runPending();
  ASSERT_EQ(received_.size(), 1u);
  const auto& move = std::get<MouseEvent>(received_[0]);
  EXPECT_EQ(move.action, MouseAction::Move);
  EXPECT_EQ(window_->mouseState().x, 33);
  EXPECT_EQ(window_->mouseState().y, 44);
}

TEST_F(WindowTest, WorkQueuedForADestroyedWindowIsDropped) {
  window_->queueInput(MouseEvent{MouseAction::Down, 1, 1, MouseButton::Left});
  window_->invalidateAll();
  window_->requestClose();
  window_.reset();
  ui_.runPending();
  EXPECT_TRUE(received_.empty());
}

TEST_F(WindowTest, CloseRequestRunsTheCloseHandlerOnTheUiThread) {
  bool closed = false;
  window_->setCloseHandler([&] { closed = ui_.isCurrent(); });
  std::thread([&] { window_->requestClose(); }).join();
  ui_.runPending();
  EXPECT_TRUE(closed);
}

TEST_F(WindowTest, InvalidationsFromAnotherThreadGatherIntoOnePaint) {
  std::vector<PixelRect> painted;
  window_->setPaintHandler([&](PixelBuffer&, const PixelRect& dirty) { painted.push_back(dirty); });
  std::thread drawer([&] {
    window_->invalidate({10, 10, 5, 5});
    window_->invalidate({30, 20, 10, 10});
    window_->invalidate({70, 50, 100, 100});  // reaches past the client area
  });
  drawer.join();
  ui_.runPending();
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0], (PixelRect{10, 10, 70, 50}));
  ui_.runPending();
  EXPECT_EQ(painted.size(), 1u);  // nothing left to paint
}

// A drawing that changes the window at every step, with the loop served
// between the steps, is painted at a frame's pace, not once per change; the
// last change is painted all the same.
TEST_F(WindowTest, RapidChangesArePaintedAtTheFramePaceAndNoneIsLost) {
  std::vector<PixelRect> painted;
  window_->setPaintHandler([&](PixelBuffer&, const PixelRect& dirty) { painted.push_back(dirty); });
  const auto start = std::chrono::steady_clock::now();
  constexpr int kChanges = 2000;
  for (int i = 0; i < kChanges; ++i) {
    window_->invalidate({i % 80, 0, 1, 1});
    ui_.runPending();
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  // At most one paint per started frame of 15 ms, and one more at the start.
  const auto frames = std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count() / 15 + 2;
  EXPECT_LE(static_cast<long>(painted.size()), frames) << "painted " << painted.size() << " times in "
                                                       << frames << " frames";
  window_->invalidate({5, 40, 1, 1});
  ASSERT_EQ(ui_.runUntil([&] { return !painted.empty() && painted.back().contains(5, 40); },
                         afterMilliseconds(10000)),
            RunEnd::Done);
}

TEST_F(WindowTest, ResizeKeepsThePictureAndRepaintsEverything) {
  window_->pixels().fill(rgb(0, 0, 255));
  std::vector<PixelRect> painted;
  window_->setPaintHandler([&](PixelBuffer&, const PixelRect& dirty) { painted.push_back(dirty); });
  int resized = 0;
  window_->setResizeHandler([&](int width, int height) { resized = width * 1000 + height; });
  window_->setClientSize(100, 50);
  EXPECT_EQ(resized, 100050);
  EXPECT_EQ(window_->pixels().pixel(79, 49), rgb(0, 0, 255));
  EXPECT_EQ(window_->pixels().pixel(80, 10), kWhite);
  ui_.runPending();
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0], (PixelRect{0, 0, 100, 50}));
}

TEST_F(WindowTest, ScreenshotWritesThePaintedPixelsAsPng) {
  // Left half red, right half blue, and a green square drawn by cairo.
  window_->setPaintHandler([](PixelBuffer& pixels, const PixelRect& dirty) {
    pixels.fillRect(intersect(dirty, {0, 0, 40, 60}), rgb(255, 0, 0));
    pixels.fillRect(intersect(dirty, {40, 0, 40, 60}), rgb(0, 0, 255));
    pixels.markDirty();
    cairo_t* cr = cairo_create(pixels.cairoSurface());
    cairo_set_source_rgb(cr, 0, 1, 0);
    cairo_rectangle(cr, 30, 20, 20, 20);
    cairo_fill(cr);
    cairo_destroy(cr);
    pixels.flush();
  });
  window_->invalidateAll();
  const auto file = tempFile("screenshot.png");
  const WriteResult written = window_->screenshot(file);  // paints what is pending first
  ASSERT_TRUE(written.ok) << written.error;
  auto png = PixelBuffer::readPng(file);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->width(), 80);
  EXPECT_EQ(png->height(), 60);
  EXPECT_EQ(png->pixel(0, 0), rgb(255, 0, 0));
  EXPECT_EQ(png->pixel(79, 59), rgb(0, 0, 255));
  EXPECT_EQ(png->pixel(35, 25), rgb(0, 255, 0));
  EXPECT_EQ(png->pixel(45, 35), rgb(0, 255, 0));
  EXPECT_EQ(png->pixel(29, 20), rgb(255, 0, 0));
  EXPECT_EQ(png->pixel(50, 39), rgb(0, 0, 255));
  if (!std::getenv("LX_KEEP_SCREENSHOT")) std::filesystem::remove(file);
}

TEST_F(WindowTest, ScreenshotToAnUnwritablePlaceReportsTheFailure) {
  const WriteResult written = window_->screenshot("/nonexistent-folder/shot.png");
  EXPECT_FALSE(written.ok);
  EXPECT_FALSE(written.error.empty());
}

}  // namespace
}  // namespace lx
