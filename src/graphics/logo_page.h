// Pages and panes as Logo objects. A page (`tlogopage`) is the container
// on which a project's turtles and controls live; a pane (`tlogopane`) is a
// smaller drawing area placed on a page as a control. Each owns a drawing
// surface; a pane's surface is shown on its page's.
#pragma once

#include <vector>

#include "graphics/surface_owner.h"
#include "objects/container_object.h"

namespace lx {

class tlogopane;
class tSplitwindow;

class tlogopage : public tcontainerobject, public tSurfaceOwner {
 public:
  static constexpr PixelPoint kDefaultSize{796, 499};

  tlogopage() { modelKind = ModelKind::Page; }
  const char* className() const override { return "tlogopage"; }
  bool hasPageWho() const override { return true; }
  void afterCreate() override;
  void beforeFree() override;
  // A renamed page keeps its place among its window's pages.
  void rename(const std::string& newName) override;
  // The only page a window shows cannot be erased (error 118).
  void checkErasable() const override;
  PixelPoint defaultSize() const override { return kDefaultSize; }

  // The window the page belongs to (set when the window takes it), or none.
  tSplitwindow* window() const { return window_; }
  void setWindow(tSplitwindow* window) { window_ = window; }
  // Shows or hides the page's surface (user-interface thread); a page
  // paints once it has been shown.
  void showSurface(bool shown);

  // Makes the page's surface; the page's class calls it before the page
  // takes its properties.
  void prepare();
  // The panes shown on this page, drawn in this order (under the page
  // surface's drawing lock).
  void addPane(tlogopane& pane);
  void removePane(tlogopane& pane);
  // Draws the pane above (after) or below (before) the other panes.
  void paneToFront(tlogopane& pane);
  void paneToBack(tlogopane& pane);

 private:
  void paintPanes(cairo_t* canvas);
  SurfaceMouse::Child paneAt(int x, int y);
  std::vector<tlogopane*> panes_;
  tSplitwindow* window_ = nullptr;
};

class tlogopane : public tcontainingcontrol, public tSurfaceOwner {
 public:
  static constexpr PixelPoint kDefaultSize{100, 100};

  const char* className() const override { return "tlogopane"; }
  void afterCreate() override;
  void beforeFree() override;
  PixelPoint defaultSize() const override { return kDefaultSize; }

  void prepare();
  // A pane loaded from a project without a background colour of its own
  // takes it from its variable bgcolour1 (or bgcolour2).
  void afterCreateHandlers(CreateMode mode) override;
  // Set when `bgColour` was given while the pane was being made.
  bool backgroundGiven = false;
  // The pixel position of the pane's upper-left corner on its page.
  PixelPoint position() const { return position_; }
  void moveTo(PixelPoint position);
  // The page the pane is shown on; while the pane is being made, the
  // nearest page on its place chain.
  tlogopage* page() const;
  // The page goes away before its panes: stop showing on it.
  void detachFromPage();

 private:
  PixelPoint position_;
  tlogopage* page_ = nullptr;
};

// The surface that drawing commands of `object` work on: its own, or that of
// the nearest page or pane on its place chain (error 87 when there is none).
tgrScreen& drawingSurfaceOf(tmultiobject& object);
// The page or pane object that owns that surface.
tmultiobject& surfaceObjectOf(tmultiobject& object);

}  // namespace lx
