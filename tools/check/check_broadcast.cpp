// TarnwicketCheck's one fetch of a broadcast address.
#include "tools/check/check_broadcast.h"

#include "viewer/show/broadcast_address.h"
#include "viewer/show/broadcast_fetch.h"

bool FileToCheck(const std::string& name, std::string* file, std::string* failure) {
  if (!IsBroadcastAddress(name)) {
    *file = name;
    return true;
  }
  BroadcastAddress address;
  if (!ParseBroadcastAddress(name, &address, failure)) return false;
  // One fetch: when the next would be due does not matter.
  BroadcastSource source(address, BroadcastCacheName("TarnwicketCheck", name));
  if (!source.FetchFirstCopy(0)) {
    *failure = source.FailureText();
    return false;
  }
  *file = source.CacheFileName();
  return true;
}
