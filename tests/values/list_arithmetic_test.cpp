// Arithmetic on lists: vectors element by element, point lists shifted and
// scaled, numbers with lists on the right, element-wise maps, rotation and
// the angle between vectors, with the errors of every wrong shape.
#include <gtest/gtest.h>

#include "list_test_support.h"
#include "values/arithmetic.h"
#include "values/point_geometry.h"
#include "values/vector_arithmetic.h"

namespace lx {
namespace {

using namespace lx::testing;

std::string sum(const char* a, const char* b) { return shown(listPlus(L(read1(a)), *read1(b))); }

TEST(VectorArithmetic, VectorsAddElementByElement) {
  EXPECT_EQ(sum("[1 2]", "[3 4]"), "4 6");
  EXPECT_TRUE(as<tLogoInt>(L(listPlus(L(read1("[1 2]")), *read1("[3 4]"))).element()));
  EXPECT_EQ(sum("[1.5 2 3]", "[1 1 1]"), "2.5 3 4");
  EXPECT_EQ(shown(listMinus(L(read1("[1 2]")), *read1("[3 5]"))), "-2 -3");
  EXPECT_EQ(errorOf([] { sum("[1 2]", "[1 2 3]"); }), erBadStructure);
  EXPECT_EQ(errorOf([] { sum("[1 a]", "[1 2]"); }), erBadStructure);
  EXPECT_EQ(errorOf([] { sum("[]", "[1]"); }), erEmptyList);
  EXPECT_EQ(errorOf([] { sum("[1 2]", "5"); }), erExpectList);
}

TEST(VectorArithmetic, PointListsShiftPointByPoint) {
  EXPECT_EQ(sum("[[0 0] [1 1]]", "[10 20]"), "[10 20] [11 21]");
  EXPECT_EQ(sum("[10 20]", "[[0 0] [1 1]]"), "[10 20] [11 21]");
  EXPECT_EQ(shown(listMinus(L(read1("[10 20]")), *read1("[[1 2]]"))), "[9 18]");
  EXPECT_EQ(sum("[[0 0] [] [[1 1] [2 2]]]", "[1 1]"), "[1 1] [] [[2 2] [3 3]]");
  EXPECT_EQ(errorOf([] { sum("[[0 0] [1 1]]", "[1 2 3]"); }), erExpectList2);
  EXPECT_EQ(errorOf([] { sum("[1 2 3]", "[[0 0]]"); }), erExpectList2);
}

TEST(VectorArithmetic, ScalingAndElementWiseProducts) {
  EXPECT_EQ(shown(listTimes(L(read1("[1 2]")), *makeInt(3))), "3 6");
  EXPECT_EQ(shown(listTimes(L(read1("[1 2]")), *read1("[3 4]"))), "3 8");
  EXPECT_EQ(shown(listTimes(L(read1("[[1 2] [3 4]]")), *read1("[10 100]"))), "[10 200] [30 400]");
  EXPECT_EQ(shown(listTimes(L(read1("[[1 2] [3 4]]")), *makeInt(2))), "[2 4] [6 8]");
  EXPECT_EQ(shown(listDivide(L(read1("[6 8]")), *makeInt(2))), "3 4");
  EXPECT_EQ(shown(listDiv(L(read1("[7 -7]")), *makeInt(2))), "3 -4");
  EXPECT_EQ(shown(listMod(L(read1("[7 -7]")), *read1("[2 2]"))), "1 1");
  EXPECT_EQ(errorOf([] { listTimes(L(read1("[1 2]")), *read1("[3]")); }), erBadStructure);
  EXPECT_EQ(errorOf([] { listTimes(L(read1("[[1 2]]")), *makeWord("abc")); }), erExpectNumber);
  EXPECT_EQ(errorOf([] { listTimes(L(read1("[1 2]")), *makeWord("abc")); }), erExpectNumber);
  EXPECT_EQ(errorOf([] { listDivide(L(read1("[1 2]")), *makeInt(0)); }), erDiv0);
}

TEST(VectorArithmetic, NumbersWithAListOnTheRight) {
  EXPECT_EQ(shown(times(*makeInt(3), *read1("[1 [2 3]]"))), "3 [6 9]");
  EXPECT_EQ(shown(divide(*makeInt(12), *read1("[3 8]"))), "4 1.5");
  EXPECT_EQ(errorOf([] { divide(*makeInt(1), *read1("[1 0]")); }), erDiv0);
  EXPECT_EQ(errorOf([] { times(*makeInt(1), *read1("[]")); }), erEmptyList);
}

TEST(VectorArithmetic, ElementWiseMaps) {
  EXPECT_EQ(shown(listNegate(L(read1("[1 -2 [3]]")))), "-1 2 [-3]");
  EXPECT_EQ(shown(listAbs(L(read1("[-1 2.5]")))), "1 2.5");
  EXPECT_EQ(shown(listInt(L(read1("[-1.7 2.5]")))), "-1 2");
  EXPECT_EQ(shown(listRound(L(read1("[-1.5 2.5]")))), "-2 3");
  EXPECT_EQ(shown(listUnaryPlus(L(read1("[1 2]")))), "1 2");
  EXPECT_EQ(shown(listRandom(L(read1("[0 0]")))), "0 0");
  EXPECT_EQ(errorOf([] { listNegate(L(read1("[1 x]"))); }), erBadStructure);
  EXPECT_EQ(errorOf([] { listNegate(*tLogoList::empty()); }), erEmptyList);
}

TEST(VectorArithmetic, NestingBeyondAnyDrawingIsRefused) {
  std::string text = "[1 2]";
  for (int k = 0; k < 10000; ++k) text = "[" + text + "]";
  EXPECT_EQ(errorOf([&] { listNegate(L(read1(text))); }), erBadStructure);
  EXPECT_EQ(errorOf([&] { listPlus(L(read1(text)), *read1("[1 1]")); }), erBadStructure);
}

TEST(PointGeometry, QuarterTurnsAreExactAndClockwise) {
  const Value up = read1("[0 10]");
  EXPECT_EQ(shown(rotatePoints(L(up), *makeInt(90))), "10 0");
  EXPECT_EQ(shown(rotatePoints(L(up), *makeInt(180))), "0 -10");
  EXPECT_EQ(shown(rotatePoints(L(up), *makeInt(-90))), "-10 0");
  EXPECT_EQ(shown(rotatePoints(L(up), *makeInt(450))), "10 0");
  EXPECT_EQ(shown(rotatePoints(L(read1("[[0 10] [] [10 0]]")), *makeInt(90))), "[10 0] [] [0 -10]");
  EXPECT_EQ(shown(rotatePoints(L(read1("[2 0]")), *makeInt(60))), "1 -1.73205");
  EXPECT_EQ(errorOf([] { rotatePoints(L(read1("[1 2 3]")), *makeInt(90)); }), erExpectList2);
}

TEST(PointGeometry, AngleBetweenVectors) {
  EXPECT_EQ(shown(vectorAngle(L(read1("[1 0]")), *read1("[0 5]"))), "90");
  EXPECT_EQ(shown(vectorAngle(L(read1("[1 0]")), *read1("[-2 0]"))), "180");
  EXPECT_EQ(shown(vectorAngle(L(read1("[1 1]")), *read1("[3 3]"))), "0");
  EXPECT_EQ(errorOf([] { vectorAngle(L(read1("[1 0 0]")), *read1("[1 0]")); }), erBadStructure);
  EXPECT_EQ(errorOf([] { vectorAngle(L(read1("[0 0]")), *read1("[1 0]")); }), erBadStructure);
}

}  // namespace
}  // namespace lx
