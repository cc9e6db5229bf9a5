// Registering the data primitives, family by family.
#include "prims/data_primitives.h"

#include "prims/arithmetic_primitives.h"
#include "prims/localized_word_primitives.h"
#include "prims/logic_primitives.h"
#include "prims/print_primitives.h"
#include "prims/random_primitives.h"
#include "prims/read_primitives.h"
#include "prims/type_primitives.h"
#include "prims/word_list_primitives.h"

namespace lx {

void registerDataPrimitives(tLogoTab& table) {
  registerPrintPrimitives(table);
  registerReadPrimitives(table);
  registerWordListPrimitives(table);
  registerArithmeticPrimitives(table);
  registerLogicPrimitives(table);
  registerTypePrimitives(table);
  registerLocalizedWordPrimitives(table);
  registerRandomPrimitives(table);
}

}  // namespace lx
