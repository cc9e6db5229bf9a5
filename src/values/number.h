// The numbers: tlogonumber with its printed form, the 32-bit integer tLogoInt
// and the extended real tLogoReal. A number read from source text keeps its
// spelling for printing (007, 3.10, 1e3 print as written).
#pragma once

#include <string>

#include "values/word.h"

namespace lx {

class tlogonumber : public tLogoWord {
 public:
  bool isNumber() const override { return true; }
  std::string printText(int level = -1) const override;
  std::string wordText() const override { return printText(); }

 protected:
  // The printed form of the value, made when first asked for.
  virtual std::string formatValue() const = 0;
  void setSpelling(std::string text) {
    printText_ = std::move(text);
    textKnown_ = true;
  }
  void forgetSpelling() {
    printText_.clear();
    textKnown_ = false;
    clearWordCaches();
  }
  bool spellingKnown() const { return textKnown_; }

 private:
  mutable bool textKnown_ = false;
  mutable std::string printText_;
};

class tLogoInt : public tlogonumber {
 public:
  explicit tLogoInt(int32_t value = 0) : value(value) { valueKind = ValueKind::Integer; }
  // An integer as spelled in source text.
  tLogoInt(int32_t value, std::string text) : tLogoInt(value) { setSpelling(std::move(text)); }

  void reset(int32_t v) {
    value = v;
    forgetSpelling();
  }
  void dispose() override;
  Value copy() const override;
  const char* className() const override { return "tLogoInt"; }

  bool isInteger() const override { return true; }
  int32_t asIntegerIn(int32_t lo, int32_t hi) const override;
  int32_t asInteger() const override { return value; }
  long double asReal() const override { return value; }
  bool asBool() const override { return value > 0; }
  bool equals(const tlogoobject& other) const override;
  bool absorb(const tlogoobject& other) override;

  int32_t value;

 protected:
  std::string formatValue() const override;
};

class tLogoReal : public tlogonumber {
 public:
  explicit tLogoReal(long double value = 0) : value(value) { valueKind = ValueKind::Real; }
  // A real as spelled in source text.
  tLogoReal(std::string text, long double value) : tLogoReal(value) { setSpelling(std::move(text)); }

  void reset(long double v) {
    value = v;
    forgetSpelling();
  }
  void dispose() override;
  Value copy() const override;
  const char* className() const override { return "tLogoReal"; }

  bool isInteger() const override;
  int32_t asIntegerIn(int32_t lo, int32_t hi) const override;
  int32_t asInteger() const override;
  long double asReal() const override { return value; }
  bool asBool() const override;
  bool equals(const tlogoobject& other) const override;
  bool absorb(const tlogoobject& other) override;

  long double value;

 protected:
  std::string formatValue() const override;
};

// Rounds half away from zero to a 32-bit integer; error 26 outside that range.
int32_t roundToInteger(long double value, const tlogoobject& offending);
// The truth of a real: false up to 0, true from 1, and in between true with
// the value as its chance, drawn anew each time.
bool realTruth(long double value);

}  // namespace lx
