// The validators a server gives with a file (ETag, Last-Modified), sent back
// as If-None-Match and If-Modified-Since to ask whether it changed.
#pragma once

#include <string>

struct FetchValidators {
  std::string etag;          // empty: none
  std::string lastModified;  // empty: none
};

// The longest validator taken.
constexpr size_t kLongestValidator = 512;

// A validator as the server sent it is used only when it is printable ASCII
// of at most kLongestValidator characters, since it goes back into a request
// header.
bool UsableValidator(const std::string& value);
