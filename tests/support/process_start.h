// Starts a Logo process running a line of text as `object`, as the
// interface starts an event's handler, reporting its errors to `sink`.
#pragma once

#include <memory>
#include <string>

#include "interp/logo_process.h"

namespace lx::testing {

std::shared_ptr<tLogoprocess> startTextProcess(Value object, const std::string& name, const std::string& text,
                                               std::shared_ptr<ErrorSink> sink);

}  // namespace lx::testing
