// Loading a project: running its text instruction by instruction as the
// main object, with the `#n` names counting from the objects the load
// makes, the pending load values waiting for the objects that take them,
// and `onLoad` and `onShowPage` raised once the outermost load is over.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/container_reader.h"
#include "core/value.h"

namespace lx {

struct ProjectLoad {
  std::string text;
  // Image chunks of the container as stored, in chunk order; they replace
  // the images of the project loaded before when the text came from a
  // container (plain text has no images of its own).
  std::vector<RawChunk> images;
  // The container's icon chunk as stored; it replaces the icon of the
  // project loaded before as the images do.
  std::optional<RawChunk> icon;
  bool fromContainer = false;
  // [name value name value ...]: property values for the objects the load
  // makes (a name that is not a word is error 10); none for no values.
  Value propertyValues;
  // Run during start-up: every instruction passes through the dictionary's
  // line translation first.
  bool startup = false;
  // Report an instruction's error and go on with the next one, instead of
  // stopping the load there.
  bool ignoreErrors = false;
  // Whether the objects made raise `onLoad` (and the shown page
  // `onShowPage`) once the load is over: not for text from a stranger
  // that may not run code here.
  bool raiseEvents = true;
};

// Runs the project text. An error in an instruction stops the load there
// (objects made so far remain) and is passed on.
void loadProjectText(const ProjectLoad& load);

// The image chunks of the project loaded last, as stored, in chunk order:
// kept so that the images can be decoded, and saved again, later.
const std::vector<RawChunk>& loadedProjectImages();
void forgetLoadedProjectImages();
// The icon chunk of the project loaded last, as stored, kept with its images
// (and forgotten with them) so that saving the project again writes it back.
const std::optional<RawChunk>& loadedProjectIcon();

}  // namespace lx
