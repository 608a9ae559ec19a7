// The tests' HTTP server (test_http_server.h), over POSIX sockets.
#include "tests/network/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>

namespace {

void SendAll(int connection, const std::string& bytes) {
  size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The value of a header in a lower-cased request head, or "".
std::string HeaderIn(const std::string& head, const std::string& name) {
  const std::string key = "\r\n" + name + ": ";
  const size_t at = head.find(key);
  if (at == std::string::npos) return std::string();
  const size_t start = at + key.size();
  return head.substr(start, head.find("\r\n", start) - start);
}

}  // namespace

TestHttpServer::TestHttpServer() {
  listener_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (listener_ < 0) std::abort();
  sockaddr_in address = {};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) std::abort();
  if (listen(listener_, 16) != 0) std::abort();
  socklen_t length = sizeof address;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Run(); });
}

TestHttpServer::~TestHttpServer() {
  stop_.store(true);
  thread_.join();
  close(listener_);
}

std::string TestHttpServer::Address(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::Serve(const std::string& body, const std::string& etag, const std::string& lastModified) {
  std::lock_guard<std::mutex> hold(lock_);
  body_ = body;
  etag_ = etag;
  lastModified_ = lastModified;
}

void TestHttpServer::QueueFault(Fault fault) {
  std::lock_guard<std::mutex> hold(lock_);
  faults_.push_back(fault);
}

std::vector<std::string> TestHttpServer::Requests() const {
  std::lock_guard<std::mutex> hold(lock_);
  return requests_;
}

int TestHttpServer::RequestCount() const {
  std::lock_guard<std::mutex> hold(lock_);
  return static_cast<int>(requests_.size());
}

std::string TestHttpServer::LastRequest() const {
  std::lock_guard<std::mutex> hold(lock_);
  return requests_.empty() ? std::string() : requests_.back();
}

void TestHttpServer::Run() {
  while (!stop_.load()) {
    pollfd wanted = {listener_, POLLIN, 0};
    if (poll(&wanted, 1, 20) <= 0) continue;
    const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) continue;
    Answer(connection);
    close(connection);
  }
}

void TestHttpServer::Answer(int connection) {
  std::string head;
  char buffer[4096];
  while (head.find("\r\n\r\n") == std::string::npos) {
    pollfd wanted = {connection, POLLIN, 0};
    if (poll(&wanted, 1, 2000) <= 0) return;
    const ssize_t n = recv(connection, buffer, sizeof buffer, 0);
    if (n <= 0) return;
    head.append(buffer, static_cast<size_t>(n));
  }
  head = Lower(head.substr(0, head.find("\r\n\r\n") + 2));
  std::string body, etag, lastModified;
  bool faulty = false;
  Fault fault = Fault::kStatus500;
  {
    std::lock_guard<std::mutex> hold(lock_);
    requests_.push_back(head);
    body = body_;
    etag = etag_;
    lastModified = lastModified_;
    if (!faults_.empty()) {
      faulty = true;
      fault = faults_.front();
      faults_.pop_front();
    }
  }
  if (faulty) {
    switch (fault) {
      case Fault::kStatus500:
        SendAll(connection,
                "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 5\r\nConnection: close\r\n\r\noops\n");
        return;
      case Fault::kNotFound:
        SendAll(connection, "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
      case Fault::kDropBeforeAnswer: return;
      case Fault::kDropInBody:
        SendAll(connection, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) +
                                "\r\nConnection: close\r\n\r\n" + body.substr(0, body.size() / 2));
        return;
      case Fault::kKeepWaiting: {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!stop_.load() && std::chrono::steady_clock::now() < until)
          std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return;
      }
    }
  }
  std::string validators;
  if (!etag.empty()) validators += "ETag: " + etag + "\r\n";
  if (!lastModified.empty()) validators += "Last-Modified: " + lastModified + "\r\n";
  const std::string ifNoneMatch = HeaderIn(head, "if-none-match");
  const std::string ifModifiedSince = HeaderIn(head, "if-modified-since");
  const bool notModified = (!etag.empty() && ifNoneMatch == Lower(etag)) ||
                           (etag.empty() && !lastModified.empty() && ifModifiedSince == Lower(lastModified));
  if (notModified) {
    SendAll(connection, "HTTP/1.1 304 Not Modified\r\n" + validators + "Connection: close\r\n\r\n");
    return;
  }
  SendAll(connection, "HTTP/1.1 200 OK\r\nContent-Type: application/x-chess-pgn\r\nContent-Length: " +
                          std::to_string(body.size()) + "\r\n" + validators + "Connection: close\r\n\r\n" + body);
}
