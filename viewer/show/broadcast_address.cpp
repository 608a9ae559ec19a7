// Broadcast addresses: recognising, taking apart, naming the copy.
#include "viewer/show/broadcast_address.h"

#include <cctype>
#include <cstdio>

namespace {

// What a "Fatal Error" text holds (FatalError's buffer less its zero).
constexpr size_t kLongestFailureText = 499;

bool StartsWithNoCase(const std::string& text, const char* prefix) {
  for (size_t i = 0; prefix[i] != '\0'; ++i) {
    if (i >= text.size() || std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// Letters, digits, '-', '.', '_' and bytes of characters outside ASCII (a
// name in its own script, which the system converts).
bool IsHostCharacter(unsigned char c) { return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c >= 0x80; }

bool Refuse(const std::string& text, const char* reason, std::string* failure) {
  *failure = CantFetchText(text, reason);
  return false;
}

}  // namespace

bool IsBroadcastAddress(const std::string& name) {
  return StartsWithNoCase(name, "http://") || StartsWithNoCase(name, "https://");
}

bool ParseBroadcastAddress(const std::string& text, BroadcastAddress* address, std::string* failure) {
  BroadcastAddress out;
  out.text = text;
  size_t at;
  if (StartsWithNoCase(text, "https://")) {
    out.secure = true;
    at = 8;
  } else if (StartsWithNoCase(text, "http://")) {
    at = 7;
  } else {
    return Refuse(text, "the address does not start with http:// or https://", failure);
  }
  if (text.size() > kLongestBroadcastAddress) return Refuse(text, "the address is too long", failure);
  for (unsigned char c : text) {
    if (IsControl(c)) return Refuse(text, "the address holds a control character", failure);
  }
  const size_t authorityEnd = text.find_first_of("/?#", at);
  const std::string authority =
      text.substr(at, authorityEnd == std::string::npos ? std::string::npos : authorityEnd - at);
  if (authority.find('@') != std::string::npos)
    return Refuse(text, "addresses with a user name are not supported", failure);
  size_t portAt = std::string::npos;
  if (!authority.empty() && authority[0] == '[') {
    const size_t close = authority.find(']');
    if (close == std::string::npos || close == 1) return Refuse(text, "the server's address is malformed", failure);
    for (size_t i = 1; i < close; ++i) {
      const unsigned char c = static_cast<unsigned char>(authority[i]);
      if (!std::isxdigit(c) && c != ':' && c != '.') return Refuse(text, "the server's address is malformed", failure);
    }
    out.host = authority.substr(0, close + 1);
    if (close + 1 < authority.size()) {
      if (authority[close + 1] != ':') return Refuse(text, "the server's address is malformed", failure);
      portAt = close + 2;
    }
  } else {
    const size_t colon = authority.find(':');
    out.host = authority.substr(0, colon);
    if (colon != std::string::npos) portAt = colon + 1;
    for (unsigned char c : out.host) {
      if (!IsHostCharacter(c)) return Refuse(text, "the server's name is malformed", failure);
    }
  }
  if (out.host.empty()) return Refuse(text, "the address names no server", failure);
  if (portAt != std::string::npos && portAt < authority.size()) {
    unsigned long port = 0;
    for (size_t i = portAt; i < authority.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(authority[i]);
      if (!std::isdigit(c) || i - portAt >= 5) return Refuse(text, "the port is not a number from 1 to 65535", failure);
      port = port * 10 + (c - '0');
    }
    if (port == 0 || port > 65535) return Refuse(text, "the port is not a number from 1 to 65535", failure);
    out.port = static_cast<uint16_t>(port);
  }
  std::string path = authorityEnd == std::string::npos ? std::string() : text.substr(authorityEnd);
  const size_t fragment = path.find('#');
  if (fragment != std::string::npos) path.resize(fragment);
  if (path.empty() || path[0] != '/') path.insert(0, "/");
  out.path = path;
  *address = out;
  return true;
}

std::string BroadcastCacheName(const char* program, const std::string& address) {
  // FNV-1a, 32 bits: a short name that differs from address to address.
  uint32_t hash = 2166136261u;
  for (unsigned char c : address) {
    hash ^= c;
    hash *= 16777619u;
  }
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(hash));
  return std::string(program) + "-broadcast-" + digits + ".pgn";
}

std::string CantFetchText(const std::string& address, const std::string& reason) {
  const std::string before = "Can't fetch ";
  const std::string between = ": ";
  std::string shown = address;
  const size_t fixed = before.size() + between.size() + reason.size();
  const size_t room = fixed < kLongestFailureText ? kLongestFailureText - fixed : 0;
  if (shown.size() > room) {
    // The start (server) and the end (file name) tell most; "..." between.
    const size_t keep = room > 3 ? room - 3 : 0;
    shown = shown.substr(0, keep - keep / 3) + "..." + shown.substr(shown.size() - keep / 3);
  }
  std::string text = before + shown + between + reason;
  if (text.size() > kLongestFailureText) text.resize(kLongestFailureText);
  return text;
}
