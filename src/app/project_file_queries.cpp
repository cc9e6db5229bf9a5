// Asking where file names lead.
#include "app/project_file_queries.h"

#include <system_error>

#include "app/path_commands.h"
#include "app/path_resolver.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "values/pools.h"

namespace lx {
namespace {

// folder? name: whether the name, taken as it is, leads to a folder.
Value isFolder(const Value& name) {
  const ResolvedPath resolved = resolvePath(fkAny, name->wordText(), rfNoDefaultExtension);
  std::error_code error;
  return makeBool(!resolved.isClipboard && std::filesystem::is_directory(resolved.path, error));
}

// expandfilename name: the full path the name stands for.
Value expandFileName(const Value& name) {
  return makeWord(resolvePath(fkAny, name->wordText(), rfNoDefaultExtension).text());
}

// loadpath name, or (loadpath name kind): where a file of that kind (a
// project when none is given) is found for loading; where it would be
// looked for first when there is none.
Value loadPath(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 2) throw eLogoException(erTooManyInputs);
  const FileKind kind = count == 2 ? kindOfWord(inputs[1]) : fkProject;
  return makeWord(resolvePath(kind, inputs[0]->wordText(), rfMustExist).text());
}

Value refuseWriting(const Value&) {
  throw eLogoException(erNoSave);
}

// The project is never marked changed here: `.changed?` always answers false.
Value setChanged(const Value&) {
  return nullptr;
}

}  // namespace

void registerFileQueryPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc1p>(table, "folder?", false, isFolder);
  registerPrimitive<tMainPasProcDesc1p>(table, "expandfilename", false, expandFileName);
  registerPrimitive<tMainPasProcDesc>(table, "loadpath", false, 1u, loadPath);
  registerPrimitive<tMainPasProcDesc1p>(table, "savetable", false, refuseWriting);
  registerPrimitive<tMainPasProcDesc1p>(table, ".setchanged", false, setChanged);
}

}  // namespace lx
