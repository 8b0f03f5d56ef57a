#include <gtest/gtest.h>

#include <cmath>

#include "render/readout.h"
#include "settings/value_text.h"

namespace dorv {
namespace {

// The three readers of a stored text: a decimal must be the whole text, the leading number stops at the first
// character that cannot continue it (the comma included), a boolean is a word in any case or a number.
TEST(ValueText, ReadersOfAStoredText) {
    struct Case {
        const char* text;
        const char* symbol;
        std::optional<double> decimal;
        double leading;
        std::optional<bool> boolean;
    } cases[] = {
        {"  12  ", ".", 12, 12, true},  {"3.5", ".", 3.5, 3.5, true},
        {"-1", ".", -1, -1, true},      {"+7", ".", 7, 7, true},
        {".5", ".", 0.5, 0.5, true},    {"5.", ".", 5, 5, true},
        {"1e3", ".", 1000, 1000, true}, {"2.5E-1", ".", 0.25, 0.25, true},
        {"0.0", ".", 0, 0, false},      {"1,5", ",", 1.5, 1, true},
        {"1.5", ",", 1.5, 1.5, true},   {"", ".", {}, 0, {}},
        {"12abc", ".", {}, 12, {}},     {"1e", ".", {}, 1, {}},
        {"1e+", ".", {}, 1, {}},        {".", ".", {}, 0, {}},
        {"1,5", ".", {}, 1, {}},        {"--1", ".", {}, 0, {}},
        {"True", ".", {}, 0, true},     {" fAlSe ", ".", {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.text << "\" with " << c.symbol);
        EXPECT_EQ(ParseDecimal(c.text, c.symbol), c.decimal);
        EXPECT_EQ(LeadingNumber(c.text), c.leading);
        EXPECT_EQ(ParseBoolean(c.text, c.symbol), c.boolean);
    }
}

// Halves go to the even neighbour; what does not fit the field is no number at all.
TEST(ValueText, IntegerConversionsRoundHalvesToEvenWithinTheField) {
    struct Case {
        double in;
        std::optional<std::int16_t> out;
    } cases[] = {
        {2.5, 2},         {3.5, 4},           {-2.5, -2},    {-3.5, -4},     {2.4999, 2},    {2.5001, 3},
        {32767.4, 32767}, {-32768.0, -32768}, {32767.6, {}}, {-32769.0, {}}, {INFINITY, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToInt16(c.in), c.out) << c.in;
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(ToInt32(2147483648.0).has_value());
    EXPECT_FALSE(ToInt32(NAN).has_value());
}

TEST(ValueText, WrittenSinglesAreShortAndReadBackExactly) {
    EXPECT_EQ(FormatSingle(1230.5f, ","), "1230,5");
    EXPECT_EQ(FormatSingle(-2.5e-30f, ","), "-2,5e-30");
    // Whatever the float, its text reads back to the very same float.
    for (float value : {1230.5f, -45.0f, 3.4028235e38f, -1.17549435e-38f, 1e-45f, 491505.0f, 0.1f, 16777217.0f}) {
        const std::optional<double> read = ParseDecimal(FormatSingle(value, ","), ",");
        ASSERT_TRUE(read) << FormatSingle(value, ",");
        EXPECT_EQ(static_cast<float>(*read), value) << FormatSingle(value, ",");
    }
}

// The exact value rounds half away from zero: 0.15 is stored just below its half, so it rounds down.
TEST(Readout, OneDecimalRoundsTheExactValueHalfAwayFromZero) {
    struct Case {
        double value;
        const char* symbol;
        const char* text;
    } cases[] = {
        {0.0, ".", "0.0"},  {7.25, ".", "7.3"},   {99.96, ".", "100.0"}, {9.99, ".", "10.0"},     {45, ",", "45,0"},
        {0.15, ".", "0.1"}, {-1.25, ".", "-1.3"}, {-0.04, ".", "0.0"},   {999.95, ".", "1000.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatOneDecimal(c.value, c.symbol), c.text) << c.value;
}

}  // namespace
}  // namespace dorv
