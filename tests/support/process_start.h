// Starts a Logo process running a line of text as `object`, as the
// interface starts an event's handler, reporting its errors to `sink`. The
// object is passed bare: its counted reference is taken under the
// interpreter lock, since running processes count references to it too.
#pragma once

#include <memory>
#include <string>

#include "interp/logo_process.h"

namespace lx::testing {

std::shared_ptr<tLogoprocess> startTextProcess(tlogoobject* object, const std::string& name, const std::string& text,
                                               std::shared_ptr<ErrorSink> sink);

}  // namespace lx::testing
