// tLogoBool: true or false. It prints as the language's first true or false
// word, or as the spelling it was read with.
#pragma once

#include "values/number.h"

namespace lx {

class tLogoBool : public tlogonumber {
 public:
  explicit tLogoBool(bool value = false) : value(value) { valueKind = ValueKind::Boolean; }
  tLogoBool(bool value, std::string text) : tLogoBool(value) { setSpelling(std::move(text)); }

  void reset(bool v) {
    value = v;
    forgetSpelling();
  }
  void dispose() override;
  Value copy() const override;
  const char* className() const override { return "tLogoBool"; }

  bool isNumber() const override { return false; }
  bool isBool() const override { return true; }
  bool asBool() const override { return value; }
  bool equals(const tlogoobject& other) const override;
  bool absorb(const tlogoobject& other) override;

  bool value;

 protected:
  std::string formatValue() const override;
};

}  // namespace lx
