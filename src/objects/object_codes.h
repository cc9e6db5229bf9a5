// The codes of the names the object model looks up all the time: the
// procedures an object runs on its occasions, the pseudo-names of objects,
// the dictionary words of init lists, and the event names, interned in one
// run at start-up so that an event code can be told from any other code.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/name_codes.h"

namespace lx {

// The events, in the order their names are interned.
enum class EventId : uint8_t {
  onCreate,
  onClean,
  onClick,
  onDoubleClick,
  onLeftDown,
  onRightDown,
  onMiddleDown,
  onLeftUp,
  onRightUp,
  onMiddleUp,
  onDrag,
  onPush,
  onRelease,
  onTool,
  onChange,
  onChanged,
  onPagelistChanged,
  onMouseMove,
  onMouseEnter,
  onMouseLeave,
  onVoiceCommand,
  onAddBehaviour,
  onDeleteBehaviour,
  onCollide,
  onBounce,
  onLoad,
  onPositionChange,
  onPlayStateChange,
  onStatusChanged,
  onReceive,
  onJoystickButton1Down,
  onJoystickButton1Up,
  onJoystickButton2Down,
  onJoystickButton2Up,
  onJoystickButton3Down,
  onJoystickButton3Up,
  onJoystickButton4Down,
  onJoystickButton4Up,
  onJoystickMove,
  onBegin,
  onComplete,
  onShowPage,
  onHidePage,
  onTurnToolBar,
  onReceiveObject,
  onErase,
};
inline constexpr int kEventCount = 46;

struct ObjectCodes {
  // Procedures an object runs when it is made and when it is destroyed.
  NameCode create = 0, destroy = 0;
  // Dictionary section "name": the variables and procedures the system reads.
  NameCode defaultAction = 0, initList = 0, namePrefix = 0, fileName = 0;
  // Dictionary section "class": the main object and the window class.
  NameCode mainClass = 0, windowClass = 0;
  // Words that name an object relative to the one running the code.
  NameCode receiver = 0, myParent = 0, myPlace = 0, myPage = 0, myWindow = 0, lastObject = 0,
           activeToolbutton = 0;
  // Internal variables of objects.
  NameCode childDestination = 0, askObject = 0;
  // The name-code count before and after the event names were interned.
  NameCode firstEvent = 0, lastEvent = 0;
  std::array<NameCode, kEventCount> events{};
  // onLeftDown ... onMiddleUp, for the mouse handling of controls.
  std::array<NameCode, 6> mouseButtonEvents{};
  // create, destroy, addBehaviour, removeBehaviour.
  std::array<NameCode, 4> occasions{};
  // The two keys that name an object in an init list: `name` and `.name`.
  std::array<NameCode, 2> nameKeys{};
  std::vector<NameCode> sortedEvents;  // every event code, for membership tests
};

const ObjectCodes& objectCodes();
// Interns everything above (start-up, after the dictionary is loaded; again
// after the name tables were emptied or the language changed).
void internObjectCodes();

NameCode eventCode(EventId id);
const char* eventInternalName(EventId id);
bool isEventCode(NameCode code);
// Procedures looked up along the chain of founding parents only (the
// occasions `create` and `destroy`, and the default action): a turtle must
// not run its page's `create`.
bool usesOwnProcedureChain(NameCode code);

}  // namespace lx
