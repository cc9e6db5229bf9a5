// Turning a Logo error into the text a person reads: placeholders filled in
// from the error's fields, the caption that says where it happened, and the
// annotations added on the way out of procedures and calls.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/logo_exception.h"

namespace lx {

// The template with its placeholders filled: #F extra text, #H the value in
// show form (or the name of nameCode, or "<nil>"), #c and #h the value in
// print form, #L the line, #P the procedure (with its owner's name and "'"
// when the owner is not the main object), #a and #b the numbers, #p the
// called procedure or primitive. Any other "#x" stays as it is.
std::string expandMessage(const eLogoException& e, std::string_view templ);
// Expands `message` in place, once.
void expandOnce(eLogoException& e);
// `message` with its first line break replaced by `separator`.
std::string breakFirstLine(const eLogoException& e, std::string_view separator);
// The caption of an error: the error template itself without a process
// kind, "errorinproc" for a procedure without a line, else the caption of
// the process kind.
std::string captionFor(const eLogoException& e, std::string_view errorTemplate);

// Records where an error happened; the innermost procedure that annotates wins.
void annotate(eLogoException& e, NameCode procedure, const tlogoobject* owner, int32_t line, tInprocType kind);
// Records the called procedure or primitive when none is recorded yet.
void annotatePrim(eLogoException& e, NameCode name);

// How the owner of a procedure is named in messages ("" and the main object
// print no owner). The object model installs this when it starts.
using OwnerNamer = std::function<std::string(const tlogoobject* owner)>;
void setOwnerNamer(OwnerNamer namer);

// The key of a process kind in the "ErrorCaptions" section.
std::string_view inprocTypeName(tInprocType kind);

}  // namespace lx
