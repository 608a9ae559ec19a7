// One conditional GET through WinHTTP (synchronous calls).
#include "viewer/show/http_fetch.h"

#include <vector>

#include "viewer/frame/program_version.h"

namespace {

// Text in the program's code page as UTF-16, as WinHTTP takes it; false for
// a text that is not valid in it.
bool Widen(const std::string& text, std::wstring* wide) {
  wide->clear();
  if (text.empty()) return true;
  const int length =
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return false;
  std::vector<WCHAR> units(static_cast<size_t>(length));
  if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), units.data(),
                          length) != length)
    return false;
  wide->assign(units.begin(), units.end());
  return true;
}

// A response header as text, or "" when it is missing, too long or not ASCII.
std::string HeaderValue(HINTERNET request, DWORD query) {
  WCHAR buffer[kLongestValidator + 1];
  DWORD size = sizeof buffer;
  if (!WinHttpQueryHeaders(request, query, WINHTTP_HEADER_NAME_BY_INDEX, buffer, &size, WINHTTP_NO_HEADER_INDEX))
    return std::string();
  std::string value;
  for (DWORD i = 0; i < size / sizeof(WCHAR); ++i) {
    const unsigned unit = static_cast<unsigned>(buffer[i]) & 0xFFFF;
    if (unit > 0x7E) return std::string();
    value += static_cast<char>(unit);
  }
  return UsableValidator(value) ? value : std::string();
}

bool AddHeader(HINTERNET request, const char* name, const std::string& value) {
  std::wstring line;
  if (!Widen(std::string(name) + ": " + value, &line)) return false;
  return WinHttpAddRequestHeaders(request, line.c_str(), static_cast<DWORD>(-1L), WINHTTP_ADDREQ_FLAG_ADD) != FALSE;
}

FetchOutcome Failure(const std::string& reason, DWORD status = 0) {
  FetchOutcome outcome;
  outcome.result = FetchResult::kFailed;
  outcome.reason = reason;
  outcome.status = status;
  return outcome;
}

// The request's exchange with the server, once the handle is open.
FetchOutcome Exchange(HINTERNET request, const FetchValidators& sent, FetchCancel* cancel) {
  if (!sent.etag.empty() && !AddHeader(request, "If-None-Match", sent.etag))
    return Failure(FetchFailureReason(GetLastError()));
  if (!sent.lastModified.empty() && !AddHeader(request, "If-Modified-Since", sent.lastModified))
    return Failure(FetchFailureReason(GetLastError()));
  if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
      !WinHttpReceiveResponse(request, nullptr)) {
    return Failure(FetchFailureReason(cancel->Cancelled() ? ERROR_WINHTTP_OPERATION_CANCELLED : GetLastError()));
  }
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                           &status, &size, WINHTTP_NO_HEADER_INDEX))
    return Failure(FetchFailureReason(GetLastError()));
  FetchOutcome outcome;
  outcome.status = status;
  // A 304 may carry new validators; the old ones stand otherwise.
  outcome.validators.etag = HeaderValue(request, WINHTTP_QUERY_ETAG);
  outcome.validators.lastModified = HeaderValue(request, WINHTTP_QUERY_LAST_MODIFIED);
  if (status == 304 && (!sent.etag.empty() || !sent.lastModified.empty())) {
    if (outcome.validators.etag.empty()) outcome.validators.etag = sent.etag;
    if (outcome.validators.lastModified.empty()) outcome.validators.lastModified = sent.lastModified;
    outcome.result = FetchResult::kNotModified;
    return outcome;
  }
  if (status != 200) return Failure("the server answered with status " + std::to_string(status), status);
  char buffer[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (!WinHttpReadData(request, buffer, sizeof buffer, &got)) {
      return Failure(FetchFailureReason(cancel->Cancelled() ? ERROR_WINHTTP_OPERATION_CANCELLED : GetLastError()),
                     status);
    }
    if (got == 0) break;
    if (outcome.body.size() + got > kLargestBroadcastFile) return Failure("the file is larger than 64 MB", status);
    outcome.body.append(buffer, got);
  }
  if (outcome.body.empty()) return Failure("the server sent an empty file", status);
  outcome.result = FetchResult::kNewBody;
  return outcome;
}

}  // namespace

void FetchCancel::Cancel() {
  stop_.store(true);
  const HINTERNET request = request_.exchange(nullptr);
  if (request != nullptr) WinHttpCloseHandle(request);
}

bool FetchCancel::Hold(HINTERNET request) {
  request_.store(request);
  if (!stop_.load()) return true;
  Release(request);
  return false;
}

void FetchCancel::Release(HINTERNET request) {
  HINTERNET expected = request;
  if (request_.compare_exchange_strong(expected, nullptr)) WinHttpCloseHandle(request);
}

std::string FetchFailureReason(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: return "the server's name is unknown";
    case ERROR_WINHTTP_CANNOT_CONNECT: return "the server did not answer";
    case ERROR_WINHTTP_TIMEOUT: return "the server did not answer in time";
    case ERROR_WINHTTP_SECURE_FAILURE: return "the secure connection failed";
    case ERROR_WINHTTP_CONNECTION_ERROR: return "the connection broke off";
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return "the server's answer was not understood";
    case ERROR_WINHTTP_REDIRECT_FAILED: return "the server sent it on to an address that could not be followed";
    case ERROR_WINHTTP_OPERATION_CANCELLED: return "the fetch was cancelled";
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: return "the address is not valid";
    case ERROR_NOT_ENOUGH_MEMORY: return "there is not enough memory";
    default: return "the fetch failed (error " + std::to_string(error) + ")";
  }
}

FetchOutcome FetchOnce(const BroadcastAddress& address, const FetchValidators& validators,
                       const FetchTimeouts& timeouts, FetchCancel* cancel) {
  std::wstring host;
  std::wstring path;
  if (!Widen(address.host, &host) || !Widen(address.path, &path) || host.empty())
    return Failure("the address is not valid");
  const HINTERNET session = WinHttpOpen(L"Tarnwicket/" TARNWICKET_VERSION, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                        WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  if (session == nullptr) return Failure(FetchFailureReason(GetLastError()));
  FetchOutcome outcome;
  WinHttpSetTimeouts(session, timeouts.resolveMs, timeouts.connectMs, timeouts.sendMs, timeouts.receiveMs);
  const HINTERNET connection = WinHttpConnect(session, host.c_str(), address.port, 0);
  if (connection == nullptr) {
    outcome = Failure(FetchFailureReason(GetLastError()));
  } else {
    const HINTERNET request =
        WinHttpOpenRequest(connection, L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                           address.secure ? WINHTTP_FLAG_SECURE : 0);
    if (request == nullptr) {
      outcome = Failure(FetchFailureReason(GetLastError()));
    } else if (!cancel->Hold(request)) {
      outcome = Failure(FetchFailureReason(ERROR_WINHTTP_OPERATION_CANCELLED));
    } else {
      outcome = Exchange(request, validators, cancel);
      cancel->Release(request);
    }
    WinHttpCloseHandle(connection);
  }
  WinHttpCloseHandle(session);
  return outcome;
}
