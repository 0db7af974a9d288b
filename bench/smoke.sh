#!/bin/bash
# Runs the benchmark harness at its token size under -Xcheck:jni: it fails when
# the harness fails or when the VM reports anything about JNI use. It prints
# the table it made, but no figure of a token run means anything.
# Usage: smoke.sh <log> <java command...>
set -u
log=$1; shift
"$@" >"$log" 2>&1
status=$?
cat "$log"
if grep -E -n 'WARNING in native method|FATAL ERROR in native method|WARNING: JNI|JNI local refs' "$log"; then
  echo "smoke: the VM reported a JNI problem (lines above)" >&2
  exit 1
fi
if [ $status -eq 0 ] && ! grep -q '^| Figure' "$log"; then
  echo "smoke: no table printed" >&2
  exit 1
fi
exit $status
