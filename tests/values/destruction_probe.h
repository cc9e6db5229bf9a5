// A word that counts its destruction, to see exactly when a value goes.
#pragma once

#include "values/string_word.h"

namespace lx::testing {

class DestructionProbe : public tLogoString {
 public:
  explicit DestructionProbe(int* destroyed) : tLogoString("probe"), destroyed_(destroyed) {}
  ~DestructionProbe() override { ++*destroyed_; }
  // Never pooled: the count must see the instance itself go.
  void dispose() override { delete this; }

 private:
  int* destroyed_;
};

}  // namespace lx::testing
