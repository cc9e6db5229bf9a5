// The default entry points of callable descriptors.
#include "interp/proc_desc.h"

#include "core/logo_exception.h"

namespace lx {

void tProcDesc::execute(int) { throw eLogoException::withPrim(erInternExecute, name); }

void tProcDesc::asMethodCommand(tlogoobject&, int) { throw eLogoException::withPrim(erInternExecute, name); }

void tProcDesc::asMethodFunction(tlogoobject&, int) { throw eLogoException::withPrim(erInternExecute, name); }

}  // namespace lx
