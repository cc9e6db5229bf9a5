// The files that choosers offer: those of a kind in the project's folder
// and the kind's search folders.
#pragma once

#include <string>
#include <vector>

namespace lx {

// The names of the files of `kind` (an internal kind word such as "image",
// or a localized one from the dictionary) with one of `extensions` (any
// when none), each once, sorted without regard to letter case.
std::vector<std::string> filesOfKind(const std::string& kind, const std::vector<std::string>& extensions);
// Hands filesOfKind to the choosers.
void installDialogFiles();

}  // namespace lx
