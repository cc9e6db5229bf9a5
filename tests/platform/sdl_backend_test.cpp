// The SDL backend on SDL's dummy video driver, which needs no display:
// the user-interface loop waits in SDL's event wait and still wakes for
// hand-overs, posted work and timers; windows are shown only when visible
// and not hosted; SDL's events reach the windows as input and close
// requests; the clipboard keeps internal text.
#include "platform/sdl_backend.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <thread>

#include "platform/sdl_window.h"

namespace lx {
namespace {

class SdlBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::string error;
    backend_ = SdlBackend::start(error);
    if (!backend_) GTEST_SKIP() << "SDL's dummy video driver cannot start: " << error;
  }
  void TearDown() override {
    backend_.reset();
    ::unsetenv("SDL_VIDEODRIVER");
  }
  bool runUntil(const std::function<bool()>& done) {
    return backend_->uiThread().runUntil(done, afterMilliseconds(10000)) == RunEnd::Done;
  }
  SdlWindow& sdl(const std::shared_ptr<PlatformWindow>& window) { return dynamic_cast<SdlWindow&>(*window); }

  std::unique_ptr<SdlBackend> backend_;
};

TEST_F(SdlBackendTest, HandOversPostedWorkAndTimersWakeTheEventWait) {
  UiThread& ui = backend_->uiThread();
  std::atomic<int> answer{0};
  std::thread process([&] {
    answer = ui.runOnUiThread([&] { return ui.isCurrent() ? 42 : -1; });
    ui.wake();
  });
  EXPECT_TRUE(runUntil([&] { return answer.load() != 0; }));
  process.join();
  EXPECT_EQ(answer.load(), 42);

  bool posted = false;
  std::thread([&] { ui.post([&] { posted = true; }); }).join();
  EXPECT_TRUE(runUntil([&] { return posted; }));

  bool fired = false;
  ui.setTimer(std::chrono::milliseconds(20), TimerRepeat::Once, [&] { fired = true; });
  EXPECT_TRUE(runUntil([&] { return fired; }));
}

TEST_F(SdlBackendTest, OnlyVisibleWindowsWithoutAHostAreShown) {
  auto main = backend_->createWindow({"Main \x8A", 0, 0, 120, 90, true});
  auto page = backend_->createWindow({"page", 0, 0, 60, 40, false});
  ASSERT_NE(sdl(main).sdlWindow(), nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(sdl(main).sdlWindow()), "Main \xC5\xA0");
  EXPECT_EQ(sdl(page).sdlWindow(), nullptr);
  page->setHost(main);
  page->setVisible(true);
  EXPECT_EQ(sdl(page).sdlWindow(), nullptr);
  page->setHost(nullptr);
  ASSERT_NE(sdl(page).sdlWindow(), nullptr);
  EXPECT_TRUE(SDL_GetWindowFlags(sdl(page).sdlWindow()) & SDL_WINDOW_SHOWN);
  page->setVisible(false);
  EXPECT_TRUE(SDL_GetWindowFlags(sdl(page).sdlWindow()) & SDL_WINDOW_HIDDEN);
  main->setClientSize(200, 100);
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(sdl(main).sdlWindow(), &width, &height);
  EXPECT_EQ(width, 200);
  EXPECT_EQ(height, 100);
}

TEST_F(SdlBackendTest, AWindowThatOutlivesTheBackendLetsGoOfItsSdlWindow) {
  auto window = backend_->createWindow({"Main", 0, 0, 50, 50, true});
  ASSERT_NE(sdl(window).sdlWindow(), nullptr);
  backend_.reset();
  EXPECT_EQ(sdl(window).sdlWindow(), nullptr);
}

TEST_F(SdlBackendTest, SdlEventsReachTheirWindowAsInputAndCloseRequests) {
  auto window = backend_->createWindow({"Main", 0, 0, 120, 90, true});
  std::vector<InputEvent> received;
  bool closed = false;
  window->setInputHandler([&](const InputEvent& event) { received.push_back(event); });
  window->setCloseHandler([&] { closed = true; });
  const uint32_t id = SDL_GetWindowID(sdl(window).sdlWindow());

  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.windowID = id;
  press.button.button = SDL_BUTTON_RIGHT;
  press.button.clicks = 1;
  press.button.x = 30;
  press.button.y = 40;
  SDL_Event close{};
  close.type = SDL_WINDOWEVENT;
  close.window.windowID = id;
  close.window.event = SDL_WINDOWEVENT_CLOSE;
  std::thread([&] {
    SDL_PushEvent(&press);
    SDL_PushEvent(&close);
  }).join();
  EXPECT_TRUE(runUntil([&] { return closed; }));
  ASSERT_EQ(received.size(), 1u);
  const auto& mouse = std::get<MouseEvent>(received[0]);
  EXPECT_EQ(mouse.button, MouseButton::Right);
  EXPECT_EQ(mouse.x, 30);
  EXPECT_EQ(window->mouseState().buttons, kRightButton);
}

TEST_F(SdlBackendTest, TheClipboardKeepsInternalTextFromAnyThread) {
  const std::string text = "first\r\n\x8A\x9A\xE8 end";
  std::atomic<bool> done{false};
  std::string read;
  std::thread process([&] {
    backend_->setClipboardText(text);
    read = backend_->clipboardText();
    done = true;
    backend_->uiThread().wake();
  });
  EXPECT_TRUE(runUntil([&] { return done.load(); }));
  process.join();
  EXPECT_EQ(read, text);
}

}  // namespace
}  // namespace lx
