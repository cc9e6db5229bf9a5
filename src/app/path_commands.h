// What the primitives setpath and path do once their inputs are gathered.
// The primitives themselves turn Logo lists into these lists of entries and
// check how many inputs they were given.
#pragma once

#include <string>
#include <vector>

#include "app/file_kind.h"
#include "core/value.h"

namespace lx {

// The kind a Logo word names; error 3 with the word when it names none.
FileKind kindOfWord(const Value& word);

// setpath with one input: the directories of projects. No entries restore
// the defaults.
void setPathOfProjects(const std::vector<std::string>& directories);
// setpath with a kind word and the directories.
void setPathOfKind(const Value& kindWord, const std::vector<std::string>& directories);

// path without input: the folder where projects are found (internal text).
std::string pathOfProjects();
// path with a kind word: the folder where files of that kind are found.
std::string pathOfKind(const Value& kindWord);
// path with a list holding a kind word: that kind's entries as stored.
std::vector<std::string> pathEntriesOfKind(const Value& kindWord);

}  // namespace lx
