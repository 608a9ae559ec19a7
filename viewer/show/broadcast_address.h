// Broadcast addresses: a game file named by an http:// or https:// address,
// taken apart for the fetch, the name of the copy kept in the user's folder,
// and the text of a failed fetch.
#pragma once

#include <cstdint>
#include <string>

struct BroadcastAddress {
  std::string text;  // the address as given
  bool secure = false;
  std::string host;   // as given; an IPv6 address keeps its brackets
  uint16_t port = 0;  // 0: the scheme's own (80, 443)
  std::string path;   // path and query from its '/', without a fragment
};

// The longest address taken (a "Fatal Error" text must hold it).
constexpr size_t kLongestBroadcastAddress = 2048;

// True when the name starts with "http://" or "https://" (in any case).
bool IsBroadcastAddress(const std::string& name);

// Takes an address apart; false with the failure's text (as CantFetchText
// makes it) when it is not a usable http:// or https:// address.
bool ParseBroadcastAddress(const std::string& text, BroadcastAddress* address, std::string* failure);

// The copy's file name in the user's folder: "<program>-broadcast-<8 hex
// digits of the address's hash>.pgn", one for each address and program.
std::string BroadcastCacheName(const char* program, const std::string& address);

// "Can't fetch ADDRESS: REASON", at most 499 characters (a long address is
// shortened in its middle), for the viewer's "Fatal Error" box.
std::string CantFetchText(const std::string& address, const std::string& reason);
