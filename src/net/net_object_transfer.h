// How objects travel between projects: the project saver, which lives
// above the network layer, describes an object as project text and loads
// such a text into a container. The program installs both; without them
// an object travels as its name and is not recreated.
#pragma once

#include <string>

#include "core/value.h"
#include "objects/multi_object.h"

namespace lx {

struct NetObjectTransfer {
  std::string (*describe)(tmultiobject& object) = nullptr;
  // Makes the object `text` describes inside `container` (an object, or a
  // list naming one). Without `runAllowed` only the lines that make objects
  // are taken: the text came from a stranger.
  void (*recreate)(const std::string& text, const Value& container, bool runAllowed) = nullptr;
};

void setNetObjectTransfer(NetObjectTransfer transfer);

std::string describeObjectForNet(tmultiobject& object);
void recreateObjectFromNet(const std::string& text, const Value& container, bool runAllowed);

}  // namespace lx
