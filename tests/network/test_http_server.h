// A small HTTP/1.1 server on 127.0.0.1 for the tests: serves one file with its
// ETag and Last-Modified, answers 304 to a request that names them, and on
// demand answers 500, drops the connection before answering or in the middle
// of the body, or keeps the client waiting. One connection at a time, each
// closed after its answer. Records every request's head.
#pragma once

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TestHttpServer {
 public:
  enum class Fault { kStatus500, kDropBeforeAnswer, kDropInBody, kKeepWaiting, kNotFound };

  TestHttpServer();
  ~TestHttpServer();

  int Port() const { return port_; }
  // "http://127.0.0.1:PORT" followed by `path`.
  std::string Address(const std::string& path) const;

  // The file answered from now on, with its validators ("" leaves one out).
  void Serve(const std::string& body, const std::string& etag, const std::string& lastModified = "");
  // The next request gets this fault instead of the file (faults queue up).
  void QueueFault(Fault fault);

  // The heads of the requests so far, lower-cased.
  std::vector<std::string> Requests() const;
  int RequestCount() const;
  // The last request's head, lower-cased.
  std::string LastRequest() const;

 private:
  void Run();
  void Answer(int connection);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex lock_;
  std::string body_;
  std::string etag_;
  std::string lastModified_;
  std::deque<Fault> faults_;
  std::vector<std::string> requests_;
  std::thread thread_;
};
