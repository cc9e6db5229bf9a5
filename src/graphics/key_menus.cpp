// Running key menus.
#include "graphics/key_menus.h"

#include "core/logo_exception.h"
#include "graphics/logo_page.h"
#include "graphics/window_object.h"
#include "interp/logo_process.h"
#include "objects/key_menu_property.h"
#include "objects/object_registry.h"
#include "objects/property_table.h"

namespace lx {
namespace {

bool acceptsKeyMenus(tSplitwindow& window) {
  const Value accepts = window.storedProperty(prop::kAcceptKeyMenu);
  return !accepts || !accepts->isBool() || accepts->asBool();
}

void checkKeyMenu(const Value& value) {
  parseKeyMenu(value);
}

}  // namespace

void installKeyMenuCheck() {
  setKeyMenuCheck(checkKeyMenu);
}

// The bindings of the window's objects, in the order the objects were made.
// A value that no longer reads (it came from a file) binds nothing.
std::vector<KeyMenus::Entry> KeyMenus::table() const {
  std::vector<Entry> entries;
  for (tmultiobject* object = firstObject(); object; object = object->identity().next()) {
    if (!object->alive()) continue;
    const Value menu = object->storedProperty(prop::kKeyMenu);
    if (!menu || menu->isEmpty() || windowOf(*object) != window_) continue;
    try {
      for (KeyBinding& binding : parseKeyMenu(menu)) entries.push_back({std::move(binding), object});
    } catch (const eLogoException&) {
    }
  }
  return entries;
}

// Along the object's places: the first page met is the window's shown page,
// or the window comes first.
bool KeyMenus::shown(tmultiobject& object) const {
  for (tmultiobject* at = &object; at; at = at->place()) {
    if (at->isPage()) return at == window_->currentPage();
    if (at->isWindow()) return true;
  }
  return false;
}

bool KeyMenus::offer(const LogoKey& key) {
  if (!window_ || !acceptsKeyMenus(*window_)) return false;
  bool taken = false;
  for (const Entry& entry : table())
    if (keyMatches(entry.binding.key, key) && shown(*entry.object)) taken = true;
  if (taken) handle(key);
  return taken;
}

size_t KeyMenus::handle(const LogoKey& key) {
  std::vector<ProcessStart> starts;
  {
    std::lock_guard lock(mutex_);
    if (running_ > 0) {
      waiting_.push(key);
      return 1;
    }
    const tmultiobject* previous = nullptr;
    for (const Entry& entry : table()) {
      if (!keyMatches(entry.binding.key, key) || entry.object == previous || !shown(*entry.object)) continue;
      previous = entry.object;
      ProcessStart start;
      start.name = "@" + entry.object->name() + "keymenu";
      start.kind = ipKeyMenu;
      start.object = Value(entry.object);
      start.list = entry.binding.instructions;
      // The count is dropped by the notification, so the notification must
      // not go with the object (erasing it drops its notifications).
      start.endNotification = [self = shared_from_this()] { self->processEnded(); };
      starts.push_back(std::move(start));
    }
    running_ = starts.size();
  }
  size_t started = 0;
  for (ProcessStart& start : starts) {
    try {
      tLogoprocess::start(std::make_shared<tLogoprocess>(std::move(start)));
      ++started;
    } catch (const std::exception&) {
      // A process that could not start never ends: it must not hold the
      // keys that come after it.
      std::lock_guard lock(mutex_);
      --running_;
    }
  }
  return started;
}

// A waiting key whose objects are no longer shown starts nothing; the next
// one gets its turn at once.
void KeyMenus::processEnded() {
  {
    std::lock_guard lock(mutex_);
    if (running_ > 0) --running_;
  }
  for (;;) {
    std::optional<LogoKey> next;
    {
      std::lock_guard lock(mutex_);
      if (running_ == 0) next = waiting_.pop();
    }
    // Once the window has gone, the waiting keys go with it.
    if (!next || !window_ || handle(*next) > 0) return;
  }
}

size_t KeyMenus::running() {
  std::lock_guard lock(mutex_);
  return running_;
}

size_t KeyMenus::waiting() {
  std::lock_guard lock(mutex_);
  return waiting_.size();
}

void KeyMenus::clear() {
  std::lock_guard lock(mutex_);
  waiting_.clear();
}

}  // namespace lx
