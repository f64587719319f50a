// Decimal text of doubles: exact reading and rounding, checked against the C library (correctly
// rounded in glibc and in mingw's gdtoa, so both builds compare with a reference) and through
// the description writer and lexer, whose round trip must give back every finite double.
#include "framework/core/float_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "framework/core/desc_parser.h"
#include "framework/core/desc_tree.h"
#include "framework/core/desc_writer.h"
#include "framework/core/error.h"

namespace fw {
namespace {

uint64_t Bits(double d) {
  uint64_t b;
  std::memcpy(&b, &d, sizeof b);
  return b;
}

double FromBits(uint64_t b) {
  double d;
  std::memcpy(&d, &b, sizeof d);
  return d;
}

double Parsed(const std::string& text) {
  double d = 12345;
  EXPECT_TRUE(ParseDouble(text, d)) << text;
  return d;
}

// glibc reads decimal text exactly; mingw's strtod is one unit in the last place off for some
// large values (see ReadsTheNearestDoubleTiesToEven), so under Windows it is no reference.
#ifdef _WIN32
constexpr bool kLibraryReadsExactly = false;
#else
constexpr bool kLibraryReadsExactly = true;
#endif

std::string Printed(double d, int digits) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*g", digits, d);
  return buf;
}

// Doubles of every kind: random bit patterns (all magnitudes, subnormals included), short
// decimals, and values next to powers of two and of ten.
std::vector<double> SampleDoubles() {
  std::mt19937_64 random(20261207);
  std::vector<double> out;
  for (int i = 0; i < 2000; ++i) {
    double d = FromBits(random());
    if (std::isfinite(d)) out.push_back(d);
  }
  for (int i = 0; i < 500; ++i) out.push_back(static_cast<double>(random() % 100000) / 1000.0);
  for (int e = -1074; e <= 1023; e += 7) {
    double p = std::ldexp(1.0, e);
    out.insert(out.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, HUGE_VAL)});
  }
  for (int e = -320; e <= 308; e += 3) out.push_back(std::pow(10.0, e));
  out.insert(out.end(), {0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 0.1, 1.0 / 3, 2.5, 0.125});
  return out;
}

TEST(FloatTextTest, ReadsTheNearestDoubleTiesToEven) {
  EXPECT_EQ(Parsed("0.1"), 0.1);
  EXPECT_EQ(Parsed("-2.25"), -2.25);
  EXPECT_EQ(Parsed("1E+003"), 1000.0);
  EXPECT_EQ(Parsed("12e-1"), 1.2);
  EXPECT_EQ(Bits(Parsed("-0.0")), Bits(-0.0));
  EXPECT_EQ(Parsed("000.000"), 0.0);
  // 2^53 + 1 lies halfway between two doubles: the even one wins; a trailing digit tips it.
  EXPECT_EQ(Parsed("9007199254740993"), 9007199254740992.0);
  EXPECT_EQ(Parsed("9007199254740993.0000000000000000000000000001"), 9007199254740994.0);
  EXPECT_EQ(Parsed("9007199254740995"), 9007199254740996.0);
  // The classic hard cases next to the smallest normal double.
  EXPECT_EQ(Parsed("2.2250738585072011e-308"), FromBits(0x000FFFFFFFFFFFFF));
  EXPECT_EQ(Parsed("2.2250738585072012e-308"), DBL_MIN);
  EXPECT_EQ(Parsed("1.7976931348623157e308"), DBL_MAX);
  EXPECT_EQ(Parsed("1.7976931348623158e308"), DBL_MAX);
  // Values that mingw's strtod reads one unit too high.
  EXPECT_EQ(Bits(Parsed("4.030567406735727e+264")), 8565846491258683391u);
  EXPECT_EQ(Bits(Parsed("6.603681639195815e+268")), 8628896886041870335u);
}

TEST(FloatTextTest, ReadsSubnormalsAndRefusesWhatWouldBeInfiniteOrZero) {
  EXPECT_EQ(Parsed("4.9406564584124654e-324"), DBL_TRUE_MIN);
  EXPECT_EQ(Parsed("2.4703282292062328e-324"), DBL_TRUE_MIN);  // just over half the smallest
  double d = 0;
  for (const char* bad : {"2.4703282292062327e-324", "1e-400", "1.7976931348623159e308", "1e999",
                          "1e99999999999999999999", "", "-", ".", "1.5x", "1e", "1e+", "--1", "1.2.3", " 1"})
    EXPECT_FALSE(ParseDouble(bad, d)) << bad;
  EXPECT_TRUE(ParseDouble("0e99999999999999999999", d));
  EXPECT_EQ(d, 0.0);
}

TEST(FloatTextTest, LongDigitStringsRoundAsTheLibraryDoes) {
  if (!kLibraryReadsExactly) GTEST_SKIP() << "the C library's strtod is no reference here";
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    std::string text = std::to_string(random() % 9 + 1);
    const int length = 1 + static_cast<int>(random() % 1200);
    for (int k = 0; k < length; ++k) text += static_cast<char>('0' + random() % 10);
    if (i % 2) text.insert(1 + random() % text.size(), ".");
    text += "e" + std::to_string(static_cast<int>(random() % 700) - 350 - length / 2);
    double mine = 0, theirs = std::strtod(text.c_str(), nullptr);
    const bool ok = ParseDouble(text, mine);
    if (std::isinf(theirs) || theirs == 0) {
      EXPECT_FALSE(ok) << text;
    } else {
      ASSERT_TRUE(ok) << text;
      EXPECT_EQ(Bits(mine), Bits(theirs)) << text;
    }
  }
}

TEST(FloatTextTest, PrintsAndReadsBackAsTheLibraryDoes) {
  for (double d : SampleDoubles()) {
    for (int digits : {1, 2, 6, 15, 16, 17}) {
      const std::string text = FormatDouble(d, digits);
      ASSERT_EQ(text, Printed(d, digits)) << digits << " digits of " << Printed(d, 17);
      double back = 0, theirs = std::strtod(text.c_str(), nullptr);
      const bool ok = ParseDouble(text, back);
      ASSERT_EQ(ok, std::isfinite(theirs) && (theirs != 0 || d == 0)) << text;
      if (ok && kLibraryReadsExactly) {
        EXPECT_EQ(Bits(back), Bits(theirs)) << text;
      }
      if (digits == 17) {
        EXPECT_EQ(Bits(back), Bits(d)) << text;
      }
    }
  }
  EXPECT_EQ(FormatDouble(0.125, 2), "0.12");  // ties to even on the exact value
  EXPECT_EQ(FormatDouble(0.375, 2), "0.38");
  EXPECT_EQ(FormatDouble(9.999, 3), "10");
  EXPECT_EQ(FormatDouble(99999.5, 5), "1e+05");
}

// The writer picks the fewest digits that read back, and the lexer reads them back exactly:
// every finite double survives description text, subnormals and negative zero included.
TEST(FloatTextTest, DescriptionTextKeepsEveryDouble) {
  for (double d : SampleDoubles()) {
    desc::Object root;
    root.name = "Form1";
    root.className = "TForm1";
    root.props.push_back({"Ratio", desc::MakeFloat(d)});
    const std::string text = desc::Write(root);
    const desc::Object back = desc::Parse(text);
    ASSERT_EQ(back.props.size(), 1u);
    ASSERT_EQ(back.props[0].value.type, desc::Value::Type::Float) << text;
    EXPECT_EQ(Bits(back.props[0].value.real), Bits(d)) << text;
  }
  EXPECT_EQ(desc::WriteValue(desc::MakeFloat(0.1), 0), "0.1");
  EXPECT_EQ(desc::WriteValue(desc::MakeFloat(1e-5), 0), "1e-5");
  EXPECT_EQ(desc::WriteValue(desc::MakeFloat(-0.0), 0), "-0.0");
  EXPECT_EQ(desc::WriteValue(desc::MakeFloat(DBL_TRUE_MIN), 0), "4.94065645841247e-324");
}

}  // namespace
}  // namespace fw
