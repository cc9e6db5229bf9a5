// The exceptions that carry non-local exits rather than errors: `throw` to a
// catching tag, `output` leaving a procedure, and the end of a process or of
// a melody being played.
#pragma once

#include <string>

#include "core/logo_exception.h"

namespace lx {

// `throw` to a tag that a running `catch` waits for. If nothing catches it,
// it reads as error 40 naming the tag.
class ethrow : public eLogoException {
 public:
  explicit ethrow(std::string tag) : eLogoException(withWord(erNoCatch, tag)), tag(std::move(tag)) {}
  std::string tag;  // lower-cased
};

// The end of a process. `selfEnded` is true when the process ends itself
// (`stopme`, cancelling itself, throwing to the top level), false when it is
// stopped from outside or by `stopall`.
class eTerminateException : public eLogoBase {
 public:
  explicit eTerminateException(bool selfEnded) : eLogoBase("terminate"), selfEnded(selfEnded) {}
  bool selfEnded;
};

// The end of a melody being played; the playing primitive catches it.
class eStopPlayException : public eTerminateException {
 public:
  eStopPlayException() : eTerminateException(false) {}
};

}  // namespace lx
