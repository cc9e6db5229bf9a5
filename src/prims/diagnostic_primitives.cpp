// `.mem`, `.clpaint`, `.paintcnt`, `.paintrc` and `dormantall`.
#include "prims/diagnostic_primitives.h"

#include "interp/primitive_descs.h"
#include "interp/process_list.h"
#include "interp/registry.h"
#include "platform/memory_use.h"
#include "platform/paint_count.h"
#include "prims/main_output.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// Prints the memory in use where `print` prints.
Value mem() {
  writeMainOutput(std::to_string(residentKilobytes()) + " KB\r\n");
  return nullptr;
}

Value clpaint() {
  clearPaintCount();
  return nullptr;
}

Value paintcnt() {
  return makeNumber(static_cast<int64_t>(paintCount().paints));
}

// The window pixels painted since the count was cleared, as the list
// [left top right bottom]; the empty list when nothing was painted.
Value paintrc() {
  const PixelRect covered = paintCount().covered;
  if (covered.isEmpty()) return tLogoList::empty();
  ListBuilder rect;
  for (int edge : {covered.x, covered.y, covered.right(), covered.bottom()}) rect.add(makeInt(edge));
  return rect.finish();
}

// True when no process but the one asking is running.
Value dormantall() {
  return makeBool(allThreads().count() <= 1);
}

}  // namespace

void registerDiagnosticPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc0p>(table, ".mem", false, mem);
  registerPrimitive<tMainPasProcDesc0p>(table, ".clpaint", false, clpaint);
  registerPrimitive<tMainPasProcDesc0p>(table, ".paintcnt", false, paintcnt);
  registerPrimitive<tMainPasProcDesc0p>(table, ".paintrc", false, paintrc);
  registerPrimitive<tMainPasProcDesc0p>(table, "dormantall", false, dormantall);
}

}  // namespace lx
