// Reading the keyboard. Keys are written as the key words of key menus
// ("a", "A", "ctrl.a", "shift.f1", "enter", "space"), so that a program
// compares what it reads with the words it binds.
#include "graphics/key_primitives.h"

#include "graphics/main_window.h"
#include "graphics/typed_keys.h"
#include "graphics/window_object.h"
#include "core/logo_exception.h"
#include "interp/logo_process.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/pools.h"

namespace lx {
namespace {

// Held while a reader waits with the interpreter lock released: the window
// may be erased meanwhile.
std::shared_ptr<TypedKeys> mainKeys() {
  tSplitwindow* window = mainWindow();
  if (!window) throw eLogoException(erNotInsideWin);
  return window->typedKeys();
}

ProcessControl* caller() {
  tLogoprocess* self = currentProcess();
  return self ? &self->control() : nullptr;
}

LogoKey nextKey() {
  return *mainKeys()->take(caller());
}

// `readkey`, or (`readkey` time): the next key as its word; with a time in
// wait units, the empty word when none came in that time.
Value readkey(tLogoStack& stack, int count) {
  if (count > 1) throw eLogoException(erTooManyInputs);
  std::vector<Value> inputs = stack.takeInputs(count);
  SteadyTime deadline = SteadyTime::max();
  if (count == 1) deadline = afterMilliseconds(waitUnitsToMilliseconds(inputs[0]->asIntegerIn(0, INT32_MAX)));
  const std::optional<LogoKey> key = mainKeys()->take(caller(), deadline);
  return makeWord(key ? keyWord(*key) : std::string());
}

// The next key that types a character (keys that type none are passed over).
Value readchar() {
  for (;;) {
    const unsigned char c = keyCharacter(nextKey());
    if (c != 0) return makeWord(std::string(1, static_cast<char>(c)));
  }
}

// The next key as a number: a character's code, 256 plus a named key's index.
Value key() {
  return makeInt(keyNumber(nextKey()));
}

bool keyWaiting() {
  return mainKeys()->waiting();
}

Value lastkey() {
  const std::optional<LogoKey> key = mainKeys()->last();
  return makeWord(key ? keyWord(*key) : std::string());
}

}  // namespace

void registerKeyPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "readkey", false, 0u, readkey);
  registerPrimitive<tMainPasProcDesc0p>(table, "readchar", false, readchar);
  registerPrimitive<tMainPasProcDesc0p>(table, "key", false, key);
  registerPrimitive<tMainPasProcDesc0b>(table, "key?", false, keyWaiting);
  registerPrimitive<tMainPasProcDesc0p>(table, "lastkey", false, lastkey);
}

}  // namespace lx
