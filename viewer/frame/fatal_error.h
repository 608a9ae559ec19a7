// FatalError: the viewer's one exception type. Every unrecoverable failure,
// in every subsystem, throws it by value; only the program's entry function
// catches it and shows its text in a "Fatal Error" message box.
//
// It is declared on its own so that the chess code can raise it without
// depending on the window or the display; DirectDrawApplication names it as
// its nested type DirectDrawApplication::FatalError.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstring>

struct FatalError {
  enum { kTextSize = 500 };
  char text[kTextSize];

  // Copies at most 499 characters of a zero-terminated text; the rest of the
  // buffer is zero, so the text always ends inside it.
  explicit FatalError(const char* message) {
    std::memset(text, 0, sizeof text);
    if (message == nullptr) return;
    std::size_t length = 0;
    while (length < kTextSize - 1 && message[length] != '\0') ++length;
    std::memcpy(text, message, length);
  }

  // Builds the text from a printf-style format, cut to 499 characters.
  static FatalError Format(const char* format, ...)
#if defined(__GNUC__)
      __attribute__((format(printf, 1, 2)))
#endif
  {
    char buffer[kTextSize];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return FatalError(buffer);
  }
};
