// The WinHTTP calls of the subset (platform/README.md) over the objects of
// http_objects.h; the transfer itself is http_transfer.cpp's.
#include <curl/curl.h>

#include <cctype>
#include <cstring>
#include <string>

#include "platform/src/core_backend.h"
#include "platform/src/http_objects.h"

namespace {

// A wide text (UTF-16 code units) as UTF-8.
std::string Utf8Of(LPCWSTR text, size_t length) {
  std::string out;
  for (size_t i = 0; i < length; ++i) {
    uint32_t c = static_cast<uint32_t>(text[i]) & 0xFFFF;
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length) {
      const uint32_t low = static_cast<uint32_t>(text[i + 1]) & 0xFFFF;
      if (low >= 0xDC00 && low <= 0xDFFF) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (c >= 0xD800 && c <= 0xDFFF) c = 0xFFFD;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

size_t WideLength(LPCWSTR text) {
  size_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

std::string Utf8Of(LPCWSTR text) { return text == nullptr ? std::string() : Utf8Of(text, WideLength(text)); }

// The path as WinHTTP sends it: characters that cannot stand in a request
// line (blanks, controls, anything outside ASCII) percent-escaped.
std::string EscapedPath(const std::string& path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = path.empty() || path[0] != '/' ? "/" : "";
  for (unsigned char c : path) {
    if (c <= 0x20 || c >= 0x7F) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

template <typename Kind>
std::shared_ptr<Kind> Find(HINTERNET handle) {
  const std::shared_ptr<InternetObject> object = InternetObjectFind(handle);
  if (object == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  std::shared_ptr<Kind> wanted = std::dynamic_pointer_cast<Kind>(object);
  if (wanted == nullptr) SetLastError(ERROR_WINHTTP_INCORRECT_HANDLE_TYPE);
  return wanted;
}

bool Fail(DWORD error) {
  SetLastError(error);
  return false;
}

// One header line of WinHttpAddRequestHeaders: "Name: value", printable.
bool ValidHeader(const std::string& line) {
  const size_t colon = line.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  for (size_t i = 0; i < line.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if ((c < 0x20 && c != '\t') || c == 0x7F) return false;
    if (i < colon && (c == ' ' || c == '\t')) return false;
  }
  return true;
}

std::string HeaderName(const std::string& line) { return line.substr(0, line.find(':')); }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

HINTERNET WINAPI WinHttpOpen(LPCWSTR pszAgentW, DWORD dwAccessType, LPCWSTR pszProxyW, LPCWSTR pszProxyBypassW,
                             DWORD dwFlags) {
  if (dwFlags != 0) PlatformFail("WinHttpOpen", "flags (asynchronous sessions)");
  if (dwAccessType != WINHTTP_ACCESS_TYPE_DEFAULT_PROXY && dwAccessType != WINHTTP_ACCESS_TYPE_NO_PROXY)
    PlatformFail("WinHttpOpen", "access types other than DEFAULT_PROXY and NO_PROXY");
  if (pszProxyW != WINHTTP_NO_PROXY_NAME || pszProxyBypassW != WINHTTP_NO_PROXY_BYPASS)
    PlatformFail("WinHttpOpen", "named proxies");
  auto session = std::make_shared<HttpSession>();
  session->agent = Utf8Of(pszAgentW);
  session->noProxy = dwAccessType == WINHTTP_ACCESS_TYPE_NO_PROXY;
  return InternetObjectAdd(std::move(session));
}

BOOL WINAPI WinHttpSetTimeouts(HINTERNET hInternet, int nResolveTimeout, int nConnectTimeout, int nSendTimeout,
                               int nReceiveTimeout) {
  if (nResolveTimeout < -1 || nConnectTimeout < -1 || nSendTimeout < -1 || nReceiveTimeout < -1)
    return Fail(ERROR_INVALID_PARAMETER);
  const std::shared_ptr<InternetObject> object = InternetObjectFind(hInternet);
  if (object == nullptr) return Fail(ERROR_INVALID_HANDLE);
  HttpTimeouts* timeouts = nullptr;
  if (auto* session = dynamic_cast<HttpSession*>(object.get())) timeouts = &session->timeouts;
  if (auto* request = dynamic_cast<HttpRequest*>(object.get())) timeouts = &request->timeouts;
  if (timeouts == nullptr) return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_TYPE);
  // -1 is "for ever", as 0 is.
  timeouts->resolve = nResolveTimeout < 0 ? 0 : nResolveTimeout;
  timeouts->connect = nConnectTimeout < 0 ? 0 : nConnectTimeout;
  timeouts->send = nSendTimeout < 0 ? 0 : nSendTimeout;
  timeouts->receive = nReceiveTimeout < 0 ? 0 : nReceiveTimeout;
  return TRUE;
}

HINTERNET WINAPI WinHttpConnect(HINTERNET hSession, LPCWSTR pswzServerName, INTERNET_PORT nServerPort,
                                DWORD dwReserved) {
  if (dwReserved != 0) PlatformFail("WinHttpConnect", "the reserved value must be 0");
  const std::shared_ptr<HttpSession> session = Find<HttpSession>(hSession);
  if (session == nullptr) return nullptr;
  if (pswzServerName == nullptr || pswzServerName[0] == 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto connection = std::make_shared<HttpConnection>();
  connection->session = session;
  connection->host = Utf8Of(pswzServerName);
  connection->port = nServerPort;
  return InternetObjectAdd(std::move(connection));
}

HINTERNET WINAPI WinHttpOpenRequest(HINTERNET hConnect, LPCWSTR pwszVerb, LPCWSTR pwszObjectName, LPCWSTR pwszVersion,
                                    LPCWSTR pwszReferrer, LPCWSTR* ppwszAcceptTypes, DWORD dwFlags) {
  const std::string verb = pwszVerb == nullptr ? "GET" : Utf8Of(pwszVerb);
  if (verb != "GET" && verb != "HEAD") PlatformFail("WinHttpOpenRequest", "verbs other than GET and HEAD");
  if (pwszVersion != nullptr && Utf8Of(pwszVersion) != "HTTP/1.1")
    PlatformFail("WinHttpOpenRequest", "versions other than HTTP/1.1");
  if (pwszReferrer != WINHTTP_NO_REFERER || ppwszAcceptTypes != WINHTTP_DEFAULT_ACCEPT_TYPES)
    PlatformFail("WinHttpOpenRequest", "referrers and accept types");
  if ((dwFlags & ~WINHTTP_FLAG_SECURE) != 0) PlatformFail("WinHttpOpenRequest", "flags other than WINHTTP_FLAG_SECURE");
  const std::shared_ptr<HttpConnection> connection = Find<HttpConnection>(hConnect);
  if (connection == nullptr) return nullptr;
  auto request = std::make_shared<HttpRequest>();
  request->connection = connection;
  request->verb = verb;
  request->path = EscapedPath(Utf8Of(pwszObjectName));
  request->secure = (dwFlags & WINHTTP_FLAG_SECURE) != 0;
  request->timeouts = connection->session->timeouts;
  return InternetObjectAdd(std::move(request));
}

BOOL WINAPI WinHttpAddRequestHeaders(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength,
                                     DWORD dwModifiers) {
  if ((dwModifiers & WINHTTP_ADDREQ_FLAG_ADD) == 0 ||
      (dwModifiers & ~(WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) != 0)
    PlatformFail("WinHttpAddRequestHeaders", "modifiers other than ADD and ADD | REPLACE");
  const std::shared_ptr<HttpRequest> request = Find<HttpRequest>(hRequest);
  if (request == nullptr) return FALSE;
  if (lpszHeaders == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (request->state != HttpRequest::State::kOpened) return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  const size_t length = dwHeadersLength == static_cast<DWORD>(-1L) ? WideLength(lpszHeaders) : dwHeadersLength;
  for (size_t i = 0; i < length; ++i) {
    if ((static_cast<uint32_t>(lpszHeaders[i]) & 0xFFFF) > 0x7E) return Fail(ERROR_WINHTTP_INVALID_HEADER);
  }
  // Lines apart by CR LF; each must be a header.
  const std::string text = Utf8Of(lpszHeaders, length);
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    if (!line.empty()) {
      if (!ValidHeader(line)) return Fail(ERROR_WINHTTP_INVALID_HEADER);
      lines.push_back(line);
    }
    start = end + 2;
  }
  for (const std::string& line : lines) {
    if (dwModifiers & WINHTTP_ADDREQ_FLAG_REPLACE) {
      const std::string name = HeaderName(line);
      for (auto at = request->headers.begin(); at != request->headers.end();) {
        at = SameName(HeaderName(*at), name) ? request->headers.erase(at) : at + 1;
      }
    }
    request->headers.push_back(line);
  }
  return TRUE;
}

BOOL WINAPI WinHttpSendRequest(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength, LPVOID lpOptional,
                               DWORD dwOptionalLength, DWORD dwTotalLength, DWORD_PTR /*dwContext*/) {
  if (lpszHeaders != WINHTTP_NO_ADDITIONAL_HEADERS || dwHeadersLength != 0)
    PlatformFail("WinHttpSendRequest", "headers are added with WinHttpAddRequestHeaders");
  if (lpOptional != WINHTTP_NO_REQUEST_DATA || dwOptionalLength != 0 || dwTotalLength != 0)
    PlatformFail("WinHttpSendRequest", "request bodies");
  const std::shared_ptr<HttpRequest> request = Find<HttpRequest>(hRequest);
  if (request == nullptr) return FALSE;
  if (request->state != HttpRequest::State::kOpened) return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  request->state = HttpRequest::State::kSent;
  HttpPerform(*request);
  if (request->sendError != 0) return Fail(request->sendError);
  return TRUE;
}

BOOL WINAPI WinHttpReceiveResponse(HINTERNET hRequest, LPVOID lpReserved) {
  if (lpReserved != nullptr) PlatformFail("WinHttpReceiveResponse", "the reserved value must be NULL");
  const std::shared_ptr<HttpRequest> request = Find<HttpRequest>(hRequest);
  if (request == nullptr) return FALSE;
  if (request->state != HttpRequest::State::kSent || request->sendError != 0)
    return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  if (request->closed.load()) return Fail(ERROR_WINHTTP_OPERATION_CANCELLED);
  if (request->receiveError != 0) return Fail(request->receiveError);
  request->state = HttpRequest::State::kReceived;
  return TRUE;
}

BOOL WINAPI WinHttpQueryHeaders(HINTERNET hRequest, DWORD dwInfoLevel, LPCWSTR pwszName, LPVOID lpBuffer,
                                LPDWORD lpdwBufferLength, LPDWORD lpdwIndex) {
  if (pwszName != WINHTTP_HEADER_NAME_BY_INDEX || lpdwIndex != WINHTTP_NO_HEADER_INDEX)
    PlatformFail("WinHttpQueryHeaders", "headers by name and header indexes");
  const DWORD level = dwInfoLevel & ~static_cast<DWORD>(WINHTTP_QUERY_FLAG_NUMBER);
  const bool number = (dwInfoLevel & WINHTTP_QUERY_FLAG_NUMBER) != 0;
  const char* name = nullptr;
  if (level == WINHTTP_QUERY_ETAG) name = "ETag";
  if (level == WINHTTP_QUERY_LAST_MODIFIED) name = "Last-Modified";
  if (level != WINHTTP_QUERY_STATUS_CODE && name == nullptr)
    PlatformFail("WinHttpQueryHeaders", "information other than the status code, ETag and Last-Modified");
  if (number && level != WINHTTP_QUERY_STATUS_CODE)
    PlatformFail("WinHttpQueryHeaders", "WINHTTP_QUERY_FLAG_NUMBER is for the status code");
  const std::shared_ptr<HttpRequest> request = Find<HttpRequest>(hRequest);
  if (request == nullptr) return FALSE;
  if (request->state != HttpRequest::State::kReceived) return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  if (lpdwBufferLength == nullptr) return Fail(ERROR_INVALID_PARAMETER);
  if (number) {
    if (lpBuffer == nullptr || *lpdwBufferLength < sizeof(DWORD)) {
      *lpdwBufferLength = sizeof(DWORD);
      return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    const DWORD status = static_cast<DWORD>(request->status);
    std::memcpy(lpBuffer, &status, sizeof status);
    *lpdwBufferLength = sizeof(DWORD);
    return TRUE;
  }
  std::string value;
  if (name == nullptr) {
    value = std::to_string(request->status);
  } else {
    curl_header* header = nullptr;
    if (curl_easy_header(request->easy, name, 0, CURLH_HEADER, -1, &header) != CURLHE_OK || header == nullptr)
      return Fail(ERROR_WINHTTP_HEADER_NOT_FOUND);
    value = header->value;
  }
  // One wide character for each byte, as ISO 8859-1, and a terminating zero.
  const DWORD needed = static_cast<DWORD>((value.size() + 1) * sizeof(WCHAR));
  if (lpBuffer == nullptr || *lpdwBufferLength < needed) {
    *lpdwBufferLength = needed;
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  WCHAR* out = static_cast<WCHAR*>(lpBuffer);
  for (size_t i = 0; i < value.size(); ++i) out[i] = static_cast<WCHAR>(static_cast<unsigned char>(value[i]));
  out[value.size()] = 0;
  *lpdwBufferLength = needed - sizeof(WCHAR);
  return TRUE;
}

BOOL WINAPI WinHttpReadData(HINTERNET hRequest, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead,
                            LPDWORD lpdwNumberOfBytesRead) {
  const std::shared_ptr<HttpRequest> request = Find<HttpRequest>(hRequest);
  if (request == nullptr) return FALSE;
  if (lpdwNumberOfBytesRead == nullptr || (lpBuffer == nullptr && dwNumberOfBytesToRead > 0))
    return Fail(ERROR_INVALID_PARAMETER);
  *lpdwNumberOfBytesRead = 0;
  if (request->state != HttpRequest::State::kReceived) return Fail(ERROR_WINHTTP_INCORRECT_HANDLE_STATE);
  const size_t left = request->body.size() - request->readAt;
  // What arrived is read first; a body cut short fails at its end.
  if (left == 0 && request->readError != 0) return Fail(request->readError);
  const size_t count = left < dwNumberOfBytesToRead ? left : dwNumberOfBytesToRead;
  if (count > 0) std::memcpy(lpBuffer, request->body.data() + request->readAt, count);
  request->readAt += count;
  *lpdwNumberOfBytesRead = static_cast<DWORD>(count);
  return TRUE;
}

BOOL WINAPI WinHttpCloseHandle(HINTERNET hInternet) {
  if (!InternetObjectClose(hInternet)) return Fail(ERROR_INVALID_HANDLE);
  return TRUE;
}
