#!/usr/bin/env bash
# Cross-builds the Windows programs and art libraries (tools/build-windows.sh)
# and packs the folder a user unpacks and runs: Tarnwicket.exe,
# TarnwicketCFG.exe, the viewer once more as the screensaver Tarnwicket.scr,
# the four art libraries, the demo games "Tarnwicket.pgn" and README.txt, as
# build/windows/Tarnwicket-windows-x86_64.zip.
# Checks first that the programs need no DLL beyond the system's own.
#   tools/package-windows.sh           build, check and pack
#   tools/package-windows.sh --no-build   check and pack what is built
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TARNWICKET_WINDOWS_BUILD_DIR:-$root/build/windows}
export TARNWICKET_WINDOWS_BUILD_DIR=$build

if [ "${1:-}" != "--no-build" ]; then
  "$root/tools/build-windows.sh" Tarnwicket TarnwicketCFG tarnwicket_art
fi

run=$build/run
programs=(Tarnwicket.exe TarnwicketCFG.exe)
libraries=(Tarnwicket_Backdroplib.dll Tarnwicket_Checkerlib.dll Tarnwicket_Figurinelib.dll
           Tarnwicket_Dashlib.dll)
for file in "${programs[@]}" "${libraries[@]}"; do
  if [ ! -f "$run/$file" ]; then
    echo "package-windows: $run/$file is missing" >&2
    exit 1
  fi
done

# The DLLs every 64-bit Windows has; anything else (the compiler's runtime
# above all) would have to travel with the programs.
system_dlls="ddraw.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll winhttp.dll winmm.dll"
imports_of() {
  x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]'
}
for file in "${programs[@]}"; do
  for dll in $(imports_of "$run/$file"); do
    case " $system_dlls " in
      *" $dll "*) ;;
      *) echo "package-windows: $file needs $dll, which Windows does not bring" >&2; exit 1 ;;
    esac
  done
done
for file in "${libraries[@]}"; do
  if [ -n "$(imports_of "$run/$file")" ]; then
    echo "package-windows: $file imports code; an art library holds resources only" >&2
    exit 1
  fi
done

stage=$build/package/Tarnwicket
rm -rf "$build/package"
mkdir -p "$stage"
for file in "${programs[@]}" "${libraries[@]}"; do
  cp "$run/$file" "$stage/"
done
# A screensaver is a program named .scr; the viewer knows by its name.
cp "$run/Tarnwicket.exe" "$stage/Tarnwicket.scr"
cp "$root/demo/Tarnwicket.pgn" "$stage/"
# Windows line ends for Notepad.
sed 's/\r\{0,1\}$/\r/' "$root/dist/windows/README.txt" > "$stage/README.txt"

zip=$build/Tarnwicket-windows-x86_64.zip
rm -f "$zip"
(cd "$build/package" && cmake -E tar cf "$zip" --format=zip Tarnwicket)
echo "Windows package: $zip ($(du -k "$zip" | cut -f1) KB)"
