#include "atrium/number_format.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

using atrium::FormatNumber;

struct Case {
    double value;
    const char* pattern;
    const char* expected;
};

void ExpectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected)
            << "value " << c.value << " pattern \"" << c.pattern << '"';
    }
}

TEST(FormatNumber, AxisDefaultPattern) {
    ExpectCases({
        {1234.5, "###,##0.00", "1,234.50"},
        {0.0, "###,##0.00", "0.00"},
        {100.0, "###,##0.00", "100.00"},
        {75.0, "###,##0.00", "75.00"},
        {0.25, "###,##0.00", "0.25"},
        {1234567.891, "###,##0.00", "1,234,567.89"},
        {999.996, "###,##0.00", "1,000.00"},  // the carry crosses a group
        {-1234.5, "###,##0.00", "-1,234.50"},
        {3.14159, "#0.00", "3.14"},
        {0.5, "#0.00", "0.50"},
    });
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheExactBinaryValue) {
    EXPECT_EQ(FormatNumber(2.675f, "0.00"), "2.67");  // 2.67499995...
    EXPECT_EQ(FormatNumber(0.125f, "0.00"), "0.13");  // exact tie
    EXPECT_EQ(FormatNumber(0.375f, "0.00"), "0.38");
    EXPECT_EQ(FormatNumber(-0.125f, "0.00"), "-0.13");
    EXPECT_EQ(FormatNumber(9.995f, "0.00"), "9.99");  // 9.99499988...
    // The float is widened exactly, not through its shortest decimal text.
    EXPECT_EQ(FormatNumber(0.1f, "0.0000000000"), "0.1000000015");
    EXPECT_EQ(FormatNumber(0.1, "0.0000000000"), "0.1000000000");
    ExpectCases({
        {2.5, "0", "3"},
        {-2.5, "0", "-3"},
        {0.5, "0", "1"},
        {1.005, "0.00", "1.00"},  // 1.00499999999999989...
        {99.5, "0", "100"},
        {0.96, "0.0", "1.0"},
    });
}

// Values m / 1024 are exact in binary; their rounding to three decimals follows from integers.
TEST(FormatNumber, MatchesIntegerReferenceOnExactBinaryFractions) {
    std::mt19937 random(12345);
    std::uniform_int_distribution<std::int64_t> pick(-(std::int64_t{1} << 24),
                                                     std::int64_t{1} << 24);
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t m = i < 3000 ? i - 1500 : pick(random);
        const std::int64_t magnitude = m < 0 ? -m : m;
        const std::int64_t thousandths = (magnitude * 125 + 64) / 128;  // half away from zero
        std::string fraction = std::to_string(thousandths % 1000);
        fraction.insert(0, 3 - fraction.size(), '0');
        const std::string expected =
            (m < 0 ? "-" : "") + std::to_string(thousandths / 1000) + "." + fraction;
        ASSERT_EQ(FormatNumber(static_cast<double>(m) / 1024.0, "0.000"), expected) << m;
        ASSERT_EQ(FormatNumber(static_cast<float>(m) / 1024.0f, "0.000"), expected) << m;
    }
}

TEST(FormatNumber, ExtremeMagnitudes) {
    EXPECT_EQ(FormatNumber(1e20, "#,##0"), "100,000,000,000,000,000,000");
    const std::string largest = FormatNumber(std::numeric_limits<double>::max(), "0");
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 17), "17976931348623157");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::denorm_min(), "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(std::numeric_limits<float>::max(), "0"),
              "340282346638528859811704183484516925440");
}

TEST(FormatNumber, DigitPlaceholders) {
    ExpectCases({
        {0.0, "#", ""},
        {0.5, "#.##", ".5"},
        {1.0, "#.##", "1"},  // no decimal point without decimals
        {1.2, "#.##", "1.2"},
        {1.0, "0.##", "1"},
        {1.0, "0.0#", "1.0"},
        {1.25, "0.#0", "1.25"},
        {1.0, "0.#0", "1.00"},  // the rightmost "0" fixes the decimals shown
        {5.0, "000", "005"},
        {5.0, "#0#", "05"},      // the leftmost "0" fixes the integer digits shown
        {1.2, "00.00", "01.20"},
        {12345.0, "0", "12345"},
        {12.5, ".00", "12.50"},  // integer digits without integer placeholders
        {0.5, ".##", ".5"},
        {1.0, "0.", "1"},
        {1.5, "0.0.0", "1.50"},  // later points are ignored
        {1234567890.0, "(###) ###-####", "(123) 456-7890"},
        {4567890.0, "(###) ###-####", "() 456-7890"},
    });
}

TEST(FormatNumber, GroupingAndScaling) {
    ExpectCases({
        {1234567890.0, "#,#", "1,234,567,890"},
        {5.0, "0,000", "0,005"},
        {1234.0, ",0", "1234"},         // a comma before any digit is ignored
        {1234.5, "0.0,0", "1234.50"},   // and after the decimal point too
        {1234567890.0, "#,##0,,", "1,235"},
        {1500.0, "0,", "2"},
        {1234.0, "0.0,", "1234.0"},     // not directly before the point: ignored
        {1234.0, "0,.0", "1.2"},
        {-1234567.0, "#,##0", "-1,234,567"},
        {999999.5, "#,##0", "1,000,000"},
    });
}

TEST(FormatNumber, PercentShiftsTheExactDigits) {
    ExpectCases({
        {0.125, "0.0%", "12.5%"},
        {0.125, "%0", "%13"},
        {0.005, "0%", "1%"},     // 0.00500000000000000010...
        {0.0125, "0%%", "125%%"},
    });
    EXPECT_EQ(FormatNumber(0.145f, "0%"), "14%");  // 0.14499999582... times 100, not 14.5
}

TEST(FormatNumber, LiteralText) {
    ExpectCases({
        {5.0, "\\#0", "#5"},
        {5.0, "'#,0.'0", "#,0.5"},
        {5.0, "\"x;y\"0", "x;y5"},
        {5.0, "0\\;0", "0;5"},
        {5.0, "0 units", "5 units"},
        {20.0, "0 \xC2\xB0" "C", "20 \xC2\xB0" "C"},
        {5.0, "0\\", "5\\"},     // a lone final backslash stands for itself
        {5.0, "0'abc", "5abc"},  // an unclosed quote runs to the end
        {5.0, "E0", "E5"},
        {-5.0, "$0", "-$5"},     // the sign comes before any text
    });
}

TEST(FormatNumber, SectionsChooseByValueAndRoundedValue) {
    ExpectCases({
        {1.5, "0.00;(0.00)", "1.50"},
        {-1.5, "0.00;(0.00)", "(1.50)"},
        {0.0, "0.00;(0.00)", "0.00"},
        {-0.001, "0.00;(0.00)", "0.00"},  // rounds to zero: first section, no sign
        {0.0, "0.00;(0.00);Zero", "Zero"},
        {0.001, "0.00;(0.00);Zero", "Zero"},
        {-0.001, "0.00;(0.00);Zero", "Zero"},
        {-1.5, "0.00;;Zero", "-1.50"},  // empty negative section: first one, signed
        {0.0, "0.0;(0.0);", "0.0"},      // empty zero section: first one
        {-2.0, "0;(0);z;ignored", "(2)"},
        {-3.0, "Positive;Negative", "Negative"},
        {-0.3, "Positive;Negative", "Positive"},  // no decimals: rounds to zero
        {-2.5, "0.0;-0.0 'below'", "-2.5 below"},
    });
}

TEST(FormatNumber, NegativeZero) {
    EXPECT_EQ(FormatNumber(-0.001, "0.00"), "-0.00");
    EXPECT_EQ(FormatNumber(-0.004f, "###,##0.00"), "-0.00");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::denorm_min(), "0"), "-0");
    EXPECT_EQ(FormatNumber(-0.0, "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(-0.0f, "###,##0.00"), "0.00");
    EXPECT_EQ(FormatNumber(-0.0, "0;(0);zero"), "zero");
}

TEST(FormatNumber, EmptyPatternAndNonFiniteValues) {
    EXPECT_EQ(FormatNumber(0.1, ""), "0.1");
    EXPECT_EQ(FormatNumber(0.1f, ""), "0.1");
    EXPECT_EQ(FormatNumber(1e20, ""), "1e+20");
    EXPECT_EQ(FormatNumber(-2.5, ""), "-2.5");
    EXPECT_EQ(FormatNumber(2.5, ";(0)"), "2.5");  // empty first section
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NaN");
    EXPECT_EQ(FormatNumber(std::numeric_limits<float>::infinity(), "0.00"), "Infinity");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "0;(0)"), "-Infinity");
}

TEST(FormatNumber, Integers) {
    EXPECT_EQ(FormatNumber(1234, "#,##0"), "1,234");
    EXPECT_EQ(FormatNumber(std::int16_t{-7}, "00"), "-07");
}

}  // namespace
