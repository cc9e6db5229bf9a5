// The lines that save one object: its first line (how it is made, where, and
// of which class) and its entries — properties by code, own variables,
// procedures as bar-quoted texts with "¶" line breaks, and event handlers —
// each on a line of its own starting with a tab.
#pragma once

#include <string>
#include <vector>

#include "interp/logo_proc_desc.h"
#include "objects/multi_object.h"

namespace lx {

// How the saved text names objects: by number ("#n") in a container save,
// by name in a plain-text save; the main object always by the main name.
class SaveNaming {
 public:
  explicit SaveNaming(bool numbered) : numbered_(numbered) {}
  bool numbered() const { return numbered_; }
  std::string referenceOf(const tmultiobject& object) const;
  // The prefix "reference'" for code run in `place`; empty when the text
  // writes none (a place that is neither numbered nor the main object, in a
  // container save).
  std::string placePrefix(const tmultiobject* place) const;

 private:
  bool numbered_;
};

// The first line of an instance or class block, up to and including the
// "[" that opens its entries (left open: the block ends at the empty line).
std::string objectHeadLine(const tmultiobject& object, const SaveNaming& naming);

// The entry lines, each "\t" + entry + CR LF.
std::string objectEntryLines(tmultiobject& object);

// The property codes saved with the object: those it has through itself
// and its parents (not its place) whose descriptors are saved, or saved
// once set and set on this object or changed since it was made. In code
// order, except that a property whose setter sets others comes first.
std::vector<int> savedPropertyCodes(tmultiobject& object);

// The text a procedure is saved as: the text it was defined from, or else
// its title and its lines in show form, so that words holding blanks, bars
// or line breaks read back as they were.
std::string procedureSaveText(const tLogoProcDesc& procedure);

// A value as written after its key in an entry: its show form.
std::string entryValueText(const Value& value);

}  // namespace lx
