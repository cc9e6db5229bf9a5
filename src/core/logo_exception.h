// eLogoException: a run-time error of Logo code, carrying its error code,
// the offending value and where it happened, on its way up to the process
// that reports it.
#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

#include "core/error_codes.h"
#include "core/name_codes.h"
#include "core/value.h"

namespace lx {

class tlogoobject;

// What kind of code was running when an error arose; each name is also a
// key of the interface dictionary's "ErrorCaptions" section.
enum tInprocType : uint8_t {
  ipNone, ipProc, ipEvent, ipMenu, ipMCINotify, ipVoiceMenu, ipKeyMenu, ipNetworkRun,
  ipInitialLoad, ipINILoad, ipLaunch, ipForever, ipTreeAction, ipEvery, ipAfter,
  ipAutoDrag, ipClearClick, ipStartup, ipCleaning, ipCode, ipLoadFile,
};

// The base of every exception that travels through Logo code: one message text.
class eLogoBase : public std::exception {
 public:
  explicit eLogoBase(std::string message) : message(std::move(message)) {}
  const char* what() const noexcept override { return message.c_str(); }
  std::string message;
};

class eLogoException : public eLogoBase {
 public:
  // Each constructor takes the message template of `code` from the interface
  // dictionary; the placeholders are filled in when the error is shown.
  explicit eLogoException(errorConst code);
  eLogoException(errorConst code, Value value);
  eLogoException(errorConst code, int32_t a, int32_t b, Value value);

  // A literal message (code erUser, as `throwerror` raises).
  static eLogoException withMessage(std::string text, Value value);
  // The value is a new word made of `text`.
  static eLogoException withWord(errorConst code, std::string_view text);
  // The offending name, by code (when there is no value to show).
  static eLogoException withName(errorConst code, NameCode name);
  // The procedure or primitive that was being called.
  static eLogoException withPrim(errorConst code, NameCode prim);
  static eLogoException withPrim(errorConst code, std::string prim);

  std::string extraText;             // #F
  std::string procName;              // #P
  const tlogoobject* procOwner = nullptr;  // owner of that procedure, not held; none = main object
  tInprocType inprocType = ipNone;
  int32_t line = -1;                 // #L; negative when no line applies
  std::string primName;              // #p
  Value value;                       // #H, #c, #h
  NameCode nameCode = 0;             // #H when there is no value
  int32_t numberA = 0, numberB = 0;  // #a, #b
  bool expanded = false;
  errorConst code;
  std::vector<int32_t> trace;        // innermost instruction position first
};

// The message template of an error code, from the interface dictionary.
std::string errorTemplate(errorConst code);

// What the layers above lend the errors: the language layer the message
// templates of the interface dictionary, the values layer the words that
// `withWord` makes. Without them a template is the error's name and the
// text goes to `extraText`.
using ErrorTemplateSource = std::string (*)(errorConst code);
using ErrorWordMaker = Value (*)(std::string_view text);
void setErrorTemplateSource(ErrorTemplateSource source);
void setErrorWordMaker(ErrorWordMaker maker);

}  // namespace lx
