// Text as JNI's NewStringUTF reads it ("modified UTF-8"): UTF-8 in which U+0000 takes two bytes and
// every character beyond U+FFFF is written as its two UTF-16 surrogates, three bytes each. Standard
// UTF-8 with four-byte sequences is not valid there, so every text we hand the VM passes through here.
#pragma once

#include <string>
#include <string_view>

namespace launcher {

// Every code unit, a lone surrogate included, becomes exactly the Java char it stands for.
std::string modifiedUtf8FromUtf16(std::u16string_view text);

// A byte that does not begin a well-formed UTF-8 sequence stands for U+FFFD, so that whatever bytes
// the system hands us, the VM receives text it can read.
std::string modifiedUtf8FromUtf8(std::string_view text);

}  // namespace launcher
