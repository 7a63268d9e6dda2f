#!/usr/bin/env bash
# Checks the headers of the built plug-in, as a player's game will see them:
#   - a 32-bit x86 Windows DLL (PE32, machine i386);
#   - its entry point is the MinGW C runtime's DLL start-up, DllMainCRTStartup, which runs the
#     module's static initialisation and then calls the module's DllMain, and DllMain is exported;
#   - it imports from the host framework (SAMPFUNCS.dll) and otherwise only from Windows' own
#     DLLs: no MinGW runtime DLL (libstdc++-6.dll, libgcc_s_dw2-1.dll, libwinpthread-1.dll, ...)
#     that a player would have to find.
# Prints every violation and exits non-zero when there is one.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <plug-in DLL>" >&2
  exit 2
fi
dll=$1
tools=i686-w64-mingw32
objdump=$tools-objdump
nm=$tools-nm

# The host framework, and the Windows DLLs a plug-in may import from (compared in lower case).
host_dll=sampfuncs.dll
system_dlls=" kernel32.dll msvcrt.dll user32.dll advapi32.dll ntdll.dll "

failures=0
fail() {
  echo "check_dll.sh: $dll: $*" >&2
  failures=$((failures + 1))
}

if [ ! -f "$dll" ]; then
  echo "check_dll.sh: $dll: no such file" >&2
  exit 1
fi
if ! headers=$("$objdump" -p "$dll" 2>&1); then
  echo "check_dll.sh: $dll: not a 32-bit x86 Windows image: $headers" >&2
  exit 1
fi

# Machine and kind.
grep -q 'file format pei-i386$' <<<"$headers" ||
  fail "not an i386 image ($(grep -m1 'file format' <<<"$headers"))"
grep -q '^Magic[[:space:]]*010b' <<<"$headers" || fail "optional header magic is not 010b (PE32)"
grep -qx $'\tDLL' <<<"$headers" || fail "the DLL flag is not set in its characteristics"

# Entry point: ImageBase + AddressOfEntryPoint must be the C runtime's DLL start-up.
image_base=$(awk '$1 == "ImageBase" {print $2}' <<<"$headers")
entry_rva=$(awk '$1 == "AddressOfEntryPoint" {print $2}' <<<"$headers")
symbols=$("$nm" "$dll" 2>/dev/null || true)
startup=$(awk '$3 ~ /^_?DllMainCRTStartup(@12)?$/ {print $1, $3; exit}' <<<"$symbols")
dllmain=$(awk '$2 == "T" && $3 ~ /^_?DllMain(@12)?$/ {print $1, $3; exit}' <<<"$symbols")
if [ -z "$symbols" ]; then
  fail "has no symbol table (stripped?), so its entry point cannot be identified"
elif [ -z "$startup" ]; then
  fail "has no DllMainCRTStartup: not linked with the C runtime's DLL start-up"
elif [ -z "$image_base" ] || [ -z "$entry_rva" ]; then
  fail "ImageBase or AddressOfEntryPoint missing from its headers"
else
  entry=$(printf '%x' $((0x$image_base + 0x$entry_rva)))
  startup_address=$(printf '%x' $((0x${startup%% *})))
  [ "$entry" = "$startup_address" ] ||
    fail "entry point 0x$entry is not DllMainCRTStartup (0x$startup_address)"
fi
if [ -z "$dllmain" ]; then
  fail "defines no DllMain"
elif [ -n "$startup" ]; then
  # The start-up reaches DllMain directly or through the runtime's internal __DllMainCRTStartup.
  startup_calls=$("$objdump" -d --no-show-raw-insn "$dll" | awk '
    /^[0-9a-f]+ <.*>:$/ { inside = ($2 ~ /^<_*DllMainCRTStartup(@12)?>:$/) }
    inside && /\tcall / { print $NF }')
  grep -qxF "<${dllmain#* }>" <<<"$startup_calls" ||
    fail "its start-up code never calls ${dllmain#* }"
fi
exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers")
grep -Eq '\] DllMain(@12)?$' <<<"$exports" || fail "does not export DllMain"

# Imports.
imports=$(awk '$1 == "DLL" && $2 == "Name:" {print tolower($3)}' <<<"$headers")
grep -qx "$host_dll" <<<"$imports" || fail "does not import from the host framework, SAMPFUNCS.dll"
for import in $imports; do
  [ "$import" = "$host_dll" ] && continue
  case "$system_dlls" in
    *" $import "*) ;;
    *) fail "imports from $import, which is neither a Windows DLL nor the host framework" ;;
  esac
done

if [ "$failures" -ne 0 ]; then
  echo "check_dll.sh: $dll: $failures problem(s)" >&2
  exit 1
fi
echo "check_dll.sh: $dll: PE32 i386 DLL, entry DllMainCRTStartup calling ${dllmain#* }," \
  "imports only from: $(paste -sd " " <<<"$imports")"
