// BroadcastSource: a game file at an http:// or https:// address, kept as a
// copy in the user's folder (the current folder) that the viewer reads as its
// game file. The address is fetched again about every five seconds with the
// validators the server gave, more slowly after failures (fetch_schedule.h),
// and the copy is replaced (a new file renamed over it) only when new content
// came; a failure keeps the last copy.
//
// Threads: Poll never blocks. Each fetch runs on a thread of its own, which
// only fetches and writes the copy; Poll takes its outcome in once it has
// ended and joins it. The destructor cancels a fetch still running (closing
// its request ends the WinHTTP call waiting on it) and joins it. Only the
// first copy may be fetched on the caller's thread (FetchFirstCopy), since
// nothing can be shown before it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win32.h"
#include "viewer/show/broadcast_address.h"
#include "viewer/show/fetch_schedule.h"
#include "viewer/show/http_fetch.h"

// What a Poll did.
enum class BroadcastPoll {
  kNothing,    // no fetch due, or one still running
  kStarted,    // a fetch began
  kNewCopy,    // a fetch ended and the copy holds new content
  kUnchanged,  // a fetch ended: not modified (304), or the same content again
  kFailed,     // a fetch ended without an answer (FailureText says why); any copy stays
};

class BroadcastSource {
 public:
  // `cacheFileName` is the copy, e.g. BroadcastCacheName("Tarnwicket", text).
  BroadcastSource(const BroadcastAddress& address, const std::string& cacheFileName,
                  const FetchTimeouts& timeouts = FetchTimeouts());
  ~BroadcastSource();
  BroadcastSource(const BroadcastSource&) = delete;
  BroadcastSource& operator=(const BroadcastSource&) = delete;

  // Fetches on this thread, waiting for the answer; true when the copy holds
  // the file, else FailureText() is what the "Fatal Error" box says. The
  // next fetch is due FetchSchedule::kIntervalMs after `now` (or later, after
  // a failure).
  bool FetchFirstCopy(DWORD now);

  // Called every frame or tick with GetTickCount(): takes in a fetch that has
  // ended, or starts one when it is due (the first at once). Never waits.
  BroadcastPoll Poll(DWORD now);

  // Waits until the fetch running (if any) has ended; the next Poll takes it
  // in. For tests and tools.
  void WaitForFetch();

  bool HasCopy() const { return hasCopy_; }
  bool FetchRunning() const { return thread_ != nullptr; }
  const std::string& CacheFileName() const { return cacheFileName_; }
  const BroadcastAddress& Address() const { return address_; }
  // "Can't fetch ADDRESS: REASON" of the last failure; "" after an answer.
  const std::string& FailureText() const { return failureText_; }
  const FetchSchedule& Schedule() const { return schedule_; }
  const FetchValidators& Validators() const { return validators_; }
  int CopiesWritten() const { return copiesWritten_; }

  // The fetch running on its thread; public for the thread's function only.
  struct Job;

 private:
  std::unique_ptr<Job> NewJob() const;
  BroadcastPoll TakeOutcome(Job& job, DWORD now);

  BroadcastAddress address_;
  std::string cacheFileName_;
  FetchTimeouts timeouts_;
  FetchSchedule schedule_;
  FetchValidators validators_;
  bool fetchedOnce_ = false;
  bool hasCopy_ = false;
  uint64_t copyHash_ = 0;
  size_t copySize_ = 0;
  int copiesWritten_ = 0;
  std::string failureText_;
  std::unique_ptr<Job> job_;
  HANDLE thread_ = nullptr;
};
