// The launcher's text handling: the command line as WinMain's C runtime cuts it, and the
// conversion into the modified UTF-8 that NewStringUTF reads.
#include <gtest/gtest.h>

#include <string>

#include "command_line.h"
#include "modified_utf8.h"

namespace launcher {
namespace {

struct ArgumentPartCase {
  const char16_t* commandLine;
  const char16_t* argumentPart;
};

TEST(ArgumentPart, DropsTheProgramNameAndTheBlanksAfterIt) {
  const ArgumentPartCase cases[] = {
      {u"launcher.exe", u""},
      {u"", u""},
      {u"launcher.exe   ", u""},
      {u"launcher.exe -x", u"-x"},
      {u"launcher.exe \t\r\n -x", u"-x"},
      {u"C:\\Games\\launcher.exe \"C:\\My Saves\\a b.sav\"   word", u"\"C:\\My Saves\\a b.sav\"   word"},
      {u"\"C:\\Zentr\u00f6be Spiel\\launcher.exe\" \"a  b\" c ", u"\"a  b\" c "},
      {u"\"C:\\Zentr\u00f6be Spiel\\launcher.exe\"", u""},
      {u"\"C:\\a b\\launcher.exe\"-x y", u"-x y"},  // a quoted name ends at its closing quote
      {u"\"C:\\unterminated name", u""},
      {u"\"\" a", u"a"},
      {u"launcher.exe\x01\x1f" u"a", u"a"},  // control characters count as blanks
      {u"launcher.exe \U0001F3AE", u"\U0001F3AE"},
  };
  for (const ArgumentPartCase& c : cases) {
    EXPECT_EQ(argumentPart(c.commandLine), std::u16string_view(c.argumentPart));
  }
}

TEST(JoinArguments, SeparatesArgumentsWithSingleBlanks) {
  const char* const none[] = {"launcher"};
  EXPECT_EQ(joinArguments(1, none), "");
  const char* const several[] = {"launcher", "\"a  b\"", "", "c"};
  EXPECT_EQ(joinArguments(4, several), "\"a  b\"  c");
}

struct ConversionCase {
  const char* name;
  std::u16string utf16;
  std::string utf8;
  std::string modified;
};

// U+1F3AE is D83C DFAE in UTF-16: each surrogate becomes three bytes.
const ConversionCase kConversions[] = {
    {"empty", u"", "", ""},
    {"ASCII", u"\"a b\" c", "\"a b\" c", "\"a b\" c"},
    {"two bytes", u"Zentr\u00f6be", "Zentr\xc3\xb6" "be", "Zentr\xc3\xb6" "be"},
    {"three bytes", u"\u6e38\u620f", "\xe6\xb8\xb8\xe6\x88\x8f", "\xe6\xb8\xb8\xe6\x88\x8f"},
    {"beyond U+FFFF", u"\U0001F3AE", "\xf0\x9f\x8e\xae", "\xed\xa0\xbc\xed\xbe\xae"},
    {"highest", u"\U0010FFFF", "\xf4\x8f\xbf\xbf", "\xed\xaf\xbf\xed\xbf\xbf"},
    {"U+0000", std::u16string(1, u'\0'), std::string(1, '\0'), "\xc0\x80"},
    {"U+07FF and U+0800", u"\u07ff\u0800", "\xdf\xbf\xe0\xa0\x80", "\xdf\xbf\xe0\xa0\x80"},
};

TEST(ModifiedUtf8, FromUtf16) {
  for (const ConversionCase& c : kConversions) EXPECT_EQ(modifiedUtf8FromUtf16(c.utf16), c.modified) << c.name;
}

TEST(ModifiedUtf8, FromUtf8) {
  for (const ConversionCase& c : kConversions) EXPECT_EQ(modifiedUtf8FromUtf8(c.utf8), c.modified) << c.name;
}

TEST(ModifiedUtf8, KeepsLoneSurrogatesFromUtf16) {
  EXPECT_EQ(modifiedUtf8FromUtf16(std::u16string{u'a', 0xD800, u'b', 0xDC00}), "a\xed\xa0\x80" "b\xed\xb0\x80");
}

TEST(ModifiedUtf8, ReplacesEveryMalformedByteOfUtf8) {
  const std::string replacement = "\xef\xbf\xbd";
  const struct {
    const char* name;
    std::string utf8;
    std::string modified;
  } cases[] = {
      {"stray continuation", "a\x80" "b", "a" + replacement + "b"},
      {"Latin-1 byte", "Zentr\xf6" "be", "Zentr" + replacement + "be"},
      {"truncated at the end", "a\xe6\xb8", "a" + replacement + replacement},
      {"truncated before ASCII", "\xe6\xb8" "a", replacement + replacement + "a"},
      {"overlong", "\xc0\xaf", replacement + replacement},
      {"overlong three bytes", "\xe0\x80\xaf", replacement + replacement + replacement},
      {"encoded surrogate", "\xed\xa0\x80", replacement + replacement + replacement},
      {"beyond U+10FFFF", "\xf4\x90\x80\x80", replacement + replacement + replacement + replacement},
      {"0xFF", "\xff", replacement},
  };
  for (const auto& c : cases) EXPECT_EQ(modifiedUtf8FromUtf8(c.utf8), c.modified) << c.name;
}

}  // namespace
}  // namespace launcher
