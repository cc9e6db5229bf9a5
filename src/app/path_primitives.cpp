// The search-path primitives.
#include "app/path_primitives.h"

#include "app/path_commands.h"
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "lang/localized_codes.h"
#include "values/list_builder.h"
#include "values/pools.h"

namespace lx {
namespace {

// The folders a setpath input names: a word is one folder, a list several.
std::vector<std::string> folders(const Value& input) {
  std::vector<std::string> entries;
  if (const tLogoList* list = asList(*input)) {
    for (const Value& entry : *list) entries.push_back(entry->wordText());
  } else {
    entries.push_back(input->wordText());
  }
  return entries;
}

Value setpath(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count < 1) throw eLogoException::withPrim(erNotEnoughInputs, codeOfInternal("setpath"));
  if (count > 2) throw eLogoException::withPrim(erTooManyInputs, codeOfInternal("setpath"));
  if (count == 1)
    setPathOfProjects(folders(inputs[0]));
  else
    setPathOfKind(inputs[0], folders(inputs[1]));
  return nullptr;
}

Value path(tLogoStack& stack, int count) {
  const std::vector<Value> inputs = stack.takeInputs(count);
  if (count > 1) throw eLogoException::withPrim(erTooManyInputs, codeOfInternal("path"));
  if (count == 0) return makeWord(pathOfProjects());
  if (const tLogoList* list = asList(*inputs[0])) {
    if (list->isEmpty()) throw eLogoException(erEmptyList, inputs[0]);
    ListBuilder entries;
    for (const std::string& entry : pathEntriesOfKind(list->element())) entries.add(makeWord(entry));
    return entries.finish();
  }
  return makeWord(pathOfKind(inputs[0]));
}

}  // namespace

void registerPathPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc>(table, "setpath", false, 1u, setpath);
  registerPrimitive<tMainPasProcDesc>(table, "path", false, 0u, path);
}

}  // namespace lx
