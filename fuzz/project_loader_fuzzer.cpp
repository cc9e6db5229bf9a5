// Feeds arbitrary bytes to the project loader as a project file: the
// container walk (language, icon, images, text chunks, compressed data),
// then the text split into instructions and run in an object world that
// has the object primitives but none that touch files. Beyond not crashing,
// every failure must be a Logo error or the stream read error; a yield
// budget ends runaway code, so no input hangs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/project_loader.h"
#include "app/project_primitives.h"
#include "app/project_reset.h"
#include "app/project_text_splitter.h"
#include "app/search_paths.h"
#include "core/control_exceptions.h"
#include "core/logo_exception.h"
#include "interp/thread_state.h"
#include "interp/value_class_tables.h"
#include "interp/yield_point.h"
#include "lang/container_lookup.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "lang/localized_codes.h"
#include "lang/project_file_reader.h"
#include "objects/main_object.h"
#include "core/name_codes.h"
#include "objects/object_primitives.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"
#include "platform/message_box.h"
#include "values/cell_pool.h"
#include "values/pools.h"

namespace {

using namespace lx;

constexpr int kYieldBudget = 20000;
// Every name ever read stays interned, and tables are indexed by name code,
// so a long session makes every new table span more codes: the world is
// built afresh, names and all, now and then.
constexpr int kRunsPerWorld = 1000;
constexpr int kDepthBudget = 200;
int yieldsLeft = 0;

// Primitives of the project world that read or write files stay out.
void registerFuzzWorld(tLogoTab& table) {
  registerObjectPrimitives(table);
  registerProjectPrimitives(table);
  for (const char* name : {"save", ".save", "load", ".load", "loadproject"})
    table.eraseEntry(codeOfInternal(name));
}

void walkContainer(const std::string& bytes) {
  try {
    std::istringstream in(bytes);
    readLanguage(in);
    std::istringstream icon(bytes);
    readIcon(icon);
    std::istringstream text(bytes);
    findTextChunk(text, 1);
  } catch (const eLogoBase&) {
  }
}

void loadText(const std::string& text) {
  try {
    ProjectLoad load;
    load.text = text;
    loadProjectText(load);
  } catch (const eLogoBase&) {
  }
}

void buildWorld() {
  stopObjectModel();
  initNameCodes();
  initValueClassTables();
  startObjectModel(registerFuzzWorld);
  markSystemObjectsMade();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setMessageBoxEcho(false);
  selectLanguage("english");
  selectInterfaceLanguage("english");
  initValuePools();
  initCellPool();
  setLogoProcessThread(true);
  initFilePaths();
  buildWorld();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static ScopedThreadState state;
  if (!state.state().yieldWatch) {
    state.state().yieldWatch = [](ThreadState& watched) {
      if (--yieldsLeft < 0 || watched.runDepth > kDepthBudget) throw eLogoException(erStackOverflow);
    };
  }
  static int runs = 0;
  if (++runs % kRunsPerWorld == 0) buildWorld();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  walkContainer(bytes);
  ProjectFileContents contents;
  try {
    std::istringstream in(bytes);
    contents = readProjectFile(in);
  } catch (const eLogoBase&) {
    return 0;
  }
  yieldsLeft = kYieldBudget;
  loadText(contents.text);
  state.state().stack.clearAll();
  resetProjectWorld();
  clearShownMessages();  // the record of message boxes would grow run after run
  return 0;
}
