#!/bin/bash
# Compares the exports of nimbrel with the names derived from the Java
# declarations, and (on Windows) checks that it imports only system DLLs and
# steam_api.dll.
# Usage: check-exports.sh linux|win32 <library> <objdump> <java> <class path> <class>...
set -euo pipefail
mode=$1 library=$2 objdump=$3 java=$4 classpath=$5
shift 5
classes=$(printf 'net.quorlen.steam.%s ' "$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ "$mode" = win32 ]; then
  "$java" -cp "$classpath" ExportNames --stdcall $classes >"$work/expected"
  "$objdump" -p "$library" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\s*\[ *[0-9]*\] //p' | sort >"$work/actual"
else
  "$java" -cp "$classpath" ExportNames --plain $classes >"$work/expected"
  nm -D --defined-only "$library" | awk '{print $3}' | sort >"$work/actual"
fi
sort -o "$work/expected" "$work/expected"
echo "expected $(wc -l <"$work/expected") exports, found $(wc -l <"$work/actual")"
if ! diff -u "$work/expected" "$work/actual"; then
  echo "exports differ from the Java declarations ('-' missing, '+' extra)" >&2
  exit 1
fi

if [ "$mode" = win32 ]; then
  "$objdump" -p "$library" | sed -n 's/^\s*DLL Name: //p' >"$work/imports"
  cat "$work/imports"
  # Windows' own DLLs, and the Steamworks library the game ships beside us.
  allowed='^(kernel32|user32|advapi32|msvcrt|ntdll|shell32|shlwapi|ole32|ws2_32|api-ms-win-[a-z0-9-]+|ucrtbase|steam_api)\.dll$'
  if grep -viE "$allowed" "$work/imports"; then
    echo "imports a DLL a player's machine does not have (above)" >&2
    exit 1
  fi
  grep -qix 'steam_api.dll' "$work/imports" || { echo "does not import steam_api.dll" >&2; exit 1; }
fi
echo "exports match"
