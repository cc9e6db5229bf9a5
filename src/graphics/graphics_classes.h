// Registering the graphics classes (`Page`, `Pane`, `Turtle`, `Window`) in the main
// object, each with the name prefix of its objects (page1, pane1...).
#pragma once

#include "objects/main_object.h"

namespace lx {

void registerGraphicsClasses(tMainLogoObject& main);

// Makes a class object of prototype kind P named by the dictionary's
// `class` entry `classKey`, whose objects are named from the `prefix`
// entry `prefixKey`, and enters it in the main object as the system's own
// entry, which Logo code cannot erase (every object of the class would go
// with it, and no new one could be made).
template <class P>
ObjectRef registerClass(tMainLogoObject& main, const char* classKey, const char* prefixKey);

}  // namespace lx

#include "lang/dictionary.h"
#include "objects/object_codes.h"
#include "values/pools.h"

namespace lx {

template <class P>
ObjectRef registerClass(tMainLogoObject& main, const char* classKey, const char* prefixKey) {
  ObjectRef prototype(new P);
  prototype->init(localEntry("class", classKey), {});
  prototype->variables().setValue(objectCodes().namePrefix, makeWord(localEntry("prefix", prefixKey)));
  main.enterChild(*prototype);
  main.children->variable(codeOf(prototype->name()))->flags |= kBuiltIn;
  return prototype;
}

}  // namespace lx
