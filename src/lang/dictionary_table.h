// A dictionary in memory: sections of (key, value) entries read from the
// dictionary text format, with sorted lookup.
//
// Text format, one entry per line (lines end at CR, LF or NUL; each line is
// trimmed): empty lines and lines beginning with ";" are ignored; "[name]"
// starts a section; lines before the first section are ignored; "key=value"
// adds an entry, split at the first "=". Section names and keys are stored
// lower-cased, values trimmed. A section header that appears again continues
// the same section, and a key given again replaces the earlier value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lx {

struct TDEntry {
  std::string key;    // lower-cased
  std::string value;  // trimmed
};

class TDTable {
 public:
  explicit TDTable(std::string name) : name_(std::move(name)) {}

  const std::string& name() const { return name_; }
  // Entries sorted by key.
  const std::vector<TDEntry>& entries() const { return entries_; }
  // The value of `key` (any letter case), or nullptr.
  const std::string* find(std::string_view key) const;
  // Adds or replaces; answers false when the key was already there.
  bool put(std::string_view key, std::string_view value);

 private:
  friend class TDTables;
  // The parser appends unsorted and settles once a text is read: sorting
  // once keeps a long or hostile text from costing a shift per entry.
  void append(std::string_view key, std::string_view value);
  // Sorts the entries by key; of a key given more than once the last wins.
  void settle();

  std::string name_;
  std::vector<TDEntry> entries_;
};

class TDTables {
 public:
  // Feeds dictionary text (any number of lines) to the parser. Entries go to
  // the section being filled, which stays open across calls.
  void parse(std::string_view text);

  // The section named `name` (any letter case), or nullptr.
  const TDTable* section(std::string_view name) const;
  // The value of section/key, or nullptr.
  const std::string* find(std::string_view section, std::string_view key) const;
  // Sections sorted by name.
  const std::vector<TDTable>& sections() const { return sections_; }
  bool empty() const { return sections_.empty(); }
  // The section whose header came first in the text, or nullptr.
  const TDTable* firstParsedSection() const { return firstParsed_.empty() ? nullptr : section(firstParsed_); }

 private:
  void parseLine(std::string_view line);
  TDTable& sectionForFilling(std::string_view name);

  std::vector<TDTable> sections_;
  std::string firstParsed_;
  int filling_ = -1;  // index of the section being filled, -1 before the first header
};

// ASCII lower-casing, as dictionary keys use.
std::string asciiLower(std::string_view text);
// Trims blanks (spaces and tabs) at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace lx
