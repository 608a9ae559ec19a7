// The values of the kernel and WinHTTP subset that programs and saved data
// rely on, written out once and checked at compile time against both
// platform/sdk (here) and the real SDK (in the Windows build), so that the two
// cannot drift apart.
#include <cstddef>

#include "platform/win32.h"

// Waits and handles.
static_assert(INFINITE == 0xFFFFFFFF && WAIT_OBJECT_0 == 0 && WAIT_TIMEOUT == 258 && WAIT_FAILED == 0xFFFFFFFF,
              "waits");

// Files.
static_assert(GENERIC_READ == 0x80000000 && FILE_SHARE_READ == 1 && FILE_SHARE_WRITE == 2 && FILE_SHARE_DELETE == 4,
              "file access and sharing");
static_assert(OPEN_EXISTING == 3 && FILE_ATTRIBUTE_NORMAL == 0x80 && FILE_FLAG_BACKUP_SEMANTICS == 0x02000000,
              "file opening");
static_assert(FILE_ATTRIBUTE_READONLY == 1 && FILE_ATTRIBUTE_DIRECTORY == 0x10, "file attributes");
static_assert(MOVEFILE_REPLACE_EXISTING == 1, "renaming");
static_assert(sizeof(BY_HANDLE_FILE_INFORMATION) == 52 &&
                  offsetof(BY_HANDLE_FILE_INFORMATION, dwVolumeSerialNumber) == 28 &&
                  offsetof(BY_HANDLE_FILE_INFORMATION, nFileIndexLow) == 48,
              "file information layout");
static_assert(FILE_NOTIFY_CHANGE_FILE_NAME == 1 && FILE_NOTIFY_CHANGE_DIR_NAME == 2 &&
                  FILE_NOTIFY_CHANGE_ATTRIBUTES == 4 && FILE_NOTIFY_CHANGE_SIZE == 8 &&
                  FILE_NOTIFY_CHANGE_LAST_WRITE == 0x10,
              "change notification filters");
static_assert(CP_ACP == 0 && CP_UTF8 == 65001 && MB_ERR_INVALID_CHARS == 8, "code pages");
static_assert(ERROR_FILE_NOT_FOUND == 2 && ERROR_PATH_NOT_FOUND == 3 && ERROR_ACCESS_DENIED == 5 &&
                  ERROR_INSUFFICIENT_BUFFER == 122 && ERROR_ALREADY_EXISTS == 183 && ERROR_DIRECTORY == 267 &&
                  ERROR_NO_UNICODE_TRANSLATION == 1113 && ERROR_SHARING_VIOLATION == 32 && ERROR_NOT_SAME_DEVICE == 17,
              "file error codes");

// WinHTTP.
static_assert(INTERNET_DEFAULT_PORT == 0 && INTERNET_DEFAULT_HTTP_PORT == 80 && INTERNET_DEFAULT_HTTPS_PORT == 443,
              "ports");
static_assert(sizeof(INTERNET_PORT) == 2, "ports are 16 bits");
static_assert(WINHTTP_ACCESS_TYPE_DEFAULT_PROXY == 0 && WINHTTP_ACCESS_TYPE_NO_PROXY == 1, "access types");
static_assert(WINHTTP_FLAG_SECURE == 0x00800000, "request flags");
static_assert(WINHTTP_ADDREQ_FLAG_ADD == 0x20000000 && WINHTTP_ADDREQ_FLAG_REPLACE == 0x80000000, "header modifiers");
static_assert(WINHTTP_QUERY_LAST_MODIFIED == 11 && WINHTTP_QUERY_STATUS_CODE == 19 && WINHTTP_QUERY_ETAG == 54 &&
                  WINHTTP_QUERY_FLAG_NUMBER == 0x20000000,
              "header queries");
static_assert(ERROR_WINHTTP_TIMEOUT == 12002 && ERROR_WINHTTP_NAME_NOT_RESOLVED == 12007 &&
                  ERROR_WINHTTP_OPERATION_CANCELLED == 12017 && ERROR_WINHTTP_INCORRECT_HANDLE_TYPE == 12018 &&
                  ERROR_WINHTTP_INCORRECT_HANDLE_STATE == 12019 && ERROR_WINHTTP_CANNOT_CONNECT == 12029 &&
                  ERROR_WINHTTP_CONNECTION_ERROR == 12030 && ERROR_WINHTTP_HEADER_NOT_FOUND == 12150 &&
                  ERROR_WINHTTP_INVALID_SERVER_RESPONSE == 12152 && ERROR_WINHTTP_INVALID_HEADER == 12153 &&
                  ERROR_WINHTTP_REDIRECT_FAILED == 12156 && ERROR_WINHTTP_SECURE_FAILURE == 12175 &&
                  ERROR_WINHTTP_INVALID_URL == 12005 && ERROR_WINHTTP_UNRECOGNIZED_SCHEME == 12006 &&
                  ERROR_WINHTTP_INTERNAL_ERROR == 12004,
              "WinHTTP error codes");
