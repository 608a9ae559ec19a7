// The WinHTTP subset over libcurl against the tests' own server: the status,
// the validators both ways, a 304, a 500, connections dropped before the
// answer and in the body, a server that cannot be reached, a request closed
// from another thread while it waits, and the calls out of order.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/win32.h"
#include "tests/network/test_http_server.h"

namespace {

struct Handles {
  HINTERNET session = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  ~Handles() {
    if (request != nullptr) WinHttpCloseHandle(request);
    if (connection != nullptr) WinHttpCloseHandle(connection);
    if (session != nullptr) WinHttpCloseHandle(session);
  }
};

void Open(Handles& h, int port, const wchar_t* path) {
  h.session =
      WinHttpOpen(L"TarnwicketTest", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  ASSERT_NE(h.session, nullptr);
  ASSERT_TRUE(WinHttpSetTimeouts(h.session, 2000, 2000, 2000, 2000));
  h.connection = WinHttpConnect(h.session, L"127.0.0.1", static_cast<INTERNET_PORT>(port), 0);
  ASSERT_NE(h.connection, nullptr);
  h.request =
      WinHttpOpenRequest(h.connection, L"GET", path, nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, 0);
  ASSERT_NE(h.request, nullptr);
}

DWORD Status(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  EXPECT_TRUE(WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                  WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX));
  return status;
}

std::wstring Header(HINTERNET request, DWORD query) {
  WCHAR buffer[256];
  DWORD size = sizeof buffer;
  if (!WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, buffer, &size, WINHTTP_NO_HEADER_INDEX))
    return L"<" + std::to_wstring(GetLastError()) + L">";
  return std::wstring(buffer, size / sizeof(WCHAR));
}

// Reads the body to its end; false (with the error) when it broke off.
bool Body(HINTERNET request, std::string* body, DWORD* error) {
  char buffer[7];  // small, so that reading takes several calls
  for (;;) {
    DWORD got = 0;
    if (!WinHttpReadData(request, buffer, sizeof buffer, &got)) {
      *error = GetLastError();
      return false;
    }
    if (got == 0) return true;
    body->append(buffer, got);
  }
}

TEST(WinHttpSubset, GetsTheFileWithItsStatusAndValidators) {
  TestHttpServer server;
  server.Serve("1. e4 e5 *\n", "\"v1\"", "Mon, 01 Jan 2024 10:00:00 GMT");
  Handles h;
  Open(h, server.Port(), L"/round/1.pgn?x=1");
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  ASSERT_TRUE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(Status(h.request), 200u);
  EXPECT_EQ(Header(h.request, WINHTTP_QUERY_ETAG), L"\"v1\"");
  EXPECT_EQ(Header(h.request, WINHTTP_QUERY_LAST_MODIFIED), L"Mon, 01 Jan 2024 10:00:00 GMT");
  WCHAR status[8];
  DWORD size = sizeof status;
  ASSERT_TRUE(WinHttpQueryHeaders(h.request, WINHTTP_QUERY_STATUS_CODE, WINHTTP_HEADER_NAME_BY_INDEX, status, &size,
                                  WINHTTP_NO_HEADER_INDEX));
  EXPECT_EQ(std::wstring(status, size / sizeof(WCHAR)), L"200");
  std::string body;
  DWORD error = 0;
  ASSERT_TRUE(Body(h.request, &body, &error));
  EXPECT_EQ(body, "1. e4 e5 *\n");
  EXPECT_NE(server.LastRequest().find("get /round/1.pgn?x=1 http/1.1\r\n"), std::string::npos);
  EXPECT_NE(server.LastRequest().find("user-agent: tarnwickettest\r\n"), std::string::npos);
}

TEST(WinHttpSubset, SendsAddedHeadersAndGetsNotModified) {
  TestHttpServer server;
  server.Serve("1. e4 *\n", "\"v7\"");
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(
      WinHttpAddRequestHeaders(h.request, L"If-None-Match: \"v7\"", static_cast<DWORD>(-1L), WINHTTP_ADDREQ_FLAG_ADD));
  ASSERT_TRUE(WinHttpAddRequestHeaders(h.request, L"If-Modified-Since: Tue, 02 Jan 2024 00:00:00 GMT\r\n",
                                       static_cast<DWORD>(-1L), WINHTTP_ADDREQ_FLAG_ADD));
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  ASSERT_TRUE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(Status(h.request), 304u);
  EXPECT_EQ(Header(h.request, WINHTTP_QUERY_LAST_MODIFIED),
            L"<" + std::to_wstring(ERROR_WINHTTP_HEADER_NOT_FOUND) + L">");
  std::string body;
  DWORD error = 0;
  EXPECT_TRUE(Body(h.request, &body, &error));
  EXPECT_EQ(body, "");
  EXPECT_NE(server.LastRequest().find("if-none-match: \"v7\"\r\n"), std::string::npos);
  EXPECT_NE(server.LastRequest().find("if-modified-since: tue, 02 jan 2024 00:00:00 gmt\r\n"), std::string::npos);
}

TEST(WinHttpSubset, RefusesAHeaderLineThatIsNoHeader) {
  TestHttpServer server;
  Handles h;
  Open(h, server.Port(), L"/");
  EXPECT_FALSE(WinHttpAddRequestHeaders(h.request, L"no colon here", static_cast<DWORD>(-1L), WINHTTP_ADDREQ_FLAG_ADD));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INVALID_HEADER));
  EXPECT_FALSE(
      WinHttpAddRequestHeaders(h.request, L"X-Bad: a\x0001z", static_cast<DWORD>(-1L), WINHTTP_ADDREQ_FLAG_ADD));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INVALID_HEADER));
}

TEST(WinHttpSubset, AnswersAServerErrorWithItsStatusAndBody) {
  TestHttpServer server;
  server.QueueFault(TestHttpServer::Fault::kStatus500);
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  ASSERT_TRUE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(Status(h.request), 500u);
  std::string body;
  DWORD error = 0;
  EXPECT_TRUE(Body(h.request, &body, &error));
  EXPECT_EQ(body, "oops\n");
}

TEST(WinHttpSubset, ConnectionDroppedBeforeTheAnswerFailsReceiveResponse) {
  TestHttpServer server;
  server.QueueFault(TestHttpServer::Fault::kDropBeforeAnswer);
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  EXPECT_FALSE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INVALID_SERVER_RESPONSE));
}

TEST(WinHttpSubset, ConnectionDroppedInTheBodyFailsTheReadAfterWhatCame) {
  TestHttpServer server;
  server.Serve("0123456789abcdefghij", "\"x\"");
  server.QueueFault(TestHttpServer::Fault::kDropInBody);
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  ASSERT_TRUE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(Status(h.request), 200u);
  std::string body;
  DWORD error = 0;
  EXPECT_FALSE(Body(h.request, &body, &error));
  EXPECT_EQ(error, static_cast<DWORD>(ERROR_WINHTTP_CONNECTION_ERROR));
  EXPECT_EQ(body, "0123456789");
}

TEST(WinHttpSubset, ServerNotListeningFailsSendRequest) {
  int port;
  {
    TestHttpServer gone;
    port = gone.Port();
  }
  Handles h;
  Open(h, port, L"/a.pgn");
  EXPECT_FALSE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_CANNOT_CONNECT));
  EXPECT_FALSE(WinHttpReceiveResponse(h.request, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INCORRECT_HANDLE_STATE));
}

TEST(WinHttpSubset, ClosingTheRequestFromAnotherThreadEndsItsWait) {
  TestHttpServer server;
  server.QueueFault(TestHttpServer::Fault::kKeepWaiting);
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(WinHttpSetTimeouts(h.request, 0, 0, 0, 0));  // no time-out would end it
  const HINTERNET request = h.request;
  h.request = nullptr;
  std::thread closer([request] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    WinHttpCloseHandle(request);
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_OPERATION_CANCELLED));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  closer.join();
  EXPECT_LT(seconds, 3.0);
  EXPECT_FALSE(WinHttpReceiveResponse(request, nullptr));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(WinHttpSubset, QueriesBeforeTheResponseAndWrongHandlesFail) {
  TestHttpServer server;
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  DWORD status = 0;
  DWORD size = sizeof status;
  EXPECT_FALSE(WinHttpQueryHeaders(h.request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                   WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INCORRECT_HANDLE_STATE));
  EXPECT_EQ(WinHttpConnect(h.request, L"127.0.0.1", 80, 0), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_WINHTTP_INCORRECT_HANDLE_TYPE));
  EXPECT_FALSE(WinHttpCloseHandle(reinterpret_cast<HINTERNET>(0x1234)));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(WinHttpSubset, TooSmallABufferSaysHowLargeItMustBe) {
  TestHttpServer server;
  server.Serve("x", "\"0123456789\"");
  Handles h;
  Open(h, server.Port(), L"/a.pgn");
  ASSERT_TRUE(WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0));
  ASSERT_TRUE(WinHttpReceiveResponse(h.request, nullptr));
  WCHAR small[4];
  DWORD size = sizeof small;
  EXPECT_FALSE(WinHttpQueryHeaders(h.request, WINHTTP_QUERY_ETAG, WINHTTP_HEADER_NAME_BY_INDEX, small, &size,
                                   WINHTTP_NO_HEADER_INDEX));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(size, 13 * sizeof(WCHAR));
}

}  // namespace
