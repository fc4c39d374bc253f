// String helpers: comparison, case mapping, trimming, integer conversion, identifiers.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "vcl/sysutils.h"

using namespace vcl;

namespace {

// The message of the EConvertError that StrToInt raises for `s`; empty when it converts.
std::string StrToIntError(std::string_view s) {
  try {
    StrToInt(s);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return {};
}

}  // namespace

TEST(SysUtils, CompareTextFoldsAsciiOnly) {
  EXPECT_EQ(CompareText("TButton", "tbutton"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_GT(CompareText("abd", "ABC"), 0);
  EXPECT_LT(CompareText("ab", "AbC"), 0);
  EXPECT_GT(CompareText("abc", "AB"), 0);
  // Letters fold to upper case, so '_' (between 'Z' and 'a') sorts after every letter.
  EXPECT_GT(CompareText("_", "z"), 0);
  EXPECT_GT(CompareText("_", "Z"), 0);
  EXPECT_NE(CompareText("Über", "über"), 0);
  // Bytes of UTF-8 text sort after ASCII.
  EXPECT_GT(CompareText("\xC3\x84", "z"), 0);
  EXPECT_TRUE(SameText("Prefix", "PREFIX"));
  EXPECT_FALSE(SameText("Prefix", "Prefixes"));
  EXPECT_TRUE(SameText("", ""));
}

TEST(SysUtils, CompareStrIsCaseSensitiveAndUnsigned) {
  EXPECT_EQ(CompareStr("abc", "abc"), 0);
  EXPECT_GT(CompareStr("abc", "ABC"), 0);
  EXPECT_LT(CompareStr("ab", "abc"), 0);
  EXPECT_GT(CompareStr("\xC3\xA4", "z"), 0);
}

TEST(SysUtils, UpperAndLowerCaseChangeAsciiOnly) {
  EXPECT_EQ(UpperCase("über Alles 1_a"), "üBER ALLES 1_A");
  EXPECT_EQ(LowerCase("ÜBER Alles"), "Über alles");
}

TEST(SysUtils, AnsiCaseMapsLatinGreekAndCyrillic) {
  EXPECT_EQ(AnsiLowerCase("ÜBER"), "über");
  EXPECT_EQ(AnsiUpperCase("über"), "ÜBER");
  EXPECT_EQ(AnsiUpperCase("àéîõüçñåæø"), "ÀÉÎÕÜÇÑÅÆØ");
  EXPECT_EQ(AnsiLowerCase("ÞÐ"), "þð");
  EXPECT_EQ(AnsiUpperCase("ÿ"), "Ÿ");
  EXPECT_EQ(AnsiLowerCase("Ÿ"), "ÿ");
  // The multiplication and division signs have no case.
  EXPECT_EQ(AnsiUpperCase("×÷"), "×÷");
  EXPECT_EQ(AnsiLowerCase("×÷"), "×÷");
  EXPECT_EQ(AnsiUpperCase("łódź żółć"), "ŁÓDŹ ŻÓŁĆ");
  EXPECT_EQ(AnsiLowerCase("ŁÓDŹ ŐŰ ĲŊŒŽ"), "łódź őű ĳŋœž");
  EXPECT_EQ(AnsiUpperCase("ωμέγα άλφα"), "ΩΜΈΓΑ ΆΛΦΑ");
  EXPECT_EQ(AnsiLowerCase("ΟΔΥΣΣΕΥΣ"), "οδυσσευσ");
  EXPECT_EQ(AnsiUpperCase("Привет, ёж! ђ"), "ПРИВЕТ, ЁЖ! Ђ");
  EXPECT_EQ(AnsiLowerCase("ЩУКА ЇЖАК Ґ"), "щука їжак ґ");
  EXPECT_EQ(AnsiUpperCase("ǎǟȁ ạỹ"), "ǍǞȀ ẠỸ");
}

TEST(SysUtils, AnsiCaseOneWayMappings) {
  EXPECT_EQ(AnsiUpperCase("ς"), "Σ");
  EXPECT_EQ(AnsiLowerCase("Σ"), "σ");
  EXPECT_EQ(AnsiUpperCase("ß"), "ß");  // no single-letter capital
  EXPECT_EQ(AnsiLowerCase("ẞ"), "ß");
  EXPECT_EQ(AnsiUpperCase("µ"), "Μ");
  EXPECT_EQ(AnsiLowerCase("Μ"), "μ");
  // Mappings that change the length of the text.
  EXPECT_EQ(AnsiUpperCase("ſ"), "S");
  EXPECT_EQ(AnsiUpperCase("ı"), "I");
  EXPECT_EQ(AnsiLowerCase("İ"), "i");
  EXPECT_EQ(AnsiLowerCase("I"), "i");
}

TEST(SysUtils, AnsiCaseRoundTripsEveryLatin1AndCyrillicLetter) {
  auto utf8 = [](std::uint32_t cp) {
    std::string s;
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
    return s;
  };
  for (std::uint32_t cp = 0xC0; cp <= 0xDE; ++cp) {
    if (cp == 0xD7) continue;
    std::string upper = utf8(cp), lower = utf8(cp + 32);
    EXPECT_EQ(AnsiLowerCase(upper), lower) << std::hex << cp;
    EXPECT_EQ(AnsiUpperCase(lower), upper) << std::hex << cp;
  }
  for (std::uint32_t cp = 0x410; cp <= 0x42F; ++cp) {
    EXPECT_EQ(AnsiLowerCase(utf8(cp)), utf8(cp + 32)) << std::hex << cp;
    EXPECT_EQ(AnsiUpperCase(utf8(cp + 32)), utf8(cp)) << std::hex << cp;
  }
}

TEST(SysUtils, AnsiCaseLeavesInvalidUtf8Alone) {
  EXPECT_EQ(AnsiUpperCase("\xFF" "abc\xC3"), "\xFF" "ABC\xC3");
  EXPECT_EQ(AnsiUpperCase("\xC0\xAF" "a"), "\xC0\xAF" "A");        // overlong
  EXPECT_EQ(AnsiUpperCase("\xED\xA0\x80" "a"), "\xED\xA0\x80" "A");  // surrogate
  EXPECT_EQ(AnsiUpperCase("\xC3" "a"), "\xC3" "A");                  // cut sequence
  EXPECT_EQ(AnsiLowerCase("\x80\xC3\x9C"), "\x80\xC3\xBC");          // stray byte, then Ü
  EXPECT_EQ(AnsiUpperCase("中文 😀"), "中文 😀");
  EXPECT_EQ(AnsiUpperCase(std::string_view("a\0b", 3)), std::string("A\0B", 3));
}

TEST(SysUtils, AnsiCompareTextIgnoresUnicodeCase) {
  EXPECT_EQ(AnsiCompareText("über", "ÜBER"), 0);
  EXPECT_EQ(AnsiCompareText("Ёлка", "ёЛКА"), 0);
  EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
  EXPECT_GT(AnsiCompareText("Ü", "U"), 0);
}

TEST(SysUtils, TrimRemovesBlanksAndControlCharacters) {
  EXPECT_EQ(Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim(""), "");
  EXPECT_EQ(Trim(std::string_view("\0x\0", 3)), "x");
  EXPECT_EQ(TrimLeft("  a  "), "a  ");
  EXPECT_EQ(TrimRight("  a  "), "  a");
  // Bytes of UTF-8 characters (here a no-break space) are not blanks.
  EXPECT_EQ(Trim("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0");
}

TEST(SysUtils, IntToStrAndIntToHex) {
  EXPECT_EQ(IntToStr(0), "0");
  EXPECT_EQ(IntToStr(-42), "-42");
  EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(IntToHex(0x4071, 4), "4071");
  EXPECT_EQ(IntToHex(0xC053, 4), "C053");
  EXPECT_EQ(IntToHex(0x71, 4), "0071");
  EXPECT_EQ(IntToHex(0, 4), "0000");
  EXPECT_EQ(IntToHex(0, 0), "0");
  EXPECT_EQ(IntToHex(0xABCDE, 2), "ABCDE");
  EXPECT_EQ(IntToHex(255, -3), "FF");
  EXPECT_EQ(IntToHex(-1, 4), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(IntToHex(INT64_MIN, 0), "8000000000000000");
}

TEST(SysUtils, StrToIntAcceptsDecimalAndHexadecimal) {
  EXPECT_EQ(StrToInt("0"), 0);
  EXPECT_EQ(StrToInt("+7"), 7);
  EXPECT_EQ(StrToInt("-0"), 0);
  EXPECT_EQ(StrToInt("007"), 7);
  EXPECT_EQ(StrToInt(" 12"), 12);
  EXPECT_EQ(StrToInt("\t-12"), -12);
  EXPECT_THROW(StrToInt(" 12 "), EConvertError) << "trailing blanks are refused, as by the host";
  EXPECT_EQ(StrToInt("2147483647"), INT_MAX);
  EXPECT_EQ(StrToInt("-2147483648"), INT_MIN);
  EXPECT_EQ(StrToInt("$7FFFFFFF"), INT_MAX);
  EXPECT_EQ(StrToInt("$ff"), 255);
  EXPECT_EQ(StrToInt("$c053"), 0xC053);
  EXPECT_EQ(StrToInt("0x1F"), 31);
  EXPECT_EQ(StrToInt("0X1f"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("-0x10"), -16);
  // Hexadecimal digits give a 32-bit pattern.
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("$80000000"), INT_MIN);
  EXPECT_EQ(StrToInt("$000000000001"), 1);
}

TEST(SysUtils, StrToIntRejectsWithExactMessage) {
  EXPECT_EQ(StrToIntError("12a"), "'12a' is not a valid integer value");
  EXPECT_EQ(StrToIntError(""), "'' is not a valid integer value");
  EXPECT_EQ(StrToIntError("$"), "'$' is not a valid integer value");
  EXPECT_EQ(StrToIntError(" x "), "' x ' is not a valid integer value");
  for (const char* bad : {"   ", "-", "+", "0x", "--1", "+-1", "1 2", "1.0", "1e3", "$G", "0xx1", "$-1", "- 1",
                          "２", "2147483648", "-2147483649", "99999999999999999999", "$100000000"})
    EXPECT_FALSE(StrToIntError(bad).empty()) << bad;
}

TEST(SysUtils, StrToInt64AndDefault) {
  EXPECT_EQ(StrToInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(StrToInt64("$80000000"), 0x80000000LL);
  EXPECT_EQ(StrToInt64("$FFFFFFFFFFFFFFFF"), -1);
  EXPECT_EQ(StrToInt64("2147483648"), 2147483648LL);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_THROW(StrToInt64("-9223372036854775809"), EConvertError);
  EXPECT_THROW(StrToInt64("$10000000000000000"), EConvertError);
  EXPECT_EQ(StrToIntDef("17", -1), 17);
  EXPECT_EQ(StrToIntDef("17x", -1), -1);
  EXPECT_EQ(StrToIntDef("", 5), 5);
  EXPECT_EQ(StrToIntDef("4294967296", 3), 3);
}

TEST(SysUtils, IsValidIdent) {
  for (const char* good : {"a", "_", "_1", "Button1", "btnOK", "Übung", "кнопка1", "a_b_c"})
    EXPECT_TRUE(IsValidIdent(good)) << good;
  for (const char* bad : {"", "1a", "a b", "a.b", "a-b", " a", "a ", "$a", "a=b"})
    EXPECT_FALSE(IsValidIdent(bad)) << bad;
}
