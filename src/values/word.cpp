// What every word shares: the cached name code of its text.
#include "values/word.h"

namespace lx {

NameCode tLogoWord::nameCode() const {
  if (nameCodeCache_ == 0) nameCodeCache_ = codeOf(wordText());
  return nameCodeCache_;
}

}  // namespace lx
