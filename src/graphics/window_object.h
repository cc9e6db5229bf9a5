// tSplitwindow: the window object, the container in which a project's pages
// live. It keeps the table of its pages in the order they were added, shows
// exactly one of them at a time, tells Logo code when the list of pages
// changes, and, as the project's main window, takes the first steps of a
// new project and starts its start-up procedure.
//
// Pages enter the table when they take the window as their place and leave
// it when they are destroyed; the table holds a counted reference to each.
// Everything here runs in a Logo process under the interpreter lock, except
// the showing and hiding of surfaces and the platform window, which are
// handed over to the user-interface thread.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "graphics/key_menus.h"
#include "graphics/surface_geometry.h"
#include "graphics/typed_keys.h"
#include "graphics/window_pagelist_notice.h"
#include "graphics/window_params.h"
#include "interp/var_tab.h"
#include "objects/container_object.h"

namespace lx {

class tlogopage;

class tSplitwindow : public tcontainerobject {
 public:
  static constexpr PixelPoint kDefaultPageSize{796, 499};

  tSplitwindow() { modelKind = ModelKind::Window; }
  const char* className() const override { return "tSplitwindow"; }
  void declareMembers() override;
  void afterCreate() override;
  void afterCreateHandlers(CreateMode mode) override;
  void beforeFree() override;
  // A page that takes the window as its place: entered under its name,
  // told its window, and shown (unless it is made hidden while another
  // page is shown).
  void addPage(tmultiobject& page) override;

  // --- Pages ---
  tlogopage* currentPage() const;
  size_t pageCount() const { return pages_.size(); }
  // The page of that name, or none.
  tlogopage* pageNamed(NameCode code) const;
  // The page of that name (error 156 when the window has none).
  tlogopage& page(NameCode code) const;
  // The names of the pages in table order.
  std::vector<std::string> pageNames() const;
  // Shows the page; nothing happens when it is shown already.
  void showPage(tlogopage& page);
  // Makes a page of the class `Page` with the window as the current object:
  // named `name` (none: a name chosen by the system; error 116 when a page
  // has it), of the default page size. `hidden`: it stays hidden while
  // another page is shown.
  void makePage(const std::string& name, bool hidden);
  // While set, pages made in the window (".newpage", ".new") stay hidden
  // when another page is shown.
  bool makingHidden() const { return makingHidden_; }
  void setMakingHidden(bool hidden) { makingHidden_ = hidden; }
  // Erases the page of that name (error 118 for the only page, when shown).
  void erasePage(NameCode code);
  // The page was renamed: its entry moves to the new name in its place.
  void pageRenamed(tlogopage& page, NameCode oldCode);
  // The page is being destroyed: it leaves the table, and when it was
  // shown the next page is chosen and shown.
  void pageRemoved(tlogopage& page);
  // Runs the window's `onPagelistChanged` (see PagelistNotice).
  void notifyPagelistChanged();

  // --- The main window's start ---
  // Starts the process "@startup" running the start-up procedure when the
  // window's procedure table has one (under any of its localized names),
  // with the current page as the current object; answers whether it did.
  bool startStartupProcedure();

  tLogoWindowParams params;

  // The keys typed at the window, for the primitives that read them.
  const std::shared_ptr<TypedKeys>& typedKeys() const { return typedKeys_; }
  // The key menus of the objects the window shows.
  const std::shared_ptr<KeyMenus>& keyMenus() const { return keyMenus_; }

 private:
  void runStartSteps();
  void showSurfaces(tlogopage* hide, tlogopage* show);
  void makePlatformWindow();
  void dropPlatformWindow();

  tLogoPagesTab pages_;
  ObjectRef current_;          // the page shown, or none
  NameCode currentName_ = 0;   // the code of its name
  bool makingHidden_ = false;  // a page is being made by ".newpage"
  PagelistNotice pagelistNotice_;
  std::shared_ptr<TypedKeys> typedKeys_ = std::make_shared<TypedKeys>();
  std::shared_ptr<KeyMenus> keyMenus_ = std::make_shared<KeyMenus>();
};

// The window an object stands in: the object itself or the nearest window
// on its place chain, or none.
tSplitwindow* windowOf(tmultiobject& object);

}  // namespace lx
