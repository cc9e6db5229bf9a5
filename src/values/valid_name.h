// Which texts may name a procedure or an object.
#pragma once

#include <string_view>

namespace lx {

// False when the text is empty, reads as a number, begins with a double
// quote or a colon, or holds a blank or a control character.
bool isValidName(std::string_view text);

}  // namespace lx
