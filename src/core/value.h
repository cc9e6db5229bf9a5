// tlogoobject: the base of every Logo value — words, numbers, booleans,
// lists, images and Logo objects.
//
// How values are represented and owned. Every value is a heap object with an
// intrusive reference count. A new value starts at count 0; every holder
// (list cells, variables, the value stack, exceptions, caches) keeps a
// counted reference, normally a Ref<T>, and the value is disposed of exactly
// when the last holder lets go. There is no other collector. Values that
// Logo code can see never change in place; operations answer new values.
// (The one exception, `absorb`, only touches a value nobody else holds.)
//
// Numbers, words and booleans come from small pools when a Logo process
// thread makes them, and go back to their pool when disposed of, so that
// loops do not allocate. Only the thread that holds the interpreter lock
// touches values, so counts and pools need no atomics.
//
// Operations are virtual methods, one per operation of the value classes;
// errors of Logo code are raised as eLogoException with their code.
//
// Layer: core, above platform only. What every layer shares: this counted
// base and Ref, name codes, error codes, the exceptions and the global
// options. It borrows the language's comparison of names and its messages
// through hooks that the language layer lends as the program starts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/name_codes.h"
#include "core/ref.h"

namespace lx {

class tLogoTab;  // a procedure table: the method table of a value class

// The value classes that have a shared method table; everything else
// (images, Logo objects) keeps its own in `methods`.
enum class ValueKind : uint8_t { Word, Integer, Real, Boolean, List, Other };

// Where a value stands in the object model: a group of objects an `ask`
// made current, the context of an inherited procedure's call, or an object
// and its kind; None for every other value. Variable and procedure lookups
// ask it at every `:name`, so it is a field, not a type test.
//
// The object kinds follow the class tree, each kind after the one it is
// made from, so that "at least a control object" is one comparison: an
// object's kind is set by the constructor of its most derived class.
enum class ModelKind : uint8_t {
  None,
  AskGroup,
  CallContext,
  Object,             // tmultiobject: from here on, every kind is an object
  ControlObject,      // owns a visible control
  ContainingControl,  // can hold child controls (a pane)
  Container,          // holds named child objects (the main object, tool windows)
  Page,               // a container shown in a window
  Window,             // a container of pages
};

class tlogoobject : public tCounted {
 public:
  tlogoobject() = default;
  tlogoobject(const tlogoobject&) = delete;
  tlogoobject& operator=(const tlogoobject&) = delete;
  virtual ~tlogoobject() = default;

  bool pooled = false;    // the instance belongs to a recycling pool
  ModelKind modelKind = ModelKind::None;
  ValueKind valueKind = ValueKind::Other;
  tLogoTab* methods = nullptr;  // the class's shared method table, not owned

  void dispose() override;
  // A new, unpooled value equal to this one.
  virtual Value copy() const = 0;

  virtual bool isList() const { return false; }
  virtual bool isImage() const { return false; }
  virtual bool isWord() const { return false; }
  virtual bool isAnyWord() const { return false; }
  virtual bool isNumber() const { return false; }
  virtual bool isBool() const { return false; }
  virtual bool isInteger() const { return false; }

  // Conversions; each raises its error when the value cannot serve.
  virtual int32_t asIntegerIn(int32_t lo, int32_t hi) const;
  virtual int32_t asInteger() const;
  virtual long double asReal() const;
  virtual bool asBool() const;

  // The text a value prints as, without and with show-form quoting.
  // `level` 0 is the outermost value: a list there is written without its
  // brackets, at any other level (the default too) with them.
  virtual std::string printText(int level = -1) const;
  virtual std::string showText(int level = -1) const;
  // The characters of a word (error 8 for anything else).
  virtual std::string wordText() const;
  virtual NameCode nameCode() const;

  virtual bool isEmpty() const { return false; }
  virtual bool equals(const tlogoobject& other) const { return this == &other; }
  virtual bool equalsExact(const tlogoobject& other) const { return equals(other); }
  virtual bool notEquals(const tlogoobject& other) const { return !equals(other); }
  // Takes over `other`'s value in place, when this value has one holder and
  // `other` is a pooled instance of the same class.
  virtual bool absorb(const tlogoobject& other) { return this == &other; }

  // The class's name, used in the text a value without a print form shows.
  virtual const char* className() const = 0;
  // Which value class this is. Operators and word/list primitives dispatch
  // on it at every call, so it is a field that the class's constructor sets.
  ValueKind kind() const { return valueKind; }
};

// The value as its class; nullptr when it is of another class.
// How a value without a text of its own prints ("an instance of ..."): the
// language layer lends the localized message.
using InstanceDescription = std::string (*)(std::string_view className);
void setInstanceDescription(InstanceDescription describe);

template <class T>
T* as(const Value& value) {
  return dynamic_cast<T*>(value.get());
}

}  // namespace lx
