// Every operator and arithmetic primitive over every kind of number on
// either side: small integers, whole numbers beyond 32 bits (as read and as
// quoted words), reals and numeric words. Each result is checked against
// the same computation in extended reals; only the operations that need
// 32-bit integers may refuse a number beyond them, with error 26.
#include <cmath>
#include <functional>
#include <numbers>

#include "prims/data_primitives_session.h"
#include "values/number.h"

namespace lx {
namespace {

struct Operand {
  const char* text;  // as written in Logo
  long double value;
  bool fits32;  // usable where a 32-bit integer is needed
};

const Operand kOperands[] = {
    {"6", 6, true},
    {"-7", -7, true},
    {"6227020800", 6227020800.0L, false},
    {"\"5000000000", 5000000000.0L, false},
    {"-5000000000", -5000000000.0L, false},
    {"2.5", 2.5L, true},
    {"(3 / 4)", 0.75L, true},
    {"\"12", 12, true},
    {"\"-0.5", -0.5L, true},
};

// Rounds half away from zero, as a number taken as an integer is.
long double asWhole(long double x) { return x >= 0 ? std::floor(x + 0.5L) : std::ceil(x - 0.5L); }

long double floorDiv(long double a, long double b) { return std::floor(asWhole(a) / asWhole(b)); }
long double floorMod(long double a, long double b) {
  const long double x = asWhole(a), d = asWhole(b);
  return x - d * std::floor(x / d);
}

struct Binary {
  const char* form;  // "%a" and "%b" stand for the operands
  std::function<long double(long double, long double)> expected;
  bool needs32 = false;  // both inputs are taken as 32-bit integers
  bool truth = false;    // the result is a truth value (1 or 0)
};

long double truth(bool b) { return b ? 1 : 0; }

const std::vector<Binary>& binaries() {
  static const std::vector<Binary> table = {
      {"%a + %b", [](auto a, auto b) { return a + b; }},
      {"%a - %b", [](auto a, auto b) { return a - b; }},
      {"%a * %b", [](auto a, auto b) { return a * b; }},
      {"%a / %b", [](auto a, auto b) { return a / b; }},
      {"sum %a %b", [](auto a, auto b) { return a + b; }},
      {"(sum %a %b %a)", [](auto a, auto b) { return a + b + a; }},
      {"difference %a %b", [](auto a, auto b) { return a - b; }},
      {"product %a %b", [](auto a, auto b) { return a * b; }},
      {"(product %a %b 2)", [](auto a, auto b) { return a * b * 2; }},
      {"quotient %a %b", [](auto a, auto b) { return a / b; }},
      {"div %a %b", floorDiv, true},
      {"mod %a %b", floorMod, true},
      {"%a < %b", [](auto a, auto b) { return truth(a < b); }, false, true},
      {"%a > %b", [](auto a, auto b) { return truth(a > b); }, false, true},
      {"%a <= %b", [](auto a, auto b) { return truth(a <= b); }, false, true},
      {"%a >= %b", [](auto a, auto b) { return truth(a >= b); }, false, true},
      {"%a = %b", [](auto a, auto b) { return truth(a == b); }, false, true},
      {"%a <> %b", [](auto a, auto b) { return truth(a != b); }, false, true},
      {"less? %a %b", [](auto a, auto b) { return truth(a < b); }, false, true},
      {"greater? %a %b", [](auto a, auto b) { return truth(a > b); }, false, true},
      {"equal? %a %b", [](auto a, auto b) { return truth(a == b); }, false, true},
  };
  return table;
}

struct Unary {
  const char* form;
  std::function<long double(long double)> expected;
};

long double degrees(long double x) { return x * std::numbers::pi_v<long double> / 180; }

const std::vector<Unary>& unaries() {
  static const std::vector<Unary> table = {
      {"- %a", [](auto a) { return -a; }},
      {"abs %a", [](auto a) { return std::fabs(a); }},
      {"int %a", [](auto a) { return std::trunc(a); }},
      {"round %a", asWhole},
      {"sqrt abs %a", [](auto a) { return std::sqrt(std::fabs(a)); }},
      {"exp %a / 10000000000", [](auto a) { return std::exp(a / 10000000000.0L); }},
      {"ln abs %a", [](auto a) { return std::log(std::fabs(a)); }},
      {"sin %a", [](auto a) { return std::sin(degrees(a)); }},
      {"cos %a", [](auto a) { return std::cos(degrees(a)); }},
      {"tan %a", [](auto a) { return std::tan(degrees(a)); }},
      {"arctan %a", [](auto a) { return std::atan(a) * 180 / std::numbers::pi_v<long double>; }},
  };
  return table;
}

std::string filled(std::string form, const std::string& a, const std::string& b = {}) {
  for (size_t at; (at = form.find("%a")) != std::string::npos;) form.replace(at, 2, a);
  for (size_t at; (at = form.find("%b")) != std::string::npos;) form.replace(at, 2, b);
  return form;
}

bool close(long double got, long double want) {
  if (std::isnan(want)) return std::isnan(got);
  return std::fabs(got - want) <= 1e-12L * std::max<long double>(1, std::fabs(want));
}

class OperatorTable : public testing::DataPrimitivesTest {
 protected:
  // Checks one expression against its expected value, or against error 26
  // when the computation needs 32-bit integers it was not given.
  void check(const std::string& expression, long double want, bool refused, bool isTruth) {
    SCOPED_TRACE(expression);
    if (refused) {
      EXPECT_EQ(errorOf("print " + expression), erMinMax);
      return;
    }
    Value got;
    try {
      got = valueOf(expression);
    } catch (const eLogoException& e) {
      ADD_FAILURE() << "error " << e.code;
      return;
    }
    ASSERT_NE(got, nullptr);
    if (isTruth) {
      EXPECT_EQ(got->asBool() ? 1 : 0, want);
    } else {
      ASSERT_TRUE(got->isNumber()) << got->printText();
      EXPECT_TRUE(close(got->asReal(), want)) << got->printText() << " instead of " << static_cast<double>(want);
    }
  }
};

TEST_F(OperatorTable, EveryBinaryOperationTakesEveryKindOfNumberOnEitherSide) {
  for (const Binary& op : binaries())
    for (const Operand& a : kOperands)
      for (const Operand& b : kOperands) {
        const bool refused = op.needs32 && !(a.fits32 && b.fits32);
        check(filled(op.form, a.text, b.text), refused ? 0 : op.expected(a.value, b.value), refused, op.truth);
      }
}

TEST_F(OperatorTable, EveryFunctionOfOneNumberTakesEveryKind) {
  for (const Unary& op : unaries())
    for (const Operand& a : kOperands) check(filled(op.form, a.text), op.expected(a.value), false, false);
}

TEST_F(OperatorTable, ResultsStayIntegersOnlyWhileBothSidesAreThirtyTwoBitIntegers) {
  EXPECT_NE(as<tLogoInt>(valueOf("14 * 6")), nullptr);
  EXPECT_NE(as<tLogoInt>(valueOf("\"14 * 6")), nullptr);
  EXPECT_NE(as<tLogoReal>(valueOf("14 * 6227020800")), nullptr);
  EXPECT_NE(as<tLogoReal>(valueOf("product 3 5000000000")), nullptr);
  EXPECT_NE(as<tLogoReal>(valueOf("(sum 1 \"5000000000 2)")), nullptr);
  EXPECT_NE(as<tLogoInt>(valueOf("(sum 1 \"5 2)")), nullptr);
  EXPECT_EQ(valueOf("int 6227020800.7")->asReal(), 6227020800.0L);
}

}  // namespace
}  // namespace lx
