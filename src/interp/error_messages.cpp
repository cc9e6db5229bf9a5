// Placeholder expansion, captions and annotation of Logo errors.
#include "interp/error_messages.h"

#include "lang/interface_dictionary.h"
#include "core/value.h"

namespace lx {
namespace {

OwnerNamer& ownerNamer() {
  static OwnerNamer namer;
  return namer;
}

// Printing a value into a message never fails outward.
std::string valueText(const eLogoException& e, bool showForm) {
  if (!e.value) return e.nameCode ? nameOf(e.nameCode) : "<nil>";
  try {
    return showForm ? e.value->showText() : e.value->printText(0);
  } catch (...) {
    return "????";
  }
}

std::string procedureText(const eLogoException& e) {
  if (!e.procOwner || !ownerNamer()) return e.procName;
  const std::string owner = ownerNamer()(e.procOwner);
  return owner.empty() ? e.procName : owner + "'" + e.procName;
}

constexpr std::string_view kInprocNames[] = {
    "ipNone",      "ipProc",        "ipEvent",   "ipMenu",       "ipMCINotify", "ipVoiceMenu", "ipKeyMenu",
    "ipNetworkRun", "ipInitialLoad", "ipINILoad", "ipLaunch",     "ipForever",   "ipTreeAction", "ipEvery",
    "ipAfter",     "ipAutoDrag",    "ipClearClick", "ipStartup", "ipCleaning",  "ipCode",      "ipLoadFile",
};

}  // namespace

std::string_view inprocTypeName(tInprocType kind) {
  return kind < std::size(kInprocNames) ? kInprocNames[kind] : "ipNone";
}

std::string expandMessage(const eLogoException& e, std::string_view templ) {
  std::string out;
  out.reserve(templ.size() + 32);
  for (size_t i = 0; i < templ.size(); ++i) {
    if (templ[i] != '#') {
      out += templ[i];
      continue;
    }
    if (i + 1 == templ.size()) {
      out += '#';
      break;
    }
    const char placeholder = templ[++i];
    switch (placeholder) {
      case 'F': out += e.extraText; break;
      case 'H': out += valueText(e, true); break;
      case 'c':
      case 'h': out += valueText(e, false); break;
      case 'L': out += std::to_string(e.line); break;
      case 'P': out += procedureText(e); break;
      case 'a': out += std::to_string(e.numberA); break;
      case 'b': out += std::to_string(e.numberB); break;
      case 'p': out += e.primName; break;
      default:
        out += '#';
        out += placeholder;
    }
  }
  return out;
}

void expandOnce(eLogoException& e) {
  if (e.expanded) return;
  e.message = expandMessage(e, e.message);
  e.expanded = true;
}

std::string breakFirstLine(const eLogoException& e, std::string_view separator) {
  std::string text = e.message;
  const size_t at = text.find("\r\n");
  if (at != std::string::npos) text.replace(at, 2, separator);
  return text;
}

std::string captionFor(const eLogoException& e, std::string_view errorTemplate) {
  if (e.inprocType == ipNone) return expandMessage(e, errorTemplate);
  if (e.inprocType == ipProc && e.line < 0) return expandMessage(e, interfaceLookup("ErrorCaptions", "errorinproc"));
  return expandMessage(e, interfaceLookup("ErrorCaptions", inprocTypeName(e.inprocType)));
}

void annotate(eLogoException& e, NameCode procedure, const tlogoobject* owner, int32_t line, tInprocType kind) {
  if (!e.procName.empty()) return;
  if (procedure != 0) {
    e.procOwner = owner;
    e.procName = nameOf(procedure);
  }
  e.inprocType = kind;
  e.line = line;
}

void annotatePrim(eLogoException& e, NameCode name) {
  if (e.primName.empty()) e.primName = nameOf(name);
}

void setOwnerNamer(OwnerNamer namer) { ownerNamer() = std::move(namer); }

}  // namespace lx
