// Ref<T>: the counted reference through which every holder of a Logo value
// keeps it alive.
#pragma once

#include <cstddef>
#include <type_traits>
#include <utility>

namespace lx {

class tlogoobject;
void addRef(tlogoobject* value);
void release(tlogoobject* value);

// An intrusive smart pointer: copying adds a reference, destruction and
// reassignment release one, so no path leaks or frees twice. A null Ref is
// "none", the absence of a value.
template <class T>
class Ref {
 public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(T* value) : value_(value) { addRef(value_); }
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
