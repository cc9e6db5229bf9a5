// Checking names given to procedures and objects.
#include "values/valid_name.h"

#include "values/number_text.h"

namespace lx {

bool isValidName(std::string_view text) {
  if (text.empty() || text.front() == '"' || text.front() == ':') return false;
  for (char c : text)
    if (static_cast<unsigned char>(c) <= 32) return false;
  return !parseInteger(text) && !parseReal(text);
}

}  // namespace lx
