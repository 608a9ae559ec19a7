// BroadcastSource: the fetches of a broadcast address on their own threads,
// and its copy in the user's folder.
#include "viewer/show/broadcast_fetch.h"

#include <atomic>
#include <cstdio>

// Everything the fetch's thread reads is set before it starts, everything it
// writes is read after `done` (or the thread's end).
struct BroadcastSource::Job {
  BroadcastAddress address;
  FetchValidators validators;
  FetchTimeouts timeouts;
  std::string cacheFileName;
  bool hasCopy = false;
  uint64_t copyHash = 0;
  size_t copySize = 0;
  FetchCancel cancel;

  FetchOutcome outcome;
  bool sameAsCopy = false;
  uint64_t bodyHash = 0;
  size_t bodySize = 0;
  std::atomic<bool> done{false};
};

namespace {

// FNV-1a, 64 bits: tells a copy from a new one.
uint64_t ContentHash(const std::string& bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

// Writes the copy whole under a name of its own, then renames it over the
// old one, so that a reader sees the old copy or the new, never a mix.
bool WriteCopy(const std::string& fileName, const std::string& bytes) {
  const std::string partName = fileName + ".part";
  std::FILE* file = std::fopen(partName.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed || !MoveFileExA(partName.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    std::remove(partName.c_str());
    return false;
  }
  return true;
}

void RunJob(BroadcastSource::Job& job) {
  job.outcome = FetchOnce(job.address, job.validators, job.timeouts, &job.cancel);
  if (job.outcome.result != FetchResult::kNewBody) return;
  job.bodyHash = ContentHash(job.outcome.body);
  job.bodySize = job.outcome.body.size();
  job.sameAsCopy = job.hasCopy && job.bodyHash == job.copyHash && job.bodySize == job.copySize;
  if (!job.sameAsCopy && !WriteCopy(job.cacheFileName, job.outcome.body)) {
    job.outcome.result = FetchResult::kFailed;
    job.outcome.reason = "can't write its copy " + job.cacheFileName;
  }
  job.outcome.body.clear();
  job.outcome.body.shrink_to_fit();
}

DWORD WINAPI FetchThread(LPVOID parameter) {
  auto* job = static_cast<BroadcastSource::Job*>(parameter);
  RunJob(*job);
  job->done.store(true);
  return 0;
}

}  // namespace

BroadcastSource::BroadcastSource(const BroadcastAddress& address, const std::string& cacheFileName,
                                 const FetchTimeouts& timeouts)
    : address_(address), cacheFileName_(cacheFileName), timeouts_(timeouts) {}

BroadcastSource::~BroadcastSource() {
  if (thread_ == nullptr) return;
  job_->cancel.Cancel();
  WaitForSingleObject(thread_, INFINITE);
  CloseHandle(thread_);
}

std::unique_ptr<BroadcastSource::Job> BroadcastSource::NewJob() const {
  auto job = std::make_unique<Job>();
  job->address = address_;
  job->validators = validators_;
  job->timeouts = timeouts_;
  job->cacheFileName = cacheFileName_;
  job->hasCopy = hasCopy_;
  job->copyHash = copyHash_;
  job->copySize = copySize_;
  return job;
}

bool BroadcastSource::FetchFirstCopy(DWORD now) {
  std::unique_ptr<Job> job = NewJob();
  fetchedOnce_ = true;
  RunJob(*job);
  TakeOutcome(*job, now);
  return hasCopy_;
}

BroadcastPoll BroadcastSource::Poll(DWORD now) {
  if (thread_ != nullptr) {
    if (!job_->done.load()) return BroadcastPoll::kNothing;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    std::unique_ptr<Job> job = std::move(job_);
    return TakeOutcome(*job, now);
  }
  // The first fetch is due at once, whatever the clock says.
  if (fetchedOnce_ && !schedule_.Due(now)) return BroadcastPoll::kNothing;
  fetchedOnce_ = true;
  job_ = NewJob();
  thread_ = CreateThread(nullptr, 0, FetchThread, job_.get(), 0, nullptr);
  if (thread_ == nullptr) {
    // No thread to be had now: the same as a failed fetch.
    job_.reset();
    schedule_.Failed(now);
    failureText_ = CantFetchText(address_.text, "no thread could be started for it");
    return BroadcastPoll::kFailed;
  }
  return BroadcastPoll::kStarted;
}

void BroadcastSource::WaitForFetch() {
  if (thread_ != nullptr) WaitForSingleObject(thread_, INFINITE);
}

BroadcastPoll BroadcastSource::TakeOutcome(Job& job, DWORD now) {
  const FetchOutcome& outcome = job.outcome;
  if (outcome.result == FetchResult::kFailed || (outcome.result == FetchResult::kNotModified && !hasCopy_)) {
    schedule_.Failed(now);
    failureText_ = CantFetchText(
        address_.text, outcome.result == FetchResult::kFailed ? outcome.reason : "the server answered with status 304");
    return BroadcastPoll::kFailed;
  }
  schedule_.Answered(now);
  failureText_.clear();
  validators_ = outcome.validators;
  if (outcome.result == FetchResult::kNotModified || job.sameAsCopy) return BroadcastPoll::kUnchanged;
  hasCopy_ = true;
  copyHash_ = job.bodyHash;
  copySize_ = job.bodySize;
  ++copiesWritten_;
  return BroadcastPoll::kNewCopy;
}
