// The list of every object in creation order, the load anchor from which
// the "#n" names of a project being loaded count, and the counter that
// names objects made without a name.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace lx {

class tmultiobject;

// Appends the object at the end of the list; the list holds a reference.
void linkObject(tmultiobject& object);
// Takes the object out of the list and drops the list's reference.
void unlinkObject(tmultiobject& object);
tmultiobject* firstObject();
tmultiobject* lastListedObject();
size_t objectCount();

// A project load is running (loads may nest; the anchor is set by the
// outermost one): "#1" names the first object made after it began.
void beginProjectLoad();
void endProjectLoad();
bool projectLoadRunning();
// The object numbered n (1-based) of the running load; nullptr past the end.
tmultiobject* objectNumbered(uint32_t n);

// Objects made while the world is built (the main object, the prototypes,
// the main window) are the system's own, not the project's: a save does not
// write them. The world marks the end of its building once.
void markSystemObjectsMade();
bool isSystemObject(const tmultiobject& object);

// The name of the next object made without one: the `strings` entry
// `Object` of the interface dictionary, as a format, with a running count
// from 0 (error 125 when the entry is missing).
std::string nextUnnamedObjectName();

// Forgets the list, the anchor and the count (a new main object).
void resetObjectRegistry();

}  // namespace lx
