// Which validators of a server are sent back.
#include "viewer/show/fetch_validators.h"

bool UsableValidator(const std::string& value) {
  if (value.empty() || value.size() > kLongestValidator) return false;
  for (unsigned char c : value) {
    if (c < 0x20 || c > 0x7E) return false;
  }
  return true;
}
