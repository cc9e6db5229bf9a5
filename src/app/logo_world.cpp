// The Logo world of the console and the runtime.
#include "app/logo_world.h"

#include "app/console_page.h"
#include "app/desktop_primitives.h"
#include "app/dialog_files.h"
#include "app/media_lookup.h"
#include "app/net_object_text.h"
#include "app/option_primitives.h"
#include "app/path_primitives.h"
#include "app/picture_files.h"
#include "app/project_primitives.h"
#include "app/search_paths.h"
#include "controls/controls_classes.h"
#include "controls/dialog_sources.h"
#include "graphics/graphics_classes.h"
#include "interp/procedure_resolver.h"
#include "interp/scheduler.h"
#include "interp/value_class_tables.h"
#include "lang/dictionary.h"
#include "lang/interface_dictionary.h"
#include "media/speech.h"
#include "net/net_classes.h"
#include "objects/object_primitives.h"
#include "objects/object_registry.h"
#include "objects/object_world.h"
#include "prims/global_primitives.h"
#include "values/pools.h"

namespace lx {

bool buildLogoWorld(const std::string& language) {
  if (!selectLanguage(language)) return false;
  selectInterfaceLanguage(currentLanguage());
  initFilePaths();
  installPictureFiles();
  installDialogFiles();
  setVoiceNameSource(speechVoiceNames);
  initValuePools();
  initValueClassTables();
  tMainLogoObject& main = startObjectModel([](tLogoTab& table) {
    registerGlobalPrimitives(table);
    registerPathPrimitives(table);
    registerProjectPrimitives(table);
    registerOptionPrimitives(table);
    registerObjectPrimitives(table);
    registerMediaPrimitives(table);
    registerDesktopPrimitives(table);
  });
  registerGraphicsClasses(main);
  registerControlClasses(main);
  registerNetClasses(main, netObjectText());
  markSystemObjectsMade();
  return true;
}

void takeDownLogoWorld() {
  InterpreterLockScope locked;
  forgetConsoleWindow();
  forgetOptionValues();
  stopObjectModel();
}

}  // namespace lx
