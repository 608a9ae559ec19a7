// The objects behind WinHTTP's handles (session, connection, request) and
// their table. A handle closed on one thread while another thread's call is
// still using it cancels that call, as WinHttpCloseHandle does on Windows.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"

typedef void CURL;

// WinHTTP's time-outs in milliseconds; 0 waits for ever.
struct HttpTimeouts {
  int resolve = 0;
  int connect = 60000;
  int send = 30000;
  int receive = 30000;
};

class InternetObject {
 public:
  virtual ~InternetObject() = default;
  std::atomic<bool> closed{false};
};

class HttpSession : public InternetObject {
 public:
  std::string agent;
  bool noProxy = false;
  HttpTimeouts timeouts;
};

class HttpConnection : public InternetObject {
 public:
  std::shared_ptr<HttpSession> session;
  std::string host;  // UTF-8; an IPv6 address in brackets
  INTERNET_PORT port = INTERNET_DEFAULT_PORT;
};

class HttpRequest : public InternetObject {
 public:
  ~HttpRequest() override;

  enum class State { kOpened, kSent, kReceived };

  std::shared_ptr<HttpConnection> connection;
  std::string verb;  // GET or HEAD
  std::string path;  // with its query, escaped
  bool secure = false;
  HttpTimeouts timeouts;
  std::vector<std::string> headers;  // "Name: value"
  State state = State::kOpened;

  // The finished transfer: curl's handle (which answers for the response's
  // headers), the status, the body, and the error that each later call
  // reports (0: none).
  CURL* easy = nullptr;
  long status = 0;
  std::string body;
  size_t readAt = 0;
  DWORD sendError = 0;
  DWORD receiveError = 0;
  DWORD readError = 0;
  bool headersEnded = false;
};

// Enters an object and returns its handle.
HINTERNET InternetObjectAdd(std::shared_ptr<InternetObject> object);

// The object of a handle, or null (an unknown or closed handle).
std::shared_ptr<InternetObject> InternetObjectFind(HINTERNET handle);

// Takes the handle out of the table and marks its object closed; false for
// an unknown handle.
bool InternetObjectClose(HINTERNET handle);

// Runs the request's transfer to its end with libcurl and files its outcome
// (HttpRequest's response fields) for the calls that report it.
void HttpPerform(HttpRequest& request);
