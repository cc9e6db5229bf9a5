// The main object's primitive table, group by group.
#include "prims/global_primitives.h"

#include "interp/exit_descs.h"
#include "interp/registry.h"
#include "interp/value_class_tables.h"
#include "prims/catch_primitives.h"
#include "prims/clock_primitives.h"
#include "prims/control_primitives.h"
#include "prims/data_primitives.h"
#include "prims/diagnostic_primitives.h"
#include "prims/higher_order_primitives.h"
#include "prims/inert_primitives.h"
#include "prims/process_primitives.h"
#include "prims/reduced_path.h"
#include "prims/variable_primitives.h"

namespace lx {

void registerGlobalPrimitives(tLogoTab& table) {
  registerOperators(table);
  registerPrimitive<tOutput>(table, "output");
  registerPrimitive<tStop>(table, "stop");
  registerCatchPrimitives(table);
  registerClockPrimitives(table);
  registerControlPrimitives(table);
  registerHigherOrderPrimitives(table);
  registerVariablePrimitives(table);
  registerDataPrimitives(table);
  registerInertPrimitives(table);
  registerProcessPrimitives(table);
  registerDiagnosticPrimitives(table);
  registerReducedPath(table);
}

}  // namespace lx
