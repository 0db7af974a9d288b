// The VM speaks modified UTF-8 (U+0000 as C0 80, characters beyond U+FFFF as
// two encoded surrogates); Steamworks speaks standard UTF-8. The two agree on
// everything else, so conversion is needed only for text that holds such
// characters, and the common case passes through untouched.
#pragma once

#include <cstddef>
#include <string>

namespace nimbrel::utf8 {

// True when modified UTF-8 text from the VM differs from its standard form.
bool needsStandardForm(const char* modified);

// The standard UTF-8 form of modified UTF-8 text. A U+0000 ends the text (a C
// string cannot carry it); an unpaired surrogate becomes U+FFFD.
std::string toStandard(const char* modified);

// True when standard UTF-8 text can be handed to the VM as it is: well formed,
// and without U+0000 or characters beyond U+FFFF.
bool isVmReadable(const char* text, std::size_t length);

// UTF-16 of standard UTF-8 text; each ill-formed sequence becomes U+FFFD.
std::u16string toUtf16(const char* text, std::size_t length);

}  // namespace nimbrel::utf8
