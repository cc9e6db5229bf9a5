// Windows shown inside a host: placed centred (or from the host's edge
// where they are larger), composed over the host's own picture while they
// are visible, given the mouse input over them (and the rest of a drag that
// began on them), told when the pointer leaves them; keys stay with the host.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "platform/platform_window.h"

namespace lx {
namespace {

constexpr Rgb kHostColour = rgb(200, 200, 200);
constexpr Rgb kGuestColour = rgb(0, 0, 255);

class WindowHost : public ::testing::Test {
 protected:
  // Composition is checked right after each change: under a manual clock
  // paints come at once instead of at the frame's pace.
  ManualClock clock_;

  void SetUp() override {
    host_ = std::make_shared<PlatformWindow>(ui_, WindowParams{"Host", 0, 0, 100, 80, true});
    guest_ = std::make_shared<PlatformWindow>(ui_, WindowParams{"Guest", 0, 0, 40, 20, true});
    host_->setPaintHandler(
        [](PixelBuffer& pixels, const PixelRect& dirty) { pixels.fillRect(dirty, kHostColour); });
    guest_->setPaintHandler(
        [](PixelBuffer& pixels, const PixelRect& dirty) { pixels.fillRect(dirty, kGuestColour); });
    host_->setInputHandler([this](const InputEvent& event) { toHost_.push_back(event); });
    guest_->setInputHandler([this](const InputEvent& event) { toGuest_.push_back(event); });
    guest_->setHost(host_);
    host_->invalidateAll();
    guest_->invalidateAll();
    ui_.runPending();
    ui_.runPending();  // the guest's paint invalidates its area in the host
  }

  std::vector<MouseEvent> guestMice() const {
    std::vector<MouseEvent> mice;
    for (const InputEvent& event : toGuest_)
      if (const auto* mouse = std::get_if<MouseEvent>(&event)) mice.push_back(*mouse);
    return mice;
  }

  UiThread ui_;
  std::shared_ptr<PlatformWindow> host_;
  std::shared_ptr<PlatformWindow> guest_;
  std::vector<InputEvent> toHost_;
  std::vector<InputEvent> toGuest_;
};

TEST_F(WindowHost, AGuestIsCentredAndComposedOverTheHost) {
  EXPECT_TRUE(guest_->hosted());
  EXPECT_EQ(guest_->areaInHost(), (PixelRect{30, 30, 40, 20}));
  const PixelBuffer& shown = host_->pixels();
  EXPECT_EQ(shown.pixel(29, 30), kHostColour);
  EXPECT_EQ(shown.pixel(30, 30), kGuestColour);
  EXPECT_EQ(shown.pixel(69, 49), kGuestColour);
  EXPECT_EQ(shown.pixel(70, 50), kHostColour);
}

TEST_F(WindowHost, ALargerGuestStartsAtTheHostsEdgeAndFollowsResizes) {
  guest_->setClientSize(150, 20);
  EXPECT_EQ(guest_->areaInHost(), (PixelRect{0, 30, 150, 20}));
  host_->setClientSize(200, 40);
  EXPECT_EQ(guest_->areaInHost(), (PixelRect{25, 10, 150, 20}));
}

TEST_F(WindowHost, AGuestThatShrinksLeavesNoTraceWhereItWas) {
  guest_->setClientSize(20, 10);
  ui_.runPending();
  ui_.runPending();
  EXPECT_EQ(guest_->areaInHost(), (PixelRect{40, 35, 20, 10}));
  EXPECT_EQ(host_->pixels().pixel(30, 30), kHostColour);
  EXPECT_EQ(host_->pixels().pixel(69, 49), kHostColour);
  EXPECT_EQ(host_->pixels().pixel(45, 40), kGuestColour);
}

TEST_F(WindowHost, GuestPaintsReachTheHostAndHiddenGuestsLeaveIt) {
  guest_->setPaintHandler(
      [](PixelBuffer& pixels, const PixelRect& dirty) { pixels.fillRect(dirty, rgb(9, 9, 9)); });
  guest_->invalidate({0, 0, 1, 1});
  ui_.runPending();
  ui_.runPending();
  EXPECT_EQ(host_->pixels().pixel(30, 30), rgb(9, 9, 9));
  EXPECT_EQ(host_->pixels().pixel(31, 30), kGuestColour);  // only the invalid part was painted
  guest_->setVisible(false);
  ui_.runPending();
  EXPECT_EQ(host_->pixels().pixel(30, 30), kHostColour);
  guest_->setVisible(true);
  guest_->setHost(nullptr);
  ui_.runPending();
  EXPECT_FALSE(guest_->hosted());
  EXPECT_EQ(host_->pixels().pixel(30, 30), kHostColour);
}

TEST_F(WindowHost, MouseOverTheGuestGoesToItInItsOwnCoordinates) {
  host_->queueInput(MouseEvent{MouseAction::Move, 35, 32});
  host_->queueInput(WheelEvent{31, 31, 1});
  host_->queueInput(MouseEvent{MouseAction::Move, 5, 5});
  host_->queueInput(KeyEvent{KeyAction::Down, Key::Enter});
  ui_.runPending();
  const std::vector<MouseEvent> mice = guestMice();
  ASSERT_EQ(mice.size(), 2u);
  EXPECT_EQ(mice[0].x, 5);
  EXPECT_EQ(mice[0].y, 2);
  EXPECT_EQ(mice[1].action, MouseAction::Leave);  // the pointer went off it
  EXPECT_EQ(guest_->mouseState().x, 1);           // where the wheel turned, the last place seen
  EXPECT_TRUE(guest_->mouseState().outside);
  ASSERT_EQ(toGuest_.size(), 3u);
  EXPECT_EQ(std::get<WheelEvent>(toGuest_[1]).x, 1);
  // The host had the move beside the guest and the key.
  ASSERT_EQ(toHost_.size(), 2u);
  EXPECT_EQ(std::get<MouseEvent>(toHost_[0]).x, 5);
  EXPECT_TRUE(std::holds_alternative<KeyEvent>(toHost_[1]));
}

TEST_F(WindowHost, ADragThatBeganOnTheGuestStaysWithItUntilTheRelease) {
  host_->queueInput(MouseEvent{MouseAction::Down, 40, 40, MouseButton::Left});
  host_->queueInput(MouseEvent{MouseAction::Move, 90, 75});
  host_->queueInput(MouseEvent{MouseAction::Up, 95, 78, MouseButton::Left});
  host_->queueInput(MouseEvent{MouseAction::Move, 96, 78});
  ui_.runPending();
  const std::vector<MouseEvent> mice = guestMice();
  ASSERT_EQ(mice.size(), 4u);
  EXPECT_EQ(mice[1].x, 60);  // outside the guest, still its own
  EXPECT_EQ(mice[2].action, MouseAction::Up);
  EXPECT_EQ(mice[3].action, MouseAction::Leave);
  ASSERT_EQ(toHost_.size(), 1u);
  EXPECT_EQ(std::get<MouseEvent>(toHost_[0]).x, 96);
}

TEST_F(WindowHost, LeavingTheHostLeavesTheGuest) {
  host_->queueInput(MouseEvent{MouseAction::Move, 35, 35});
  host_->queueInput(MouseEvent{MouseAction::Leave, 0, 0});
  ui_.runPending();
  const std::vector<MouseEvent> mice = guestMice();
  ASSERT_EQ(mice.size(), 2u);
  EXPECT_EQ(mice[1].action, MouseAction::Leave);
  EXPECT_TRUE(host_->mouseState().outside);
  EXPECT_EQ(host_->mouseState().x, 35);  // where it was last seen
}

TEST_F(WindowHost, AGuestDestroyedLeavesTheHostsPicture) {
  guest_.reset();
  ui_.runPending();
  EXPECT_EQ(host_->pixels().pixel(30, 30), kHostColour);
  host_->queueInput(MouseEvent{MouseAction::Move, 35, 35});
  ui_.runPending();
  EXPECT_EQ(toHost_.size(), 1u);
}

TEST(PixelBufferCopy, CopiesARectangleToAnotherPlaceClippedToBoth) {
  PixelBuffer source(4, 4, rgb(1, 1, 1));
  source.setPixel(3, 3, rgb(2, 2, 2));
  PixelBuffer target(5, 5, kWhite);
  target.copyFrom(source, {2, 2, 4, 4}, 3, 3);  // 2x2 of the source lie inside it, 2x2 fit the target
  EXPECT_EQ(target.pixel(2, 2), kWhite);
  EXPECT_EQ(target.pixel(3, 3), rgb(1, 1, 1));
  EXPECT_EQ(target.pixel(4, 4), rgb(2, 2, 2));
  target.copyFrom(source, {-2, -2, 4, 4}, 0, 0);  // only the source's (0..1, 0..1) exist
  EXPECT_EQ(target.pixel(0, 0), kWhite);
  EXPECT_EQ(target.pixel(2, 2), rgb(1, 1, 1));
}

}  // namespace
}  // namespace lx
