// The window class: its properties and commands.
#include "graphics/window_prototype.h"

#include "core/logo_exception.h"
#include "graphics/window_commands.h"
#include "graphics/window_object.h"
#include "objects/object_accessors.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "values/list.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

constexpr int kLargestCoordinate = 1 << 15;

tSplitwindow& windowSelf(tmultiobject& self) {
  tSplitwindow* window = windowOf(self);
  if (!window) throw eLogoException(erNotInsideWin);
  return *window;
}

Value pair(int a, int b) {
  ListBuilder list;
  list.add(makeInt(a));
  list.add(makeInt(b));
  return list.finish();
}

// Two integers [a b] (error 18).
std::pair<int, int> integerPair(const Value& value, int least) {
  const tLogoList* list = asList(*value);
  if (!list || list->count() != 2 || !list->element()->isNumber() || !list->rest()->element()->isNumber())
    throw eLogoException(erExpectedXY, value);
  return {list->element()->asIntegerIn(least, kLargestCoordinate),
          list->rest()->element()->asIntegerIn(least, kLargestCoordinate)};
}

// --- Place and size: kept in the window parameters, passed on to the
// platform window once it exists (user-interface thread) ---

void applyGeometry(tSplitwindow& window) {
  tLogoWindowParams& params = window.params;
  if (!params.window) return;
  params.window->setPosition(params.left, params.top);
  params.window->setClientSize(params.width, params.height);
}

Value geometryOf(tmultiobject& self, int code) {
  const tLogoWindowParams& params = windowSelf(self).params;
  switch (code) {
    case prop::kXCor:
      return makeInt(params.left);
    case prop::kYCor:
      return makeInt(params.top);
    case prop::kPos:
      return pair(params.left, params.top);
    case prop::kWidth:
      return makeInt(params.width);
    case prop::kHeight:
      return makeInt(params.height);
    default:
      return pair(params.width, params.height);
  }
}

void setGeometry(tmultiobject& self, int code, const Value& value) {
  tSplitwindow& window = windowSelf(self);
  tLogoWindowParams& params = window.params;
  switch (code) {
    case prop::kXCor:
      params.left = value->asIntegerIn(-kLargestCoordinate, kLargestCoordinate);
      break;
    case prop::kYCor:
      params.top = value->asIntegerIn(-kLargestCoordinate, kLargestCoordinate);
      break;
    case prop::kPos:
      std::tie(params.left, params.top) = integerPair(value, -kLargestCoordinate);
      break;
    case prop::kWidth:
      params.width = value->asIntegerIn(1, kLargestCoordinate);
      break;
    case prop::kHeight:
      params.height = value->asIntegerIn(1, kLargestCoordinate);
      break;
    default:
      std::tie(params.width, params.height) = integerPair(value, 1);
  }
  applyGeometry(window);
}

Value captionOf(tmultiobject& self, int) {
  const tLogoWindowParams& params = windowSelf(self).params;
  return makeWord(params.caption.empty() ? applicationTitle() : params.caption);
}

void setCaption(tmultiobject& self, int, const Value& value) {
  tLogoWindowParams& params = windowSelf(self).params;
  params.caption = value->isList() ? value->printText() : value->wordText();
  if (params.window) params.window->setTitle(params.caption);
}

// The window's state as a number: 0 normal, 1 minimized, 2 maximized,
// 3 full screen.
Value windowStateOf(tmultiobject& self, int) {
  const tLogoWindowParams& params = windowSelf(self).params;
  return makeInt(params.window ? static_cast<int>(params.window->state()) : 0);
}

void setState(tSplitwindow& window, WindowState state) {
  if (window.params.window) window.params.window->setState(state);
}

void setWindowState(tmultiobject& self, int, const Value& value) {
  static constexpr WindowState kStates[] = {WindowState::Normal, WindowState::Minimized,
                                            WindowState::Maximized, WindowState::FullScreen};
  setState(windowSelf(self), kStates[value->asIntegerIn(0, 3)]);
}

Value keptOr(tmultiobject& self, int code, Value otherwise) {
  const Value kept = self.storedProperty(code);
  return kept ? kept : otherwise;
}

Value voiceMenuOf(tmultiobject& self, int code) {
  return keptOr(self, code, Value(tLogoList::empty()));
}

void setVoiceMenu(tmultiobject& self, int code, const Value& value) {
  if (!value->isList()) throw eLogoException(erExpectList, value);
  self.setStoredProperty(code, value);
}

Value promptOf(tmultiobject& self, int code) {
  return keptOr(self, code, makeWord(""));
}

void setPrompt(tmultiobject& self, int code, const Value& value) {
  self.setStoredProperty(code, value);
}

// --- Commands of the class ---

Value maximize(tmultiobject& self, tLogoStack&, int) {
  setState(windowSelf(self), WindowState::Maximized);
  return nullptr;
}
Value minimize(tmultiobject& self, tLogoStack&, int) {
  setState(windowSelf(self), WindowState::Minimized);
  return nullptr;
}
Value restore(tmultiobject& self, tLogoStack&, int) {
  setState(windowSelf(self), WindowState::Normal);
  return nullptr;
}
Value fullScreen(tmultiobject& self, tLogoStack&, int) {
  setState(windowSelf(self), WindowState::FullScreen);
  return nullptr;
}

// The window's client size as the Logo program needs it.
Value setLogoSize(tmultiobject& self, tLogoStack& stack, int) {
  writeProperty(windowSelf(self), prop::kSize, stack.take());
  return nullptr;
}

Value mousePos(tmultiobject& self, tLogoStack&, int) {
  const tLogoWindowParams& params = windowSelf(self).params;
  if (!params.window) return pair(0, 0);
  const MouseState mouse = params.window->mouseState();
  return pair(mouse.x, mouse.y);
}
Value setMousePos(tmultiobject& self, tLogoStack& stack, int) {
  const tLogoWindowParams& params = windowSelf(self).params;
  const auto [x, y] = integerPair(stack.take(), -kLargestCoordinate);
  if (params.window) params.window->setMousePosition(x, y);
  return nullptr;
}

// The window has no menu bar and no text area in this runtime: menus and
// the text area's commands are accepted and change nothing; printing is
// refused as everywhere.
Value dropInputs(tmultiobject&, tLogoStack& stack, int count) {
  stack.drop(static_cast<size_t>(count));
  return nullptr;
}
Value refusePrinting(tmultiobject&, tLogoStack& stack, int) {
  stack.take();
  throw eLogoException(erNoPrint);
}
Value noTextArea(tmultiobject&, tLogoStack&, int) {
  return pair(0, 0);
}

}  // namespace

tWindowPrototype::tWindowPrototype() {
  setInstanceFactory([] { return ObjectRef(new tSplitwindow); });
}

namespace {

constexpr PropertyEntry kWindowProperties[] = {
    {prop::kXCor, geometryOf, setGeometry},
    {prop::kYCor, geometryOf, setGeometry},
    {prop::kPos, geometryOf, setGeometry},
    {prop::kSize, geometryOf, setGeometry},
    {prop::kWidth, geometryOf, setGeometry},
    {prop::kHeight, geometryOf, setGeometry},
    {prop::kCaptionWindow, captionOf, setCaption},
    {prop::kVoiceMenu, voiceMenuOf, setVoiceMenu},
    {prop::kPrompt, promptOf, setPrompt},
    {prop::kReadlistPrompt, promptOf, setPrompt},
    {prop::kWindowState, windowStateOf, setWindowState},
};

}  // namespace

void tWindowPrototype::declareMembers() {
  tLogoFinalControlPrototype::declareMembers();
  declareProperties(*this, kWindowProperties, DeclaredOn::Prototype);
  declareCommand<tProtectedObjProcDesc>(*this, "maximize", 0, maximize);
  declareCommand<tProtectedObjProcDesc>(*this, "minimize", 0, minimize);
  declareCommand<tProtectedObjProcDesc>(*this, "restore", 0, restore);
  declareCommand<tProtectedObjProcDesc>(*this, "fullscreen", 0, fullScreen);
  declareCommand(*this, "setlogosize", 1, setLogoSize);
  declareCommand<tProtectedObjProcDesc>(*this, "mousepos", 0, mousePos);
  declareCommand<tProtectedObjProcDesc>(*this, "setmousepos", 1, setMousePos);
  declareCommand(*this, "setmenu", 1, dropInputs);
  declareCommand(*this, ".setmenucheck", 2, dropInputs);
  declareCommand(*this, "printtext", 1, refusePrinting);
  declareCommand(*this, "getts", 0, noTextArea);
  declareCommand(*this, "setts", 1, dropInputs);
  declareCommand(*this, "cleartext", 0, dropInputs);
  declarePageCommand(*this, "undodrawing", 0);
}

}  // namespace lx
