// Figures of picture shapes, headless: the animation's cost per turtle per
// tick with 50 turtles wearing 8-cell shapes (the schedule run on a clock the
// benchmark moves, so the figure is the work alone, invalidation included);
// and moving and stamping a turtle wearing a 25 x 25 picture against the
// default turtle.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>

#include "app/console_page.h"
#include "app/logo_world.h"
#include "graphics/logo_image.h"
#include "graphics/shape_animator.h"
#include "interp/evaluator.h"
#include "interp/interpreter_lock.h"
#include "objects/main_object.h"
#include "objects/object_scope.h"
#include "objects/object_world.h"
#include "platform/large_stack_thread.h"
#include "platform/platform.h"
#include "platform/ui_thread.h"
#include "values/pools.h"
#include "values/reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsFor(const std::string& text) {
  const auto start = Clock::now();
  lx::runValue(*lx::readList(text));
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Eight 32 x 32 cells of different colours, each shown 20 ms.
lx::Value filmStrip() {
  lx::tLogoFrame cells;
  for (int c = 0; c < 8; ++c) {
    auto cell = std::make_unique<lx::tLogoPicture>(32, 32);
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        cell->setPixel(x, y, (x - 16) * (x - 16) + (y - 16) * (y - 16) < 200 ? 0x102030 * c : 0xFFFFFF);
    cell->hotSpot = {16, 16};
    cell->delay = 20;
    cells.push_back(lx::sharePicture(std::move(cell)));
  }
  return lx::makeImage({cells});
}

lx::Value pictureTurtle() {
  auto cell = std::make_unique<lx::tLogoPicture>(25, 25);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) cell->setMasked(x, y, x + y < 12);
  cell->hotSpot = {12, 12};
  return lx::imageOfPicture(lx::sharePicture(std::move(cell)));
}

uint64_t fakeNow = 0;
uint64_t fakeClock() {
  return fakeNow;
}

void animationFigures() {
  constexpr int kTurtles = 50, kTicks = 2000;
  lx::useAnimationClock(fakeClock);
  lx::mainObject()->globals().setValue(lx::codeOf("film"), filmStrip());
  secondsFor(
      "repeat 50 [make \"w word \"a repcount ask \"page1 [new \"Turtle (list \"name :w)] "
      "ask :w [setshape :film setanimation \"true penup setxy (random 700) - 350 (random 400) - 200]]");
  const auto start = Clock::now();
  for (int tick = 1; tick <= kTicks; ++tick) {
    fakeNow += 20;
    lx::runAnimationsDue();
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("animation: %d turtles x %d ticks of 8-cell shapes: %.3f s, %.2f us per turtle per tick\n",
              kTurtles, kTicks, seconds, seconds * 1e6 / (kTurtles * kTicks));
  secondsFor("repeat 50 [ask word \"a repcount [setanimation \"false hideturtle]]");
  lx::useAnimationClock(nullptr);
}

void shapeFigures() {
  lx::mainObject()->globals().setValue(lx::codeOf("pic"), pictureTurtle());
  const char* moves = "clearscreen repeat 20000 [forward 1 right 1]";
  const char* stamps = "clearscreen penup repeat 5000 [forward 3 right 7 stamp]";
  const double defaultMove = secondsFor(std::string("setshape [] ") + moves);
  const double defaultStamp = secondsFor(stamps);
  const double pictureMove = secondsFor(std::string("setshape :pic ") + moves);
  const double pictureStamp = secondsFor(stamps);
  std::printf("20000 moves, default turtle: %.3f s; 25 x 25 picture: %.3f s\n", defaultMove, pictureMove);
  std::printf("5000 stamps, default turtle: %.3f s; 25 x 25 picture: %.3f s\n", defaultStamp, pictureStamp);
}

void runFigures() {
  lx::ScopedThreadState state;
  lx::makeConsoleWindow();
  lx::CurrentObjectScope asTurtle(lx::threadState(), lx::Value(lx::consoleTarget()));
  animationFigures();
  shapeFigures();
  lx::forgetConsoleWindow();
}

}  // namespace

int main() {
  lx::startPlatform(lx::BackendRequest::Headless);
  std::atomic<bool> finished{false};
  lx::LargeStackThread logo([&] {
    lx::setLogoProcessThread(true);
    if (lx::buildLogoWorld("english"))
      runFigures();
    else
      std::fprintf(stderr, "no English dictionary\n");
    lx::stopObjectModel();
    finished = true;
    lx::uiThread().wake();
  });
  lx::uiThread().runUntil([&] { return finished.load(); });
  logo.join();
  lx::stopPlatform();
  return 0;
}
