// Texts from game files come in Windows-1252 or in UTF-8; the console font
// has the Windows-1252 characters in its cells. This turns UTF-8 text into
// those cells, so that tag values written in UTF-8 read right on the console.
#pragma once

#include <cstddef>
#include <string>

// Rewrites the zero-terminated `text` (at most `capacity` bytes, terminator
// included) from UTF-8 to Windows-1252 in place; the result is never longer.
// Text without bytes of 128 or more, and text that is not UTF-8, is taken as
// Windows-1252 already and left as it is; a sequence cut off at the end of
// the text is dropped. Characters outside Windows-1252 become '?', except
// accented Latin letters, which lose their accent (c for c-acute), and
// combining accents and byte-order marks, which are dropped.
void ConvertUtf8ToWindows1252(char* text, size_t capacity);

// The same for a text of any length (a comment).
std::string ShownText(const std::string& text);
