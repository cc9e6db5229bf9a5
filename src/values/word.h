// tLogoWord: the base of every word — text words, numbers and booleans.
// A word's characters are its elements for the word operations, and a word
// can name something: its name code is interned once and cached.
#pragma once

#include "core/value.h"

namespace lx {

class tLogoWord : public tlogoobject {
 public:
  bool isWord() const override { return true; }
  NameCode nameCode() const override;
  std::string showText(int level = -1) const override { return printText(level); }

 protected:
  // Forgets what was derived from the word's text (after a pooled instance
  // is given a new value).
  void clearWordCaches() { nameCodeCache_ = 0; }

 private:
  mutable NameCode nameCodeCache_ = 0;  // 0: not yet interned
};

}  // namespace lx
