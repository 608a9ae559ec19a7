// The table of WinHTTP handles.
#include "platform/src/http_objects.h"

#include <curl/curl.h>

#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace {

std::mutex tableLock;
std::unordered_map<uintptr_t, std::shared_ptr<InternetObject>>& Table() {
  static auto* table = new std::unordered_map<uintptr_t, std::shared_ptr<InternetObject>>();
  return *table;
}
// Handle values are never given twice, so a closed handle stays invalid.
uintptr_t nextHandle = 0xC0000;

}  // namespace

HttpRequest::~HttpRequest() {
  if (easy != nullptr) curl_easy_cleanup(easy);
}

HINTERNET InternetObjectAdd(std::shared_ptr<InternetObject> object) {
  std::lock_guard<std::mutex> hold(tableLock);
  const uintptr_t value = nextHandle;
  nextHandle += 4;
  Table()[value] = std::move(object);
  return reinterpret_cast<HINTERNET>(value);
}

std::shared_ptr<InternetObject> InternetObjectFind(HINTERNET handle) {
  std::lock_guard<std::mutex> hold(tableLock);
  auto found = Table().find(reinterpret_cast<uintptr_t>(handle));
  return found == Table().end() ? nullptr : found->second;
}

bool InternetObjectClose(HINTERNET handle) {
  std::shared_ptr<InternetObject> object;  // released outside the lock
  std::lock_guard<std::mutex> hold(tableLock);
  auto found = Table().find(reinterpret_cast<uintptr_t>(handle));
  if (found == Table().end()) return false;
  object = std::move(found->second);
  Table().erase(found);
  object->closed.store(true);
  return true;
}
