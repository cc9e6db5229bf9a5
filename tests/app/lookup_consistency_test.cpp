// What a name resolves to stays right through every change that can alter
// it. Many seeded sequences of changes (procedures, events and variables
// defined, set and erased in every kind of table, behaviours and parents
// added and removed, objects made, copied and erased, places changed, projects
// loaded), each followed by lookups through instruction lists that stay
// compiled all along, and so remember what their names meant, and through
// the thread's remembered variable bindings and property places, compared
// with lookups that walk the parent graph afresh and trust no chain or
// remembered resolution.
#include <algorithm>
#include <random>
#include <unordered_set>

#include "app/project_loader.h"
#include "interp/evaluator.h"
#include "interp/logo_proc_desc.h"
#include "interp/procedure_resolver.h"
#include "interp/scheduler.h"
#include "objects/object_scope.h"
#include "objects/property_codes.h"
#include "objects/property_declaration.h"
#include "project_world.h"
#include "values/reader.h"

namespace lx::testing {
namespace {

constexpr int kNames = 4;
constexpr int kSeeds = 40;
constexpr int kSteps = 60;

template <class T>
void keepLast(std::vector<T*>& items) {
  std::unordered_set<T*> seen;
  std::vector<T*> kept;
  for (auto it = items.rbegin(); it != items.rend(); ++it)
    if (seen.insert(*it).second) kept.push_back(*it);
  items.assign(kept.rbegin(), kept.rend());
}

// The tables of one kind searched for `object`, from the parent graph
// alone: own table, behaviours, founding parents, then (unless left out)
// the place; a table reached twice is kept at its last place.
template <class Table>
std::vector<Table*> freshChain(const tmultiobject& object, Table* (*own)(const tmultiobject&),
                               bool withPlace) {
  std::vector<Table*> chain{own(object)};
  auto take = [&](const tmultiobject& from) {
    const std::vector<Table*> more = freshChain(from, own, withPlace);
    chain.insert(chain.end(), more.begin(), more.end());
  };
  for (size_t i = object.firstParentCount(); i < object.parents().size(); ++i) take(*object.parents()[i]);
  for (size_t i = 0; i < object.firstParentCount() && i < object.parents().size(); ++i)
    take(*object.parents()[i]);
  if (withPlace && object.place()) take(*object.place());
  keepLast(chain);
  return chain;
}

std::vector<tLogoTab*> freshProcedureChain(const tmultiobject& object) {
  return freshChain<tLogoTab>(
      object, [](const tmultiobject& o) { return &o.procedures(); }, true);
}

// The event tables: as the procedures, without the place.
std::vector<tLogoEventTab*> freshEventChain(const tmultiobject& object) {
  return freshChain<tLogoEventTab>(
      object, [](const tmultiobject& o) { return &o.events(); }, false);
}

// The variable tables searched before the global ones: as the procedures.
std::vector<tLogoVarTab*> freshVariableChain(const tmultiobject& object) {
  return freshChain<tLogoVarTab>(
      object, [](const tmultiobject& o) { return &o.variables(); }, true);
}

// What `:name` reads from `object`: its chain up to the global variables
// (a property there is read through its routines, never as a variable),
// then the global variable.
std::string expectedVariable(const tmultiobject& object, NameCode code) {
  const tLogoVarDesc* found = nullptr;
  if (&object != mainObject()) {
    for (tLogoVarTab* table : freshVariableChain(object)) {
      if (table == &mainObject()->variables()) break;
      if (const auto* entry = static_cast<const tLogoVarDesc*>(table->findOrNull(code))) {
        if (!entry->isProperty) found = entry;
        break;
      }
    }
  }
  if (!found) found = globalVariables().variable(code);
  return found && found->value ? found->value->printText() : "novalue";
}

// The tag a test procedure outputs ("none" when the name finds nothing).
std::string tagOf(const tTabDesc* desc) {
  const auto* procedure = dynamic_cast<const tLogoProcDesc*>(desc);
  if (!procedure) return "none";
  const std::string text = procedure->definitionList()->showText(0);
  const size_t at = text.find("tag");
  return text.substr(at, text.find_first_of(" ]", at) - at);
}

class LookupConsistency : public ProjectTest {
 protected:
  // A living object's name; once a complete erase has taken them all, a
  // name nothing answers to (the change then fails, as Logo code would).
  std::string pick(const std::vector<std::string>& from) {
    return from.empty() ? "gone" : from[random_() % from.size()];
  }
  std::string name() { return "p" + std::to_string(random_() % kNames); }
  std::string variable() { return "v" + std::to_string(random_() % kNames); }
  std::string tag() { return "tag" + std::to_string(++tags_); }

  // Every object the test made that is still there, classes first.
  std::vector<std::string> living(bool classes, bool instances) {
    std::vector<std::string> names;
    for (const std::string& n : made_) {
      tmultiobject* o = object(n);
      if (o && o->alive() && ((classes && !o->isInstance()) || (instances && o->isInstance())))
        names.push_back(n);
    }
    return names;
  }

  void change() {
    const std::vector<std::string> all = living(true, true);
    const std::vector<std::string> instances = living(false, true);
    const std::string body = " [[] [output \"" + tag() + "]]";
    switch (random_() % 20) {
      case 0:
        errorOf("define \"" + name() + body);
        break;
      case 1:
        errorOf("erase \"" + name());
        break;
      case 2:
        errorOf("ask \"" + pick(all) + " [define \"" + name() + body + "]");
        break;
      case 3:
        errorOf("ask \"" + pick(all) + " [erase \"" + name() + "]");
        break;
      case 4:
        errorOf("ask \"" + pick(all) + " [addbehaviour \"" + pick(all) + "]");
        break;
      case 5:
        errorOf("ask \"" + pick(all) + " [removebehaviour \"" + pick(all) + "]");
        break;
      case 6: {
        const std::string made = "o" + std::to_string(++objects_);
        if (errorOf("new \"" + pick(all) + " [name " + made + "]") == erUnexpected) made_.push_back(made);
        break;
      }
      case 7:
        if (all.size() > 4) errorOf("eraseobject \"" + pick(all));
        break;
      case 8:
        errorOf("ask \"" + pick(all) + " [setevent \"onClick [output \"" + tag() + "]]");
        break;
      case 9:
        errorOf("ask \"" + pick(all) + " [eraseevent \"onClick]");
        break;
      case 10:
        movePlace(instances, all);
        break;
      case 11: {
        // A copy takes the original's own procedures, handlers and behaviours.
        const std::string made = "o" + std::to_string(++objects_);
        if (errorOf("clone \"" + pick(all) + " \"" + made) == erUnexpected) made_.push_back(made);
        break;
      }
      case 12:
        if (all.size() > 4) errorOf("erasecomplete \"" + pick(all));
        break;
      case 13:
        errorOf("ask \"" + pick(all) + " [changeme]");
        break;
      case 14:
        errorOf("make \"" + variable() + " \"" + tag());
        break;
      case 15:
        errorOf("ask \"" + pick(all) + " [make \"" + variable() + " \"" + tag() + "]");
        break;
      case 16:
        errorOf("ask \"" + pick(all) + " [haveown \"" + variable() + " \"" + tag() + "]");
        break;
      case 17:
        errorOf("ask \"" + pick(all) + " [havecommon \"" + variable() + " \"" + tag() + "]");
        break;
      case 18:
        errorOf("erase \"" + variable());
        break;
      default:
        load();
    }
  }

  void movePlace(const std::vector<std::string>& instances, const std::vector<std::string>& all) {
    if (instances.empty()) return;
    tmultiobject* moved = object(pick(instances));
    tmultiobject* place = random_() % 3 == 0 ? mainObject() : object(pick(all));
    InterpreterLockScope locked;
    try {
      moved->setPlace(place);
    } catch (const eLogoException&) {
      // A place inside the object itself is refused and changes nothing.
    }
  }

  void load() {
    const std::string made = "o" + std::to_string(++objects_);
    ProjectLoad load;
    load.text = "define \"" + name() + " [[] [output \"" + tag() + "]]\r\n\r\nnew \"" + made_.front() +
                " [name " + made + " define'" + name() + " [[] [output \"" + tag() + "]]]\r\n";
    InterpreterLockScope locked;
    try {
      loadProjectText(load);
      made_.push_back(made);
    } catch (const eLogoException&) {
      // The class the text names may be gone.
    }
  }

  // Looks every name up from every object both ways.
  void compareLookups(int seed, int step) {
    InterpreterLockScope locked;
    ThreadState& state = threadState();
    std::vector<tmultiobject*> from{mainObject()};
    for (const std::string& n : living(true, true)) from.push_back(object(n));
    for (tmultiobject* o : from) {
      const std::vector<tLogoTab*> chain = freshProcedureChain(*o);
      for (int k = 0; k < kNames; ++k) {
        const NameCode code = codeOf("p" + std::to_string(k));
        const tTabDesc* expected = nullptr;
        for (tLogoTab* table : chain)
          if ((expected = table->findOrNull(code))) break;
        std::string got;
        {
          CurrentObjectScope current(state, Value(o));
          try {
            const Value v = evaluateValue(*probes_[k]);
            got = v ? v->printText() : "nothing";
          } catch (const eLogoException& e) {
            got = e.code == erDoNotKnowHowTo ? "none" : "error " + std::to_string(e.code);
          }
        }
        ASSERT_EQ(got, tagOf(expected))
            << "seed " << seed << " step " << step << ": p" << k << " from " << o->name();
        const NameCode variableCode = codeOf("v" + std::to_string(k));
        {
          CurrentObjectScope current(state, Value(o));
          try {
            got = evaluateValue(*variableProbes_[k])->printText();
          } catch (const eLogoException& e) {
            got = e.code == erNoVal ? "novalue" : "error " + std::to_string(e.code);
          }
        }
        ASSERT_EQ(got, expectedVariable(*o, variableCode))
            << "seed " << seed << " step " << step << ": :v" << k << " from " << o->name();
      }
      for (const int code : {prop::kHeading, prop::kBgColour}) {
        PropertyPlace remembered{nullptr, nullptr};
        PropertyPlace fresh{nullptr, nullptr};
        {
          CurrentObjectScope current(state, Value(o));
          try {
            remembered = propertyPlace(code);
          } catch (const eLogoException&) {
          }
        }
        try {
          fresh = propertyPlaceAfresh(*o, code);
        } catch (const eLogoException&) {
        }
        ASSERT_EQ(remembered.holder, fresh.holder) << "seed " << seed << " step " << step << ": property "
                                                   << code << " of " << o->name();
        ASSERT_EQ(remembered.desc, fresh.desc) << "seed " << seed << " step " << step << ": property " << code
                                               << " of " << o->name();
      }
      const NameCode poke = codeOf("onClick");
      Value expectedHandler;
      for (tLogoEventTab* table : freshEventChain(*o))
        if (const auto* entry = static_cast<const tLogoVarDesc*>(table->findOrNull(poke))) {
          expectedHandler = entry->value;
          break;
        }
      ASSERT_EQ(o->eventHandler(poke).get(), expectedHandler.get())
          << "seed " << seed << " step " << step << ": onClick of " << o->name();
    }
  }

  void runSeed(int seed) {
    random_.seed(static_cast<unsigned>(seed));
    probes_.clear();
    restart();
    run("newclass [] \"c0 [] newclass [] \"c1 [] newclass [] \"b0 [] newclass [] \"b1 []");
    run("new \"c0 [name o0] new \"c1 [name o1]");
    made_ = {"c0", "c1", "b0", "b1", "o0", "o1"};
    {
      // Properties to find: one of c0's kind, one that objects standing
      // on (placed in) one made from b1 find there.
      InterpreterLockScope locked;
      declareProperty(*object("c0"), prop::kHeading, nullptr, nullptr, DeclaredOn::Prototype);
      declareProperty(*object("b1"), prop::kBgColour, nullptr, nullptr, DeclaredOn::Prototype);
    }
    // Lists compiled once for the whole sequence: their tokens remember
    // what the names resolved to.
    probes_.clear();
    variableProbes_.clear();
    for (int k = 0; k < kNames; ++k) {
      probes_.push_back(readList("p" + std::to_string(k)));
      variableProbes_.push_back(readList(":v" + std::to_string(k)));
    }
    for (int step = 0; step < kSteps; ++step) {
      change();
      compareLookups(seed, step);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }

  std::mt19937 random_;
  std::vector<Ref<tLogoList>> probes_;
  std::vector<Ref<tLogoList>> variableProbes_;
  std::vector<std::string> made_;
  int tags_ = 0;
  int objects_ = 1;
};

TEST_F(LookupConsistency, RememberedResolutionsFollowEveryChange) {
  for (int seed = 1; seed <= kSeeds; ++seed) {
    runSeed(seed);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace lx::testing
