// The options of saving a project, a bit set named by words of the `param`
// section: keep a backup, mark the file read-only, save the backgrounds of
// pages and panes, save the images to a file of their own.
#pragma once

#include <string>
#include <vector>

#include "core/value.h"

namespace lx {

enum SaveOption : unsigned {
  soBackup = 1,     // keep the previous file as name + ".bak"
  soReadOnly = 2,   // mark the saved file read-only
  soPageBg = 4,     // save page backgrounds
  soPaneBg = 8,     // save pane backgrounds
  soExtraImg = 16,  // images to "$" + name + ".LGF" instead of the container
};

// The bits of a word or a list of words (error 9 for a word that names no
// option).
unsigned saveOptionsOf(const Value& words);
// The localized words of the set bits, in bit order.
std::vector<std::string> saveOptionWords(unsigned options);

// The options the project records (`.setsaveoptions`), used by every save.
unsigned projectSaveOptions();
void setProjectSaveOptions(unsigned options);

// The load options of `loadproject`: start-up, the world erased first, go
// on after errors.
enum LoadOption : unsigned { loStartup = 1, loErased = 2, loIgnoreErrors = 4 };
unsigned loadOptionsOf(const Value& words);

}  // namespace lx
