// Spoken output: `say` speaks its text with the voice `setvoice` chose, or
// with the voice of the project's language, through the wave output.
#pragma once

#include <string>
#include <vector>

namespace lx {

class tLogoTab;

void registerSpeechPrimitives(tLogoTab& table);

// The names `setvoice` takes: the language tags of the voices there are
// ("en", "en-gb", "sk"...), in order. For choosing a voice in a dialog.
std::vector<std::string> speechVoiceNames();

// The language tag a language dictionary's name stands for ("english" ->
// "en"); empty for a language this table does not know.
std::string languageTag(const std::string& languageName);

}  // namespace lx
