// WinHTTP as the Windows SDK declares it, the part the programs use: one
// synchronous GET (or HEAD) at a time over http:// or https://, with request
// headers, time-outs, the status code and two response headers, and the
// body. platform/src implements it over libcurl; platform/README.md lists the
// subset.
#pragma once

#include "platform/sdk/base.h"

typedef LPVOID HINTERNET;
typedef HINTERNET* LPHINTERNET;
typedef WORD INTERNET_PORT;

#define INTERNET_DEFAULT_PORT       0
#define INTERNET_DEFAULT_HTTP_PORT  80
#define INTERNET_DEFAULT_HTTPS_PORT 443

// WinHttpOpen.
#define WINHTTP_ACCESS_TYPE_DEFAULT_PROXY 0
#define WINHTTP_ACCESS_TYPE_NO_PROXY      1
#define WINHTTP_NO_PROXY_NAME             NULL
#define WINHTTP_NO_PROXY_BYPASS           NULL
#define WINHTTP_FLAG_ASYNC                0x10000000

// WinHttpOpenRequest.
#define WINHTTP_NO_REFERER           NULL
#define WINHTTP_DEFAULT_ACCEPT_TYPES NULL
#define WINHTTP_FLAG_SECURE          0x00800000

// WinHttpAddRequestHeaders and WinHttpSendRequest.
#define WINHTTP_ADDREQ_FLAG_ADD       0x20000000
#define WINHTTP_ADDREQ_FLAG_REPLACE   0x80000000
#define WINHTTP_NO_ADDITIONAL_HEADERS NULL
#define WINHTTP_NO_REQUEST_DATA       NULL

// WinHttpQueryHeaders.
#define WINHTTP_QUERY_LAST_MODIFIED  11
#define WINHTTP_QUERY_STATUS_CODE    19
#define WINHTTP_QUERY_ETAG           54
#define WINHTTP_QUERY_FLAG_NUMBER    0x20000000
#define WINHTTP_HEADER_NAME_BY_INDEX NULL
#define WINHTTP_NO_HEADER_INDEX      NULL

HINTERNET WINAPI WinHttpOpen(LPCWSTR pszAgentW, DWORD dwAccessType, LPCWSTR pszProxyW, LPCWSTR pszProxyBypassW,
                             DWORD dwFlags);
BOOL WINAPI WinHttpSetTimeouts(HINTERNET hInternet, int nResolveTimeout, int nConnectTimeout, int nSendTimeout,
                               int nReceiveTimeout);
HINTERNET WINAPI WinHttpConnect(HINTERNET hSession, LPCWSTR pswzServerName, INTERNET_PORT nServerPort,
                                DWORD dwReserved);
HINTERNET WINAPI WinHttpOpenRequest(HINTERNET hConnect, LPCWSTR pwszVerb, LPCWSTR pwszObjectName, LPCWSTR pwszVersion,
                                    LPCWSTR pwszReferrer, LPCWSTR* ppwszAcceptTypes, DWORD dwFlags);
BOOL WINAPI WinHttpAddRequestHeaders(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength, DWORD dwModifiers);
BOOL WINAPI WinHttpSendRequest(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength, LPVOID lpOptional,
                               DWORD dwOptionalLength, DWORD dwTotalLength, DWORD_PTR dwContext);
BOOL WINAPI WinHttpReceiveResponse(HINTERNET hRequest, LPVOID lpReserved);
BOOL WINAPI WinHttpQueryHeaders(HINTERNET hRequest, DWORD dwInfoLevel, LPCWSTR pwszName, LPVOID lpBuffer,
                                LPDWORD lpdwBufferLength, LPDWORD lpdwIndex);
BOOL WINAPI WinHttpReadData(HINTERNET hRequest, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead,
                            LPDWORD lpdwNumberOfBytesRead);
BOOL WINAPI WinHttpCloseHandle(HINTERNET hInternet);

// ERROR_* values of GetLastError that these calls set.
#define WINHTTP_ERROR_BASE                    12000
#define ERROR_WINHTTP_TIMEOUT                 (WINHTTP_ERROR_BASE + 2)
#define ERROR_WINHTTP_INTERNAL_ERROR          (WINHTTP_ERROR_BASE + 4)
#define ERROR_WINHTTP_INVALID_URL             (WINHTTP_ERROR_BASE + 5)
#define ERROR_WINHTTP_UNRECOGNIZED_SCHEME     (WINHTTP_ERROR_BASE + 6)
#define ERROR_WINHTTP_NAME_NOT_RESOLVED       (WINHTTP_ERROR_BASE + 7)
#define ERROR_WINHTTP_OPERATION_CANCELLED     (WINHTTP_ERROR_BASE + 17)
#define ERROR_WINHTTP_INCORRECT_HANDLE_TYPE   (WINHTTP_ERROR_BASE + 18)
#define ERROR_WINHTTP_INCORRECT_HANDLE_STATE  (WINHTTP_ERROR_BASE + 19)
#define ERROR_WINHTTP_CANNOT_CONNECT          (WINHTTP_ERROR_BASE + 29)
#define ERROR_WINHTTP_CONNECTION_ERROR        (WINHTTP_ERROR_BASE + 30)
#define ERROR_WINHTTP_HEADER_NOT_FOUND        (WINHTTP_ERROR_BASE + 150)
#define ERROR_WINHTTP_INVALID_SERVER_RESPONSE (WINHTTP_ERROR_BASE + 152)
#define ERROR_WINHTTP_INVALID_HEADER          (WINHTTP_ERROR_BASE + 153)
#define ERROR_WINHTTP_REDIRECT_FAILED         (WINHTTP_ERROR_BASE + 156)
#define ERROR_WINHTTP_SECURE_FAILURE          (WINHTTP_ERROR_BASE + 175)
