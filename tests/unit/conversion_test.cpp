#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "jni/booleans.h"
#include "jni/handle.h"
#include "jni/utf8.h"

namespace nimbrel {
namespace {

TEST(Booleans, OnlyJniTrueCountsAsTrue) {
  struct Case {
    jboolean in;
    bool expected;
  };
  for (Case c : {Case{0, false}, Case{1, true}, Case{2, false}, Case{255, false}}) {
    EXPECT_EQ(fromJBoolean(c.in), c.expected) << int(c.in);
  }
}

TEST(Booleans, FlagBytesBecomeZeroOrOne) {
  for (int byte : {1, 2, 0x80, 0xFF}) EXPECT_EQ(flagToJBoolean(static_cast<std::uint8_t>(byte)), JNI_TRUE) << byte;
  EXPECT_EQ(flagToJBoolean(0), JNI_FALSE);
  EXPECT_EQ(toJBoolean(true), JNI_TRUE);
  EXPECT_EQ(toJBoolean(false), JNI_FALSE);
}

TEST(Handles, RoundTripWholeAddress) {
  int object = 0;
  EXPECT_EQ(fromHandle<int>(toHandle(&object)), &object);
  EXPECT_EQ(toHandle(nullptr), 0);
  EXPECT_EQ(fromHandle<int>(0), nullptr);
}

struct Utf8Case {
  const char* name;
  std::string modified;  // as the VM writes it
  std::string standard;  // as Steamworks reads it
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
  *os << c.name;
}

class ToStandard : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(ToStandard, Converts) {
  const Utf8Case& c = GetParam();
  EXPECT_EQ(utf8::needsStandardForm(c.modified.c_str()), c.modified != c.standard);
  EXPECT_EQ(utf8::toStandard(c.modified.c_str()), c.standard);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToStandard,
    ::testing::Values(Utf8Case{"ascii", "kills", "kills"},
                      Utf8Case{"two_and_three_bytes", "Zentr\xC3\xB6" "be \xE2\x82\xAC", "Zentr\xC3\xB6" "be \xE2\x82\xAC"},
                      // U+1F600 as two surrogates (ED A0 BD, ED B8 80) becomes one four-byte sequence
                      Utf8Case{"emoji", "a\xED\xA0\xBD\xED\xB8\x80z", "a\xF0\x9F\x98\x80z"},
                      // U+0000 (C0 80) ends a C string
                      Utf8Case{"nul", "ab\xC0\x80" "cd", "ab"},
                      Utf8Case{"lone_high_surrogate", "a\xED\xA0\xBDz", "a\xEF\xBF\xBDz"},
                      Utf8Case{"lone_low_surrogate", "\xED\xB8\x80", "\xEF\xBF\xBD"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VmReadable, AcceptsWhatModifiedUtf8Shares) {
  for (std::string text : {std::string("kills"), std::string("\xC3\xB6\xE2\x82\xAC"), std::string()}) {
    EXPECT_TRUE(utf8::isVmReadable(text.data(), text.size())) << text;
  }
}

TEST(VmReadable, RejectsWhatTheVmCannotRead) {
  for (std::string text : {std::string("\xF0\x9F\x98\x80"),   // beyond U+FFFF
                           std::string("\xC0\x80"),           // overlong NUL
                           std::string("\xED\xA0\xBD"),       // encoded surrogate
                           std::string("a\xFF" "b"),          // never valid
                           std::string("\xE2\x82"),           // cut short
                           std::string("\xC3\xB6\x80")}) {    // stray continuation
    EXPECT_FALSE(utf8::isVmReadable(text.data(), text.size()));
  }
}

TEST(Utf16, DecodesAndReplaces) {
  std::string emoji = "a\xF0\x9F\x98\x80";
  EXPECT_EQ(utf8::toUtf16(emoji.data(), emoji.size()), std::u16string(u"a\U0001F600"));
  std::string broken = "a\xFF\xE2\x82" "b";
  EXPECT_EQ(utf8::toUtf16(broken.data(), broken.size()), std::u16string(u"a\uFFFD\uFFFD\uFFFDb"));
}

}  // namespace
}  // namespace nimbrel
