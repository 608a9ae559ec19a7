// A broadcast address as the user gives it, and a validator as a server
// sends it: the bytes up to the first zero byte are the address, the bytes
// after it the validator. The address is taken apart, its copy named and its
// failure text made; the validator is judged.
//
// Promises: an address taken apart has a server, a path from its '/'
// without a fragment, no control character anywhere, the scheme it starts
// with and a port only where the address spells one; a refused one says "Can't fetch ..."
// within a "Fatal Error" box; the copy's name is a plain file name ending in
// ".pgn"; a validator used is printable ASCII of at most 512 characters.
#include <cctype>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_inputs.h"
#include "viewer/show/broadcast_address.h"
#include "viewer/show/fetch_validators.h"

namespace {

bool HasControl(const std::string& text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c == 0x7F) return true;
  }
  return false;
}

void CheckAddress(const std::string& text) {
  BroadcastAddress address;
  std::string failure;
  const bool taken = ParseBroadcastAddress(text, &address, &failure);
  if (taken) {
    FUZZ_REQUIRE(IsBroadcastAddress(text));
    FUZZ_REQUIRE(!address.host.empty() && text.find(address.host) != std::string::npos);
    FUZZ_REQUIRE(!address.path.empty() && address.path[0] == '/');
    FUZZ_REQUIRE(address.path.find('#') == std::string::npos);
    FUZZ_REQUIRE(!HasControl(address.host) && !HasControl(address.path));
    FUZZ_REQUIRE(address.secure == (std::tolower(static_cast<unsigned char>(text[4])) == 's'));
    if (address.port != 0) FUZZ_REQUIRE(text.find(':', 6) != std::string::npos);
    FUZZ_REQUIRE(address.text == text && text.size() <= kLongestBroadcastAddress);
  } else {
    FUZZ_REQUIRE(failure.compare(0, 12, "Can't fetch ") == 0);
    FUZZ_REQUIRE(failure.size() <= 499);
  }
  const std::string name = BroadcastCacheName("Tarnwicket", text);
  FUZZ_REQUIRE(name.size() == 33 && name.find('/') == std::string::npos && name.compare(29, 4, ".pgn") == 0);
  FUZZ_REQUIRE(CantFetchText(text, "the server did not answer").size() <= 499);
}

}  // namespace

void RunBroadcastAddressInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const size_t zero = bytes.find('\0');
  CheckAddress(bytes.substr(0, zero));
  if (zero == std::string::npos) return;
  const std::string validator = bytes.substr(zero + 1);
  if (UsableValidator(validator)) {
    FUZZ_REQUIRE(validator.size() <= kLongestValidator && !HasControl(validator));
    for (unsigned char c : validator) FUZZ_REQUIRE(c < 0x80);
  }
}
