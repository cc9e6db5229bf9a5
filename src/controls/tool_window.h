// ttoolwindow: a tool bar — a container of buttons and other controls that
// is docked to one edge of its window. It owns a drawing surface like a
// page; the window's panel lays the bar out along its edge, stretched to
// the free length, and the page shown takes what the bars leave. Bars at
// the same edge stand in the order of their `order`, lower nearer the edge.
//
// Threads: the docking happens on the user-interface thread (properties run
// there as protected work, under the interpreter lock).
#pragma once

#include "graphics/surface_owner.h"
#include "objects/container_object.h"
#include "platform/platform_window.h"

namespace lx {

class tSplitwindow;

class ttoolwindow : public tcontainerobject, public tSurfaceOwner {
 public:
  // A bar along the top: the thickness of one row of buttons with a margin.
  static constexpr PixelPoint kDefaultSize{400, 34};
  // The edges, as `align` stores them.
  enum class Align : uint8_t { Top = 1, Bottom, Left, Right };

  const char* className() const override { return "ttoolwindow"; }
  PixelPoint defaultSize() const override { return kDefaultSize; }
  // Makes the surface; the class calls it before the bar takes its properties.
  void prepare();
  void afterCreate() override;
  void beforeFree() override;

  Align align() const { return align_; }
  // Docks the bar at another edge. Turning between a horizontal edge and a
  // vertical one keeps the bar's thickness across it and raises
  // `onTurnToolBar` once the bar stands at its new edge.
  void setAlign(Align align);
  int order() const { return order_; }
  void setOrder(int order);
  // The window the bar is docked in, or none before it is made and after.
  tSplitwindow* window() const { return window_; }

 private:
  void dock(bool turning = false);
  DockEdge edge() const;

  Align align_ = Align::Top;
  int order_ = 0;
  tSplitwindow* window_ = nullptr;
};

bool isHorizontal(ttoolwindow::Align align);

}  // namespace lx
