// Interning the names the object model uses.
#include "objects/object_codes.h"

#include <algorithm>

#include "lang/dictionary.h"
#include "lang/localized_codes.h"

namespace lx {
namespace {

constexpr std::array<const char*, kEventCount> kEventNames = {"onCreate",
                                                              "onClean",
                                                              "onClick",
                                                              "onDoubleClick",
                                                              "onLeftDown",
                                                              "onRightDown",
                                                              "onMiddleDown",
                                                              "onLeftUp",
                                                              "onRightUp",
                                                              "onMiddleUp",
                                                              "onDrag",
                                                              "onPush",
                                                              "onRelease",
                                                              "onTool",
                                                              "onChange",
                                                              "onChanged",
                                                              "onPagelistChanged",
                                                              "onMouseMove",
                                                              "onMouseEnter",
                                                              "onMouseLeave",
                                                              "onVoiceCommand",
                                                              "onAddBehaviour",
                                                              "onDeleteBehaviour",
                                                              "onCollide",
                                                              "onBounce",
                                                              "onLoad",
                                                              "onPositionChange",
                                                              "onPlayStateChange",
                                                              "onStatusChanged",
                                                              "onReceive",
                                                              "onJoystickButton1Down",
                                                              "onJoystickButton1Up",
                                                              "onJoystickButton2Down",
                                                              "onJoystickButton2Up",
                                                              "onJoystickButton3Down",
                                                              "onJoystickButton3Up",
                                                              "onJoystickButton4Down",
                                                              "onJoystickButton4Up",
                                                              "onJoystickMove",
                                                              "onBegin",
                                                              "onComplete",
                                                              "onShowPage",
                                                              "onHidePage",
                                                              "onTurnToolBar",
                                                              "onReceiveObject",
                                                              "onErase"};

ObjectCodes& codes() {
  static ObjectCodes c;
  return c;
}

}  // namespace

const ObjectCodes& objectCodes() {
  return codes();
}

void internObjectCodes() {
  ObjectCodes& c = codes();
  c = ObjectCodes{};
  c.create = codeOfInternal("create");
  c.destroy = codeOfInternal("destroy");
  c.defaultAction = codeOfEntry("name", "defaultaction");
  c.firstEvent = static_cast<NameCode>(nameCodeCount());
  for (size_t i = 0; i < kEventNames.size(); ++i) c.events[i] = codeOfInternal(kEventNames[i]);
  c.lastEvent = static_cast<NameCode>(nameCodeCount());
  c.sortedEvents.assign(c.events.begin(), c.events.end());
  std::sort(c.sortedEvents.begin(), c.sortedEvents.end());
  for (size_t i = 0; i < c.mouseButtonEvents.size(); ++i)
    c.mouseButtonEvents[i] = c.events[static_cast<size_t>(EventId::onLeftDown) + i];

  c.initList = codeOfEntry("name", "initlist");
  c.namePrefix = codeOfEntry("name", "nameprefix");
  c.fileName = codeOfEntry("name", "filename");
  c.mainClass = codeOfEntry("class", "main");
  c.windowClass = codeOfEntry("class", "Window");
  c.receiver = codeOfInternal("receiver");
  c.myParent = codeOfInternal("myParent");
  c.myPlace = codeOfInternal("myPlace");
  c.myPage = codeOfInternal("myPage");
  c.myWindow = codeOfInternal("myWindow");
  c.lastObject = codeOfInternal("lastObject");
  c.activeToolbutton = codeOfInternal("activeToolbutton");
  c.childDestination = codeOf("@childdestination");
  c.askObject = codeOf("@askobj");
  c.occasions = {c.create, c.destroy, codeOfInternal("addBehaviour"), codeOfInternal("removeBehaviour")};
  c.nameKeys = {codeOfInternal("name"), codeOfInternal(".name")};
}

NameCode eventCode(EventId id) {
  return codes().events[static_cast<size_t>(id)];
}

const char* eventInternalName(EventId id) {
  return kEventNames[static_cast<size_t>(id)];
}

bool isEventCode(NameCode code) {
  const ObjectCodes& c = codes();
  // Every code given out while the event names were interned is an event;
  // an event name interned earlier than that is found in the sorted list.
  if (code > c.firstEvent && code <= c.lastEvent) return true;
  return std::binary_search(c.sortedEvents.begin(), c.sortedEvents.end(), code);
}

bool usesOwnProcedureChain(NameCode code) {
  const ObjectCodes& c = codes();
  return code == c.create || code == c.destroy || code == c.defaultAction;
}

}  // namespace lx
