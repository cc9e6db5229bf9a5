// Frames of local variables.
#include "interp/local_tab.h"

#include "core/logo_exception.h"

namespace lx {

void tLogoLocaltab::bind(NameCode code, Value value) {
  Saved entry;
  entry.code = code;
  if (tLogoVarDesc* current = variable(code)) {
    entry.hadEntry = true;
    entry.value = std::move(current->value);
    current->value = storableValue(std::move(value));
  } else if (tLogoVarDesc* idle = tLogoVarTab::variable(code)) {
    idle->flags &= static_cast<uint8_t>(~kUnbound);
    idle->value = storableValue(std::move(value));
  } else {
    add(makeEntry(code, storableValue(std::move(value))));
  }
  saved_.push_back(std::move(entry));
  ++frameSize_;
}

void tLogoLocaltab::unbind(NameCode code) {
  if (tLogoVarDesc* desc = tLogoVarTab::variable(code)) {
    desc->flags |= kUnbound;
    desc->value = nullptr;
  }
}

void tLogoLocaltab::pushFrame(const std::vector<NameCode>& params, tLogoStack& stack) {
  Saved mark;
  mark.previousFrameSize = frameSize_;
  saved_.push_back(std::move(mark));
  frameSize_ = 0;
  ++frames_;
  for (auto it = params.rbegin(); it != params.rend(); ++it) bind(*it, stack.take());
}

void tLogoLocaltab::popFrame() {
  if (frames_ == 0) return;
  while (frameSize_ > 0) {
    Saved entry = std::move(saved_.back());
    saved_.pop_back();
    --frameSize_;
    if (entry.code == 0) continue;  // a binding cleared by unbindLocal
    if (!entry.hadEntry) {
      unbind(entry.code);
    } else if (tLogoVarDesc* current = tLogoVarTab::variable(entry.code)) {
      current->flags &= static_cast<uint8_t>(~kUnbound);
      current->value = std::move(entry.value);
    } else {
      add(makeEntry(entry.code, std::move(entry.value)));
    }
  }
  frameSize_ = saved_.back().previousFrameSize;
  saved_.pop_back();
  --frames_;
}

void tLogoLocaltab::bindLocal(NameCode code, Value value) {
  if (frames_ == 0) throw eLogoException(erWrongPlace);
  bind(code, std::move(value));
}

bool tLogoLocaltab::frameBinds(NameCode code) const {
  for (size_t i = 0; i < frameSize_; ++i)
    if (saved_[saved_.size() - 1 - i].code == code) return true;
  return false;
}

void tLogoLocaltab::bindOrSetLocal(NameCode code, Value value) {
  if (frameBinds(code)) {
    variable(code)->value = storableValue(std::move(value));
    return;
  }
  bindLocal(code, std::move(value));
}

void tLogoLocaltab::unbindLocal(NameCode code) {
  for (size_t i = 0; i < frameSize_; ++i) {
    Saved& entry = saved_[saved_.size() - 1 - i];
    if (entry.code != code) continue;
    if (!entry.hadEntry) {
      unbind(code);
    } else if (tLogoVarDesc* current = tLogoVarTab::variable(code)) {
      current->flags &= static_cast<uint8_t>(~kUnbound);
      current->value = std::move(entry.value);
    } else {
      add(makeEntry(code, std::move(entry.value)));
    }
    if (i == 0) {
      saved_.pop_back();
      --frameSize_;
    } else {
      entry = Saved{};  // leaves a cleared binding that popFrame skips
    }
    return;
  }
}

void tLogoLocaltab::rebindForTailCall(const std::vector<NameCode>& params, tLogoStack& stack) {
  if (frames_ == 0) throw eLogoException(erWrongPlace);
  for (auto it = params.rbegin(); it != params.rend(); ++it) {
    Value value = stack.take();
    if (frameBinds(*it)) {
      tLogoVarDesc* current = variable(*it);
      if (current)
        current->value = storableValue(std::move(value));
      else
        add(makeEntry(*it, storableValue(std::move(value))));
    } else {
      bind(*it, std::move(value));
    }
  }
}

}  // namespace lx
