#include "app/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <type_traits>

namespace pelmora {
namespace {

int error_number(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& error) {
    return error.number();
  }
  return 0;
}

TEST(IntegerTest, EverySumDifferenceAndProductIsChecked) {
  EXPECT_EQ((Integer(32766) + 1).value(), 32767);
  EXPECT_EQ(error_number([] { (void)(Integer(32767) + 1); }), 6);
  EXPECT_EQ(error_number([] { (void)(Integer(-32768) - 1); }), 6);
  EXPECT_EQ(error_number([] { (void)(Integer(200) * 200); }), 6);
  EXPECT_EQ(error_number([] { (void)-Integer(-32768); }), 6);
  EXPECT_EQ(error_number([] {
              Integer i = 32760;
              i += 8;
            }),
            6);
  EXPECT_EQ((Integer(-32767) - 1).value(), -32768);
  EXPECT_EQ(error_number([] { (void)Integer(40000); }), 6);
}

// A bool would make an Integer of 1, whose complement -2 is still true.
static_assert(!std::is_constructible_v<Integer, bool>);
static_assert(!std::is_convertible_v<bool, Integer>);

TEST(IntegerTest, BooleansAreMinusOneAndZero) {
  EXPECT_EQ(bit_not(kTrue), kFalse);
  EXPECT_EQ(bit_not(kFalse), kTrue);
  EXPECT_TRUE(is_true(kTrue));
  EXPECT_FALSE(is_true(kFalse));
}

TEST(ConversionTest, ToIntegerRoundsHalvesToEvenAndChecksRange) {
  EXPECT_EQ(to_integer(2.5).value(), 2);
  EXPECT_EQ(to_integer(3.5).value(), 4);
  EXPECT_EQ(to_integer(-2.5).value(), -2);
  EXPECT_EQ(to_integer(419.58).value(), 420);
  EXPECT_EQ(to_integer(390.6).value(), 391);
  EXPECT_EQ(to_integer(32767.4).value(), 32767);
  EXPECT_EQ(error_number([] { (void)to_integer(32767.5); }), 6);
  EXPECT_EQ(to_integer(-32768.5).value(), -32768);
  EXPECT_EQ(error_number([] { (void)to_integer(-32768.6); }), 6);
  EXPECT_EQ(error_number([] { (void)to_integer(std::nan("")); }), 6);
}

TEST(ConversionTest, IntRoundsDownAndStaysFloating) {
  EXPECT_EQ(Int(2.9), 2.0);
  EXPECT_EQ(Int(-0.1), -1.0);
  EXPECT_EQ(Int(-3.0), -3.0);
  EXPECT_EQ(Int(0.875), 0.0);
}

TEST(ConversionTest, SingleStoreRoundsAndFaultsOnOverflow) {
  EXPECT_EQ(sng(0.1), 0.1f);
  EXPECT_EQ(sng(1.0 / 3.0), 1.0f / 3.0f);
  EXPECT_EQ(error_number([] { (void)sng(1e39); }), 6);
  EXPECT_EQ(error_number([] { (void)sng(-1e39); }), 6);
  EXPECT_EQ(error_number([] { (void)sng(std::nan("")); }), 6);
  EXPECT_EQ(error_number([] { (void)sng(HUGE_VAL); }), 6);
  // The largest Single, and the double just short of halfway to the next
  // power of two, which still rounds to it; halfway rounds to infinity.
  constexpr float largest = std::numeric_limits<float>::max();
  EXPECT_EQ(sng(largest), largest);
  EXPECT_EQ(sng(std::nextafter(0x1.ffffffp127, 0.0)), largest);
  EXPECT_EQ(error_number([] { (void)sng(0x1.ffffffp127); }), 6);
}

TEST(TextTest, LeadingNumberReadsSignDigitsPointAndExponent) {
  EXPECT_EQ(leading_number("2026"), 2026.0);
  EXPECT_EQ(leading_number("07"), 7.0);
  EXPECT_EQ(leading_number("  -12.5abc"), -12.5);
  EXPECT_EQ(leading_number("12-07"), 12.0);
  EXPECT_NEAR(leading_number("8.333333E-05"), 8.333333e-05, 1e-15);
  EXPECT_EQ(leading_number("1e"), 1.0);  // an exponent without digits is not read
  EXPECT_EQ(leading_number(".5"), 0.5);
  EXPECT_EQ(leading_number("abc"), 0.0);
  EXPECT_EQ(leading_number(""), 0.0);
  EXPECT_EQ(leading_number("-"), 0.0);
  EXPECT_EQ(error_number([] { (void)leading_number("1e999"); }), 6);
  EXPECT_EQ(leading_number("1e-999"), 0.0);
}

TEST(TextTest, WholeTextMustBeANumber) {
  EXPECT_EQ(text_to_integer("12").value(), 12);
  EXPECT_EQ(text_to_integer(" 07 ").value(), 7);
  EXPECT_EQ(text_to_integer("2.5").value(), 2);
  EXPECT_EQ(error_number([] { (void)text_to_integer("1x"); }), 13);
  EXPECT_EQ(error_number([] { (void)text_to_integer(""); }), 13);
  EXPECT_EQ(error_number([] { (void)text_to_integer("-"); }), 13);
  EXPECT_EQ(error_number([] { (void)text_to_integer("99999"); }), 6);
}

TEST(TextTest, NumberTextHasSevenSignificantDigits) {
  EXPECT_EQ(number_text(1440.0), "1440");
  EXPECT_EQ(number_text(0.25), "0.25");
  EXPECT_EQ(number_text(1234.99967), "1235");
  EXPECT_EQ(number_text(754.9163), "754.9163");
  EXPECT_EQ(number_text(double(sng(1439.9998))), "1440");
  EXPECT_EQ(number_text(-2.5), "-2.5");
  EXPECT_EQ(number_text(0.0001), "0.0001");
  EXPECT_EQ(number_text(0.005 / 60), "8.333333E-05");
  EXPECT_EQ(number_text(12345678.0), "1.234568E+07");
  EXPECT_EQ(number_text(1e7), "1E+07");
  EXPECT_EQ(number_text(0.0), "0");
  // The exponent form reads back.
  EXPECT_NEAR(leading_number(number_text(0.005 / 60)), 0.005 / 60, 1e-11);
}

TEST(TextTest, PrintedFormHasSignPlaceAndTrailingBlank) {
  EXPECT_EQ(printed(Integer(7)), " 7 ");
  EXPECT_EQ(printed(Integer(-7)), "-7 ");
  EXPECT_EQ(printed(Integer(0)), " 0 ");
  EXPECT_EQ(printed(Single(0.25f)), " .25 ");
  EXPECT_EQ(printed(Single(-0.01f)), "-.01 ");
  EXPECT_EQ(printed(Single(0.12f)), " .12 ");
  EXPECT_EQ(printed(Single(86400.0f)), " 86400 ");
  EXPECT_EQ(printed(Single(0.0f)), " 0 ");
  EXPECT_EQ(printed(Single(-0.0f)), " 0 ");
  EXPECT_EQ(printed(Single(1.5f)), " 1.5 ");
}

TEST(TextTest, LeftAndRightTakeCharacters) {
  EXPECT_EQ(left_text("12-07-2026", 5), "12-07");
  EXPECT_EQ(right_text("12-07-2026", 4), "2026");
  EXPECT_EQ(right_text("12", 4), "12");
  EXPECT_EQ(left_text("", 2), "");
  EXPECT_EQ(error_number([] { (void)left_text("x", -1); }), 5);
}

}  // namespace
}  // namespace pelmora
