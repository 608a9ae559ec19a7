// The quoted value of a tag line's text, `Name "value"`: the text between
// its first double quote (within the first 98 characters) and the next one.
// The players' names, the ticker's bare tag values and the reading of the
// FEN and Variant tags all take it from here.
#pragma once

#include <cstddef>

constexpr size_t kTagTextSize = 100;

// The quoted value of `text` into `value`; empty when `text` holds no quote.
void QuotedTagValue(const char* text, char (&value)[kTagTextSize]);

// Reduces a tag line to its quoted value in place, the rest of the line
// zero; a line without a quote stays as it is.
void KeepQuotedValue(char (&line)[kTagTextSize]);
