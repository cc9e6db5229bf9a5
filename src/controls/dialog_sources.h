// Where choosers find choices that higher parts of the program know: the
// files of a kind in the project's and the search folders (the program's
// start-up hands in the lister), and the names of the speech voices (the
// speech module hands in its list). Without a source the choice is empty.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lx {

// The names of the files of `kind` ("image", "media", "web", "text",
// "project" or "any"), kept to `extensions` (".WAV"; any letter case) when
// some are given, each once, sorted.
using DialogFileLister = std::function<std::vector<std::string>(const std::string& kind,
                                                                const std::vector<std::string>& extensions)>;
void setDialogFileLister(DialogFileLister lister);
std::vector<std::string> dialogFiles(const std::string& kind, const std::vector<std::string>& extensions);

// The voices `voiceChooser` offers.
void setVoiceNameSource(std::function<std::vector<std::string>()> source);
std::vector<std::string> voiceNames();

}  // namespace lx
