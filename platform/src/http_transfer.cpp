// One request's transfer with libcurl, and its outcome as WinHTTP reports it:
// failures to resolve, connect or secure the connection at
// WinHttpSendRequest, a missing or broken response at WinHttpReceiveResponse,
// a body cut short at WinHttpReadData.
#include <curl/curl.h>

#include <mutex>
#include <string>

#include "platform/src/http_objects.h"

namespace {

// The body is held in memory; past this the transfer stops.
constexpr size_t kLargestBody = size_t{256} << 20;

struct Transfer {
  HttpRequest* request;
  bool bodyTooLarge = false;
};

size_t TakeHeaderLine(char* data, size_t size, size_t count, void* context) {
  HttpRequest& request = *static_cast<Transfer*>(context)->request;
  const size_t length = size * count;
  // Each response (a redirection's too) starts with its status line and ends
  // with an empty line.
  if (length >= 5 && std::string(data, 5) == "HTTP/") request.headersEnded = false;
  if ((length == 2 && data[0] == '\r' && data[1] == '\n') || (length == 1 && data[0] == '\n'))
    request.headersEnded = true;
  return length;
}

size_t TakeBody(char* data, size_t size, size_t count, void* context) {
  Transfer& transfer = *static_cast<Transfer*>(context);
  const size_t length = size * count;
  if (transfer.request->body.size() + length > kLargestBody) {
    transfer.bodyTooLarge = true;
    return 0;
  }
  transfer.request->body.append(data, length);
  return length;
}

int CheckClosed(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  return static_cast<Transfer*>(context)->request->closed.load() ? 1 : 0;
}

long Seconds(int milliseconds) { return milliseconds <= 0 ? 0 : (milliseconds + 999) / 1000; }

std::string Url(const HttpRequest& request) {
  const HttpConnection& connection = *request.connection;
  INTERNET_PORT port = connection.port;
  if (port == INTERNET_DEFAULT_PORT) port = request.secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT;
  return std::string(request.secure ? "https://" : "http://") + connection.host + ":" + std::to_string(port) +
         request.path;
}

bool SecureFailure(CURLcode code) {
  switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ENGINE_NOTFOUND:
    case CURLE_SSL_ENGINE_SETFAILED:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_SHUTDOWN_FAILED: return true;
    default: return false;
  }
}

// Files a failed transfer's error with the call that reports it.
void FileFailure(HttpRequest& request, CURLcode code, bool bodyTooLarge) {
  curl_off_t connectTime = 0;
  curl_easy_getinfo(request.easy, CURLINFO_CONNECT_TIME_T, &connectTime);
  const bool connected = connectTime > 0;
  if (code == CURLE_ABORTED_BY_CALLBACK) {
    request.sendError = ERROR_WINHTTP_OPERATION_CANCELLED;
    return;
  }
  // The final response's headers are all in: the body broke off.
  const bool redirection = request.status >= 300 && request.status < 400 && request.status != 304;
  if (request.headersEnded && !redirection) {
    if (bodyTooLarge) {
      request.readError = ERROR_NOT_ENOUGH_MEMORY;
    } else {
      request.readError = code == CURLE_OPERATION_TIMEDOUT ? ERROR_WINHTTP_TIMEOUT : ERROR_WINHTTP_CONNECTION_ERROR;
    }
    return;
  }
  if (SecureFailure(code)) {
    request.sendError = ERROR_WINHTTP_SECURE_FAILURE;
    return;
  }
  switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY: request.sendError = ERROR_WINHTTP_NAME_NOT_RESOLVED; return;
    case CURLE_COULDNT_CONNECT: request.sendError = ERROR_WINHTTP_CANNOT_CONNECT; return;
    case CURLE_URL_MALFORMAT: request.sendError = ERROR_WINHTTP_INVALID_URL; return;
    case CURLE_OPERATION_TIMEDOUT:
      if (connected) {
        request.receiveError = ERROR_WINHTTP_TIMEOUT;
      } else {
        request.sendError = ERROR_WINHTTP_TIMEOUT;
      }
      return;
    case CURLE_SEND_ERROR:
      if (connected) {
        request.receiveError = ERROR_WINHTTP_CONNECTION_ERROR;
      } else {
        request.sendError = ERROR_WINHTTP_CONNECTION_ERROR;
      }
      return;
    case CURLE_TOO_MANY_REDIRECTS:
    case CURLE_UNSUPPORTED_PROTOCOL: request.receiveError = ERROR_WINHTTP_REDIRECT_FAILED; return;
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY: request.receiveError = ERROR_WINHTTP_INVALID_SERVER_RESPONSE; return;
    default: request.receiveError = ERROR_WINHTTP_CONNECTION_ERROR; return;
  }
}

}  // namespace

void HttpPerform(HttpRequest& request) {
  static std::once_flag initialised;
  std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

  request.easy = curl_easy_init();
  if (request.easy == nullptr) {
    request.sendError = ERROR_NOT_ENOUGH_MEMORY;
    return;
  }
  CURL* easy = request.easy;
  Transfer transfer{&request};
  const std::string url = Url(request);
  curl_slist* headers = nullptr;
  for (const std::string& header : request.headers) headers = curl_slist_append(headers, header.c_str());
  const HttpTimeouts& timeouts = request.timeouts;
  const HttpSession& session = *request.connection->session;

  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
  curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  if (request.verb == "HEAD") {
    curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
  } else {
    curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  }
  if (!session.agent.empty()) curl_easy_setopt(easy, CURLOPT_USERAGENT, session.agent.c_str());
  if (session.noProxy) curl_easy_setopt(easy, CURLOPT_PROXY, "");
  if (headers != nullptr) curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
  // Name resolution and connection under one limit; sending and receiving
  // fail when nothing moves for as long as their time-outs.
  const long connectMs = timeouts.connect > 0 ? timeouts.connect + (timeouts.resolve > 0 ? timeouts.resolve : 0) : 0;
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, connectMs);
  const long stallSeconds = Seconds(timeouts.send > timeouts.receive ? timeouts.send : timeouts.receive);
  if (timeouts.send > 0 && timeouts.receive > 0 && stallSeconds > 0) {
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, stallSeconds);
  }
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, TakeHeaderLine);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, TakeBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, CheckClosed);
  curl_easy_setopt(easy, CURLOPT_XFERINFODATA, &transfer);

  const CURLcode code = curl_easy_perform(easy);
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &request.status);
  curl_easy_setopt(easy, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(headers);
  if (code != CURLE_OK) FileFailure(request, code, transfer.bodyTooLarge);
  if (code == CURLE_OK && request.status == 0) request.receiveError = ERROR_WINHTTP_INVALID_SERVER_RESPONSE;
}
