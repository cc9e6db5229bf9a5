// Ref<T>: the counted reference through which every holder of a Logo value
// keeps it alive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace lx {

class tlogoobject;

// The count every value carries. It lives in a base of its own so that
// counting compiles inline wherever a Ref is used: every value the
// evaluator touches is counted at least twice.
class tCounted {
 public:
  int32_t refCount = 0;  // holders of this value

  // Frees the instance, or returns a pooled one to its pool.
  virtual void dispose() = 0;

 protected:
  virtual ~tCounted() = default;
};

inline void addRef(tCounted* value) {
  if (value) ++value->refCount;
}

inline void release(tCounted* value) {
  if (value && --value->refCount < 1) value->dispose();
}

// An intrusive smart pointer: copying adds a reference, destruction and
// reassignment release one, so no path leaks or frees twice. A null Ref is
// "none", the absence of a value.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  explicit Ref(T* value) : value_(value) { addRef(value_); }
  Ref(const Ref& other) : value_(other.value_) { addRef(value_); }
  Ref(Ref&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  Ref(const Ref<U>& other) : value_(other.get()) { addRef(value_); }
  ~Ref() { release(value_); }

  Ref& operator=(Ref other) noexcept {
    std::swap(value_, other.value_);
    return *this;
  }

  T* get() const { return value_; }
  T* operator->() const { return value_; }
  T& operator*() const { return *value_; }
  explicit operator bool() const { return value_ != nullptr; }
  bool operator==(const Ref& other) const { return value_ == other.value_; }

 private:
  T* value_ = nullptr;
};

using Value = Ref<tlogoobject>;

}  // namespace lx
