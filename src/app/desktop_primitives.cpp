// `numJoysticks`, `activeJoysticks`, `mousepos`, `setmousepos`,
// `setmousecursor`, `systemmetrics`, `browseDocument` and `explore`. What
// SDL must do runs on the user-interface thread, which the calling process
// lends its interpreter lock meanwhile.
#include "app/desktop_primitives.h"

#include <strings.h>

#include <filesystem>

#include "app/path_resolver.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/protected_call.h"
#include "platform/codepage.h"
#include "platform/desktop_devices.h"
#include "platform/platform.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

template <class F>
auto onInterfaceThread(F&& work) {
  std::invoke_result_t<F&> answer{};
  runProtected([&] { answer = work(); });
  return answer;
}

Value numJoysticks() {
  return makeInt(onInterfaceThread([] { return joystickCount(); }));
}

Value activeJoysticksList() {
  ListBuilder numbers;
  for (int number : onInterfaceThread([] { return activeJoysticks(); })) numbers.add(makeInt(number));
  return numbers.finish();
}

Value mousepos() {
  const ScreenPoint at = onInterfaceThread([] { return pointerOnScreen(); });
  ListBuilder point;
  point.add(makeInt(at.x));
  point.add(makeInt(at.y));
  return point.finish();
}

// A screen point: a list of two numbers (error 18).
ScreenPoint screenPointOf(const Value& value) {
  const tLogoList* point = asList(*value);
  if (!point || point->count() != 2) throw eLogoException(erExpectedXY, value);
  for (const Value& number : *point)
    if (!number->isNumber()) throw eLogoException(erExpectedXY, value);
  auto it = point->begin();
  const int x = (*it)->asInteger();
  const int y = (*++it)->asInteger();
  return {x, y};
}

Value setmousepos(const Value& value) {
  const ScreenPoint to = screenPointOf(value);
  runProtected([&] { movePointerOnScreen(to); });
  return nullptr;
}

struct CursorName {
  const char* name;
  CursorShape shape;
};

// The pointer shapes by name; a number 0 to 9 takes them in this order too.
constexpr CursorName kCursorNames[] = {
    {"arrow", CursorShape::Arrow},           {"wait", CursorShape::Wait},
    {"cross", CursorShape::Cross},           {"hand", CursorShape::Hand},
    {"ibeam", CursorShape::IBeam},           {"move", CursorShape::Move},
    {"size", CursorShape::ResizeDiagonal},   {"sizewe", CursorShape::ResizeHorizontal},
    {"sizens", CursorShape::ResizeVertical}, {"none", CursorShape::Hidden},
};

CursorShape cursorShapeOf(const Value& value) {
  if (value->isNumber()) return kCursorNames[value->asIntegerIn(0, std::size(kCursorNames) - 1)].shape;
  const std::string name = value->isList() ? std::string() : value->printText(0);
  for (const CursorName& known : kCursorNames)
    if (strcasecmp(name.c_str(), known.name) == 0) return known.shape;
  throw eLogoException(erDoesNotLike, value);
}

Value setmousecursor(const Value& value) {
  const CursorShape shape = cursorShapeOf(value);
  runProtected([&] { setProgramCursor(shape); });
  return nullptr;
}

Value systemmetrics(const Value& index) {
  const int32_t wanted = index->asInteger();
  const std::optional<int> size = onInterfaceThread([&] { return systemMetric(wanted); });
  if (!size) throw eLogoException(erDoesNotLike, index);
  return makeInt(*size);
}

bool isWebAddress(const std::string& target) {
  return target.find("://") != std::string::npos || target.rfind("www.", 0) == 0 ||
         target.rfind("mailto:", 0) == 0;
}

// Hands `target` to the desktop; headless there is no desktop to show it
// on, and that is said rather than pretended.
void openOrRefuse(const std::string& target, const Value& named) {
  if (platform().kind() == BackendKind::Headless || !openOnDesktop(target))
    throw eLogoException(erOpenDoc, named);
}

// A document or web address: an address as it is, a file found as
// `expandfilename` finds it.
Value browseDocument(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  for (const Value& input : inputs) {
    const std::string name = input->printText(0);
    if (isWebAddress(name)) {
      openOrRefuse(cp1250ToUtf8(name), input);
      continue;
    }
    const std::filesystem::path file = resolvePath(fkAny, name, rfMustExist | rfNoDefaultExtension).path;
    if (!std::filesystem::exists(file)) throw eLogoException(erOpenDoc, input);
    openOrRefuse(file.string(), input);
  }
  return nullptr;
}

// A folder in the file manager; a file's own folder for a file.
Value explore(const Value& named) {
  std::filesystem::path place = resolvePath(fkAny, named->printText(0), rfNoDefaultExtension).path;
  if (std::filesystem::is_regular_file(place)) place = place.parent_path();
  if (!std::filesystem::is_directory(place)) throw eLogoException(erOpenDoc, named);
  openOrRefuse(place.string(), named);
  return nullptr;
}

}  // namespace

void registerDesktopPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, "numJoysticks", false, numJoysticks);
  registerPrimitive<tMainPasProcDesc0p>(table, "activeJoysticks", false, activeJoysticksList);
  registerPrimitive<tMainPasProcDesc0p>(table, "mousepos", false, mousepos);
  registerPrimitive<tMainPasProcDesc1p>(table, "setmousepos", false, setmousepos);
  registerPrimitive<tMainPasProcDesc1p>(table, "setmousecursor", false, setmousecursor);
  registerPrimitive<tMainPasProcDesc1p>(table, "systemmetrics", false, systemmetrics);
  registerPrimitive<tMainPasProcDesc>(table, "browseDocument", false, 1u, browseDocument);
  registerPrimitive<tMainPasProcDesc1p>(table, "explore", false, explore);
}

}  // namespace lx
