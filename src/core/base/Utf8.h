// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts inside the program are UTF-8; file names are bytes, whatever the
// system that wrote them used. These are the places where the two meet.

// True when text is well-formed UTF-8 (no overlong forms, surrogates or code
// points past U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Appends one code point as UTF-8; a surrogate or a value past U+10FFFF
// becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

// The code points of text. A byte that does not begin a well-formed sequence
// becomes U+FFFD and decoding goes on at the next byte, so one bad byte costs
// one character and never the rest of the text.
std::u32string DecodeUtf8(std::string_view text);

// text as it is shown: unchanged when it is UTF-8, else with U+FFFD for every
// byte that is not part of a well-formed sequence. Only for showing: the
// bytes themselves are what names a file.
std::string ShownText(std::string_view text);

// A name (a file's, a profile's description) as one line on a terminal:
// ShownText with every control character (C0 with newline and tab, DEL, C1)
// as U+FFFD too, so that a name can neither steer the terminal nor break the
// line it stands in.
std::string ShownName(std::string_view text);

// A message as printed on a terminal: ShownText with each CR LF (or the LF CR
// of some built-in texts) as one "\n" and every other control character but
// "\n" as U+FFFD.
std::string ShownMessage(std::string_view text);

// The columns a character takes on a terminal: 2 for East Asian wide and
// fullwidth characters, 0 for combining marks, zero-width characters and
// controls, 1 for the rest. A table of its own, not the process's locale: a
// line must fit whatever the locale says.
int CharColumns(char32_t c);

// The columns of text on a terminal, each byte outside a well-formed sequence
// taken as the U+FFFD it is shown as.
size_t TextColumns(std::string_view text);

// Text from the Western Windows code page, the one older data files were
// written in (its 0x80..0x9F block differs from Latin-1).
std::string Windows1252ToUtf8(std::string_view text);

// A value read from a data file: taken as UTF-8 when it is, as Windows-1252
// otherwise.
std::string DataFileText(std::string_view value);
