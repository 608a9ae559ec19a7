// One conditional GET of a broadcast address through WinHTTP: the body when
// it changed, "not modified" when the server says so (304), or the reason it
// failed, in words for the viewer's "Fatal Error" box. Runs on any thread;
// another thread may cancel it.
#pragma once

#include <atomic>
#include <string>

#include "platform/win32.h"
#include "viewer/show/broadcast_address.h"
#include "viewer/show/fetch_validators.h"

// WinHTTP's time-outs for one fetch, in milliseconds.
struct FetchTimeouts {
  int resolveMs = 10000;
  int connectMs = 10000;
  int sendMs = 10000;
  int receiveMs = 20000;
};

enum class FetchResult { kNewBody, kNotModified, kFailed };

struct FetchOutcome {
  FetchResult result = FetchResult::kFailed;
  DWORD status = 0;            // the HTTP status, 0 when none came
  std::string body;            // kNewBody: the file
  FetchValidators validators;  // kNewBody, kNotModified: the ones to send next
  std::string reason;          // kFailed: "the server did not answer", ...
};

// The largest file taken (a round of a broadcast is far smaller).
constexpr size_t kLargestBroadcastFile = size_t{64} << 20;

// Lets one thread cancel the fetch that another runs: Cancel closes the
// request handle, which ends a WinHTTP call waiting on it.
class FetchCancel {
 public:
  // From any thread; the fetch then fails as cancelled.
  void Cancel();
  bool Cancelled() const { return stop_.load(); }
  // The fetch's request, which Cancel closes; false when cancelled already
  // (the request is closed then).
  bool Hold(HINTERNET request);
  // Closes the request unless Cancel has.
  void Release(HINTERNET request);

 private:
  std::atomic<bool> stop_{false};
  std::atomic<HINTERNET> request_{nullptr};
};

// Fetches the address once, sending the validators it is given.
FetchOutcome FetchOnce(const BroadcastAddress& address, const FetchValidators& validators,
                       const FetchTimeouts& timeouts, FetchCancel* cancel);

// The reason of a WinHTTP error code, in words.
std::string FetchFailureReason(DWORD error);
