// Guests docked to the edges of their host window (tool bars), and the area
// they leave free for the other guests.
#include <algorithm>

#include "platform/platform_window.h"

namespace lx {
namespace {

// The top bars take their room first, then the bottom, left and right ones.
int edgeRank(DockEdge edge) {
  return static_cast<int>(edge);
}

bool horizontal(DockEdge edge) {
  return edge == DockEdge::Top || edge == DockEdge::Bottom;
}

}  // namespace

void PlatformWindow::setDock(DockEdge edge, int order) {
  ui_.requireCurrent("PlatformWindow::setDock");
  if (edge == dockEdge_ && order == dockOrder_) return;
  auto host = host_.lock();
  if (host) host->invalidate(areaInHost());
  dockEdge_ = edge;
  dockOrder_ = order;
  if (host) {
    host->layOutDocked();
    host->invalidateAll();
  }
}

PixelRect PlatformWindow::freeArea() const {
  const int width = std::max(0, clientWidth() - freeInsets_.x - freeInsets_.width);
  const int height = std::max(0, clientHeight() - freeInsets_.y - freeInsets_.height);
  return {freeInsets_.x, freeInsets_.y, width, height};
}

void PlatformWindow::hostLayOut() {
  if (dockEdge_ == DockEdge::None) return;
  if (auto host = host_.lock()) host->layOutDocked();
}

// Each docked guest in turn takes a strip of its thickness from the side of
// what is still free; a guest is stretched to the strip's length (which
// runs its resize handler, so its contents follow). The guests that are not
// docked move with the free area, so the whole client area is repainted.
void PlatformWindow::layOutDocked() {
  if (layingOut_) return;
  layingOut_ = true;
  std::vector<std::shared_ptr<PlatformWindow>> docked;
  for (const auto& weak : guests_)
    if (auto guest = weak.lock(); guest && guest->visible_ && guest->dockEdge_ != DockEdge::None)
      docked.push_back(std::move(guest));
  std::stable_sort(docked.begin(), docked.end(), [](const auto& a, const auto& b) {
    if (a->dockEdge_ != b->dockEdge_) return edgeRank(a->dockEdge_) < edgeRank(b->dockEdge_);
    return a->dockOrder_ < b->dockOrder_;
  });
  PixelRect free{0, 0, clientWidth(), clientHeight()};
  for (const auto& guest : docked) {
    const DockEdge edge = guest->dockEdge_;
    const int thickness = horizontal(edge) ? guest->clientHeight() : guest->clientWidth();
    const int length = std::max(1, horizontal(edge) ? free.width : free.height);
    PixelRect strip;
    switch (edge) {
      case DockEdge::Top:
        strip = {free.x, free.y, length, thickness};
        free.y += thickness;
        free.height -= thickness;
        break;
      case DockEdge::Bottom:
        strip = {free.x, free.y + free.height - thickness, length, thickness};
        free.height -= thickness;
        break;
      case DockEdge::Left:
        strip = {free.x, free.y, thickness, length};
        free.x += thickness;
        free.width -= thickness;
        break;
      default:
        strip = {free.x + free.width - thickness, free.y, thickness, length};
        free.width -= thickness;
        break;
    }
    free.width = std::max(0, free.width);
    free.height = std::max(0, free.height);
    guest->dockArea_ = strip;
    guest->setClientSize(strip.width, strip.height);
  }
  freeInsets_ = {free.x, free.y, clientWidth() - free.x - free.width, clientHeight() - free.y - free.height};
  layingOut_ = false;
  invalidateAll();
}

}  // namespace lx
