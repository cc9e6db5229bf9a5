// The main object's printing family — `type`, `print`, `printline`, `show` —
// and the commands that choose where it writes: `printto` (the clipboard)
// and `printtotextbox`. Also `clipboard`, which reads the clipboard's text.
#pragma once

#include <functional>
#include <memory>

#include "interp/logo_tab.h"
#include "prims/output_destination.h"
#include "core/value.h"

namespace lx {

void registerPrintPrimitives(tLogoTab& table);

// Finds the text box that `printtotextbox` names, as seen from the current
// object, and answers the stream that writes into it; none when the name is
// not a text box. Installed by the text boxes; until then every name fails.
using TextBoxOutputFinder = std::function<std::shared_ptr<OutputDestination>(const Value& name)>;
void setTextBoxOutputFinder(TextBoxOutputFinder finder);

}  // namespace lx
