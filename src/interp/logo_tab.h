// tLogoTab: a table of descriptors indexed directly by name code, so that a
// lookup is one bounds check and one array read. Descriptors are also kept
// in insertion order, for listing and saving.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/error_codes.h"
#include "interp/tab_desc.h"

namespace lx {

class tlogoobject;

class tLogoTab {
 public:
  explicit tLogoTab(std::string displayLabel = "commandsLabel") : displayLabel(std::move(displayLabel)) {}
  tLogoTab(const tLogoTab&) = delete;
  tLogoTab& operator=(const tLogoTab&) = delete;
  virtual ~tLogoTab();

  // The descriptor of `code`, or the table's failure (error 25 for
  // procedures, with the name code).
  tTabDesc* find(NameCode code) const;
  tTabDesc* findOrNull(NameCode code) const {
    return code >= low_ && code <= high_ && !entries_.empty() ? entries_[code - low_].get() : nullptr;
  }
  // Adds `desc`, destroying an entry of the same code (error 158 for code 0).
  tTabDesc* add(std::unique_ptr<tTabDesc> desc);
  // Destroys the entry (the table's failure when absent).
  void eraseEntry(NameCode code);
  // Moves the entry of `from` to the code `to`, keeping its place in
  // insertion order (an entry already under `to` is destroyed; the table's
  // failure when `from` is absent).
  void renameEntry(NameCode from, NameCode to);
  // Destroys every entry that is not built in and not named `except`.
  void eraseAll(NameCode except = 0);
  // Every descriptor in insertion order.
  void forEach(const std::function<void(tTabDesc&)>& visit) const;
  // The position of the entry in insertion order, or -1.
  int indexOf(NameCode code) const;
  size_t size() const { return size_; }

  // The lock of every table's insertion list: the user-interface thread
  // walks these lists (saving, browsing) while processes change tables.
  static std::mutex& listLock();

  bool notOwned = false;      // shared (a value-class table), not freed with its owner
  std::string displayLabel;   // dictionary key of the table's heading
  tlogoobject* ownerObject = nullptr;

 protected:
  // The error for a name that is not in the table.
  virtual errorConst missingCode() const { return erDoNotKnowHowTo; }
  [[noreturn]] void failFind(NameCode code) const;

 private:
  void growToCover(NameCode code);
  void link(tTabDesc* desc);
  void unlink(tTabDesc* desc);

  std::vector<std::unique_ptr<tTabDesc>> entries_;  // entries_[c - low_] for low_ <= c <= high_
  NameCode low_ = 1;
  NameCode high_ = 0;
  tTabDesc* head_ = nullptr;
  tTabDesc* tail_ = nullptr;
  size_t size_ = 0;
};

}  // namespace lx
