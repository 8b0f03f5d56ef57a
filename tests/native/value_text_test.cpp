#include <gtest/gtest.h>

#include <cmath>

#include "render/readout.h"
#include "settings/value_text.h"

namespace dorv {
namespace {

TEST(ValueText, ParseDecimalAcceptsWholeNumbersOnly) {
    struct Case {
        const char* text;
        const char* symbol;
        bool valid;
        double value;
    } cases[] = {
        {" 3", ".", true, 3},        {"3.5", ".", true, 3.5}, {"-1", ".", true, -1},    {"+7", ".", true, 7},
        {"  12  ", ".", true, 12},   {".5", ".", true, 0.5},  {"5.", ".", true, 5},     {"1e3", ".", true, 1000},
        {"2.5E-1", ".", true, 0.25}, {"1,5", ",", true, 1.5}, {"1.5", ",", true, 1.5},  {"", ".", false, 0},
        {"   ", ".", false, 0},      {"abc", ".", false, 0},  {"12abc", ".", false, 0}, {"1e", ".", false, 0},
        {"-", ".", false, 0},        {".", ".", false, 0},    {"1 2", ".", false, 0},   {"1,5", ".", false, 0},
        {"0x10", ".", false, 0},     {"--1", ".", false, 0},
    };
    for (const Case& c : cases) {
        std::optional<double> parsed = ParseDecimal(c.text, c.symbol);
        ASSERT_EQ(parsed.has_value(), c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_DOUBLE_EQ(*parsed, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(ValueText, LeadingNumberStopsAtFirstForeignCharacter) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"1", 1},   {" 1", 1}, {"1abc", 1},  {"2.5xyz", 2.5}, {"1,5", 1}, {"-3", -3},
        {"abc", 0}, {"", 0},   {"1e2", 100}, {"1e", 1},       {"1e+", 1},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(ValueText, RoundingSendsHalvesToTheEvenNeighbour) {
    struct Case {
        double in, out;
    } cases[] = {
        {2.5, 2},   {3.5, 4},   {0.5, 0},   {1.5, 2},    {-2.5, -2},  {-3.5, -4}, {99.5, 100},
        {98.5, 98}, {12.5, 12}, {13.5, 14}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

TEST(ValueText, IntegerConversionsRejectValuesOutsideTheField) {
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.0), -32768);
    EXPECT_FALSE(ToInt16(32767.6).has_value());
    EXPECT_FALSE(ToInt16(-32769.0).has_value());
    EXPECT_FALSE(ToInt16(INFINITY).has_value());
    EXPECT_EQ(ToInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(ToInt32(2147483648.0).has_value());
    EXPECT_FALSE(ToInt32(NAN).has_value());
}

TEST(ValueText, BooleansAreWordsInAnyCaseOrNumbers) {
    struct Case {
        const char* text;
        std::optional<bool> value;
    } cases[] = {
        {"True", true}, {"TRUE", true}, {"true", true}, {" False ", false}, {"fAlSe", false},   {"-1", true},
        {"1", true},    {"0", false},   {"0.0", false}, {"2.5", true},      {"", std::nullopt}, {"yes", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseBoolean(c.text, "."), c.value) << '"' << c.text << '"';
}

TEST(ValueText, WrittenFormats) {
    EXPECT_EQ(FormatInteger(2), " 2");
    EXPECT_EQ(FormatInteger(0), " 0");
    EXPECT_EQ(FormatInteger(-1), "-1");
    EXPECT_EQ(FormatInteger(15132390), " 15132390");
    EXPECT_EQ(FormatSingle(1230.0f, "."), "1230");
    EXPECT_EQ(FormatSingle(-45.0f, "."), "-45");
    EXPECT_EQ(FormatSingle(1230.5f, "."), "1230.5");
    EXPECT_EQ(FormatSingle(1230.5f, ","), "1230,5");
    EXPECT_EQ(FormatSingle(0.0f, "."), "0");
    EXPECT_EQ(FormatSingle(1e12f, "."), "1e+12");
    EXPECT_EQ(FormatSingle(-2.5e-30f, ","), "-2,5e-30");
    // Whatever the float, its text reads back to the very same float.
    for (float value : {1230.5f, -45.0f, 3.4028235e38f, -1.17549435e-38f, 1e-45f, 491505.0f, 0.1f, 16777217.0f}) {
        const std::optional<double> read = ParseDecimal(FormatSingle(value, ","), ",");
        ASSERT_TRUE(read) << FormatSingle(value, ",");
        EXPECT_EQ(static_cast<float>(*read), value) << FormatSingle(value, ",");
    }
    EXPECT_EQ(FormatBoolean(true), "True");
    EXPECT_EQ(FormatBoolean(false), "False");
}

TEST(Readout, OneDecimalRoundsTheExactValueHalfAwayFromZero) {
    struct Case {
        double value;
        const char* symbol;
        const char* text;
    } cases[] = {
        {0.0, ".", "0.0"},   {7.25, ".", "7.3"},    {45, ".", "45.0"},       {97.75, ".", "97.8"},
        {100, ".", "100.0"}, {99.96, ".", "100.0"}, {9.99, ".", "10.0"},     {0.04, ".", "0.0"},
        {45, ",", "45,0"},   {0.15, ".", "0.1"},    {0.35, ".", "0.3"},      {-1.25, ".", "-1.3"},
        {-0.04, ".", "0.0"}, {0.05, ".", "0.1"},    {999.95, ".", "1000.0"}, {110, ".", "110.0"},
    };
    // 0.15 and 0.35 are stored just below their halves, so they round down.
    for (const Case& c : cases)
        EXPECT_EQ(FormatOneDecimal(c.value, c.symbol), c.text) << c.value;
}

}  // namespace
}  // namespace dorv
