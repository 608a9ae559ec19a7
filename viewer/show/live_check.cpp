// live_check: a small Windows program of the live-file modules alone, the
// link check of the Windows cross-build (tools/ci-windows-build.sh) and a
// way to try them by hand, under Wine too:
//   live_check ADDRESS         fetch an http:// or https:// address once into
//                              its copy and print the copy's name and size
//   live_check FILE SECONDS    watch a file for that long, printing each change
// Exit status 0, or 1 when the fetch failed or the arguments are wrong.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/win32.h"
#include "viewer/show/broadcast_address.h"
#include "viewer/show/broadcast_fetch.h"
#include "viewer/show/file_watch.h"

namespace {

int Fetch(const std::string& text) {
  BroadcastAddress address;
  std::string failure;
  if (!ParseBroadcastAddress(text, &address, &failure)) {
    std::fprintf(stderr, "%s\n", failure.c_str());
    return 1;
  }
  BroadcastSource source(address, BroadcastCacheName("live_check", text));
  if (!source.FetchFirstCopy(GetTickCount())) {
    std::fprintf(stderr, "%s\n", source.FailureText().c_str());
    return 1;
  }
  FileLook look;
  LookAtFile(source.CacheFileName(), &look);
  std::printf("%s %llu bytes, ETag %s\n", source.CacheFileName().c_str(), static_cast<unsigned long long>(look.size),
              source.Validators().etag.empty() ? "none" : source.Validators().etag.c_str());
  return 0;
}

int Watch(const std::string& file, int seconds) {
  const DWORD start = GetTickCount();
  FileWatch watch(file, start);
  std::printf("watching %s (%s)\n", file.c_str(), watch.Notified() ? "with notifications" : "looking only");
  for (;;) {
    const DWORD now = GetTickCount();
    if (now - start >= static_cast<DWORD>(seconds) * 1000) break;
    const FileChange change = watch.Poll(now);
    if (change != FileChange::kNone) {
      std::printf("%lu ms: %s, %llu bytes\n", static_cast<unsigned long>(now - start), FileChangeName(change),
                  static_cast<unsigned long long>(watch.LastLook().size));
      std::fflush(stdout);
    }
    Sleep(16);
  }
  std::printf("%d looks\n", watch.Looks());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && IsBroadcastAddress(argv[1])) return Fetch(argv[1]);
  if (argc == 3) return Watch(argv[1], std::atoi(argv[2]));
  std::fprintf(stderr, "usage: live_check ADDRESS | live_check FILE SECONDS\n");
  return 1;
}
