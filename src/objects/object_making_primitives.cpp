// Making and erasing objects, and changing what they inherit: `new`,
// `.new.`, `newclass`, `newobject`, `eraseobject`, `create`,
// `addBehaviour`, `.addbehaviour`, `removeBehaviour`.
#include "core/logo_exception.h"
#include "interp/primitive_descs.h"
#include "interp/registry.h"
#include "objects/container_object.h"
#include "objects/init_list.h"
#include "objects/main_object.h"
#include "objects/object_addressing.h"
#include "objects/object_primitives.h"
#include "objects/object_resolver.h"
#include "objects/object_scope.h"
#include "values/valid_name.h"

namespace lx {
namespace {

// The name given to a new class or object: a word, or the empty word for
// a name chosen by the system.
std::string objectName(const Value& name) {
  std::string text = name->isList() && name->isEmpty() ? std::string() : name->wordText();
  if (!text.empty() && !isValidName(text)) throw eLogoException(erObjName, name);
  return text;
}

const tLogoList* initListOf(const Value& initList) {
  if (!initList->isList()) throw eLogoException(erExpectList, initList);
  return asList(*initList);
}

Value newObject(const Value& ofClass, const Value& initList) {
  initListOf(initList);
  containerOfCurrentObject().makeObject(ofClass, initList, CreateMode::RunCreate);
  return nullptr;
}

Value newLoadedObject(const Value& ofClass, const Value& initList) {
  initListOf(initList);
  containerOfCurrentObject().makeObject(ofClass, initList, CreateMode::TakeLoadValues);
  return nullptr;
}

// newclass parents name initList: parents is a class name, a list of class
// names, or the empty list (the main object alone), as a saved project
// writes them. The class is entered among the main object's named objects
// (replacing a class of the same name) before its init list is applied, so
// that the list may name it.
Value newClass(const Value& parents, const Value& name, const Value& initList) {
  const tLogoList* list = initListOf(initList);
  const tlogoobjectlist founding =
      parents->isList() && parents->isEmpty() ? tlogoobjectlist{} : resolveAddress(parents);
  const ObjectRef made(new tControlObject);
  try {
    made->init(objectName(name), founding);
    // Replacing a class by one made from it would take the new one along.
    if (tmultiobject* old = mainObject()->child(codeOf(made->name())); old && made->inheritsFrom(*old))
      throw eLogoException(erLinkLoop);
    mainObject()->enterChild(*made);
    ThreadState& state = threadState();
    ObjectFrameScope frame(state, Value(made.get()));
    applyInitList(*made, *list);
  } catch (...) {
    destroyObject(*made);
    throw;
  }
  return nullptr;
}

// newobject parents, or (newobject parents name initList): an instance with
// several founding parents, placed and named as `new` places and names one.
Value newObjectOf(tLogoStack& stack, int count) {
  if (count < 1) throw eLogoException(erNotEnoughInputs);
  if (count > 3) throw eLogoException(erTooManyInputs);
  std::vector<Value> inputs(static_cast<size_t>(count));
  for (size_t i = inputs.size(); i-- > 0;) inputs[i] = stack.take();
  const tlogoobjectlist parents =
      inputs[0]->isList() && inputs[0]->isEmpty() ? tlogoobjectlist{} : resolveAddress(inputs[0]);
  const std::string name = count > 1 ? objectName(inputs[1]) : std::string();
  const Value initList = count > 2 ? inputs[2] : Value(tLogoList::empty());
  initListOf(initList);
  containerOfCurrentObject().makeInstance(parents, name, initList, CreateMode::RunCreate);
  return nullptr;
}

// eraseobject name...: each input a name or a list of names.
Value eraseObjects(tLogoStack& stack, int count) {
  std::vector<Value> inputs(static_cast<size_t>(count));
  for (size_t i = inputs.size(); i-- > 0;) inputs[i] = stack.take();
  for (const Value& input : inputs) {
    if (const tLogoList* names = asList(*input)) {
      for (const Value& name : *names) eraseObjectNamed(currentObject(), name->nameCode());
    } else {
      eraseObjectNamed(currentObject(), input->nameCode());
    }
  }
  return nullptr;
}

Value create() {
  currentObject().createHook();
  return nullptr;
}

tmultiobject& oneObject(const Value& address) {
  const tlogoobjectlist objects = resolveAddress(address);
  if (objects.size() != 1) throw eLogoException(erNoObject, address);
  return *objects.front();
}

Value addBehaviour(const Value& behaviour) {
  currentObject().addParent(oneObject(behaviour), true);
  return nullptr;
}

Value addBehaviourQuietly(const Value& behaviour) {
  currentObject().addParent(oneObject(behaviour), false);
  return nullptr;
}

Value removeBehaviour(const Value& behaviour) {
  currentObject().removeParent(oneObject(behaviour), true);
  return nullptr;
}

}  // namespace

void registerObjectMakingPrimitives(tLogoTab& table) {
  registerPrimitive<tMainPasProcDesc2p>(table, "new", false, newObject);
  registerPrimitive<tMainPasProcDesc2p>(table, ".new.", false, newLoadedObject);
  registerPrimitive<tMainPasProcDesc3p>(table, "newclass", false, newClass);
  registerPrimitive<tMainPasProcDesc>(table, "newobject", false, 1u, newObjectOf);
  registerPrimitive<tMainPasProcDesc>(table, "eraseobject", false, 1u, eraseObjects);
  registerPrimitive<tMainPasProcDesc0p>(table, "create", false, create);
  registerPrimitive<tMainPasProcDesc1p>(table, "addBehaviour", false, addBehaviour);
  registerPrimitive<tMainPasProcDesc1p>(table, ".addbehaviour", false, addBehaviourQuietly);
  registerPrimitive<tMainPasProcDesc1p>(table, "removeBehaviour", false, removeBehaviour);
}

}  // namespace lx
