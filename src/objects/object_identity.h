// Who an object is: its name, whether it is a class or an instance, the
// container that names it, its place in the list of all objects and its
// number while a project is saved.
#pragma once

#include <cstdint>
#include <string>

namespace lx {

class tmultiobject;
class tcontainerobject;

// How an object is made: made by `new` and its kin (an instance), or by
// `newclass` and at start-up (a class).
enum class ObjectKind : uint8_t { Class, Instance };

// The identity of one object.
//
// The name is what Logo code calls the object; a container's table of
// named objects follows it when a control object is renamed. The links of
// the list of all objects (object_registry.h) are changed by the registry
// alone: the list holds a counted reference to each listed object, so the
// links themselves are plain pointers, valid while the object is listed.
class ObjectIdentity {
 public:
  const std::string& name() const { return name_; }
  void setName(std::string name) { name_ = std::move(name); }

  ObjectKind kind() const { return kind_; }
  void setKind(ObjectKind kind) { kind_ = kind; }

  // The container whose table of named objects lists this object (a
  // control object entered in one), or nullptr.
  tcontainerobject* container() const { return container_; }
  void setContainer(tcontainerobject* container) { container_ = container; }

  // "#n" while a project is saved; 0 otherwise.
  int32_t saveNumber() const { return saveNumber_; }
  void setSaveNumber(int32_t number) { saveNumber_ = number; }

  // The neighbours in the list of all objects, in creation order.
  tmultiobject* previous() const { return previous_; }
  tmultiobject* next() const { return next_; }
  // The order of creation, from 1; 0 while the object was never listed.
  uint64_t creationSerial() const { return creationSerial_; }

 private:
  friend void linkObject(tmultiobject& object);
  friend void unlinkObject(tmultiobject& object);

  std::string name_;
  ObjectKind kind_ = ObjectKind::Class;
  tcontainerobject* container_ = nullptr;
  int32_t saveNumber_ = 0;
  tmultiobject* previous_ = nullptr;
  tmultiobject* next_ = nullptr;
  uint64_t creationSerial_ = 0;
};

}  // namespace lx
