// Dictionary sections and the parser of the dictionary text format.
#include "lang/dictionary_table.h"

#include <algorithm>
#include <iterator>

namespace lx {

std::string asciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string_view trimBlanks(std::string_view text) {
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

namespace {

bool keyLess(const TDEntry& entry, const std::string& key) { return entry.key < key; }

}  // namespace

const std::string* TDTable::find(std::string_view key) const {
  const std::string wanted = asciiLower(key);
  auto it = std::lower_bound(entries_.begin(), entries_.end(), wanted, keyLess);
  if (it == entries_.end() || it->key != wanted) return nullptr;
  return &it->value;
}

bool TDTable::put(std::string_view key, std::string_view value) {
  std::string lowered = asciiLower(key);
  auto it = std::lower_bound(entries_.begin(), entries_.end(), lowered, keyLess);
  if (it != entries_.end() && it->key == lowered) {
    it->value = std::string(value);
    return false;
  }
  // Growing by a fixed step keeps a long dictionary from reallocating on every entry.
  const auto at = it - entries_.begin();
  if (entries_.size() == entries_.capacity()) entries_.reserve(entries_.size() + 32);
  entries_.insert(entries_.begin() + at, TDEntry{std::move(lowered), std::string(value)});
  return true;
}

void TDTable::append(std::string_view key, std::string_view value) {
  entries_.push_back(TDEntry{asciiLower(key), std::string(value)});
}

void TDTable::settle() {
  std::stable_sort(entries_.begin(), entries_.end(),
                   [](const TDEntry& a, const TDEntry& b) { return a.key < b.key; });
  // Of equal keys, stable sorting left the one given last at the end of its run.
  auto kept = entries_.begin();
  for (auto it = entries_.begin(); it != entries_.end(); ++it) {
    if (std::next(it) != entries_.end() && std::next(it)->key == it->key) continue;
    if (kept != it) *kept = std::move(*it);
    ++kept;
  }
  entries_.erase(kept, entries_.end());
}

void TDTables::parse(std::string_view text) {
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\r' && text[i] != '\n' && text[i] != '\0') continue;
    parseLine(text.substr(start, i - start));
    start = i + 1;
  }
  for (TDTable& section : sections_) section.settle();
}

void TDTables::parseLine(std::string_view raw) {
  const std::string_view line = trimBlanks(raw);
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    sectionForFilling(line.substr(1, line.size() - 2));
    return;
  }
  if (filling_ < 0) return;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  sections_[filling_].append(trimBlanks(line.substr(0, eq)), trimBlanks(line.substr(eq + 1)));
}

TDTable& TDTables::sectionForFilling(std::string_view name) {
  const std::string lowered = asciiLower(name);
  if (firstParsed_.empty()) firstParsed_ = lowered;
  auto it = std::lower_bound(sections_.begin(), sections_.end(), lowered,
                             [](const TDTable& t, const std::string& n) { return t.name() < n; });
  if (it == sections_.end() || it->name() != lowered) it = sections_.insert(it, TDTable(lowered));
  filling_ = static_cast<int>(it - sections_.begin());
  return *it;
}

const TDTable* TDTables::section(std::string_view name) const {
  const std::string lowered = asciiLower(name);
  auto it = std::lower_bound(sections_.begin(), sections_.end(), lowered,
                             [](const TDTable& t, const std::string& n) { return t.name() < n; });
  return it != sections_.end() && it->name() == lowered ? &*it : nullptr;
}

const std::string* TDTables::find(std::string_view sectionName, std::string_view key) const {
  const TDTable* table = section(sectionName);
  return table ? table->find(key) : nullptr;
}

}  // namespace lx
