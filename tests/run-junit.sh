#!/bin/bash
# Runs JUnit test classes in a JVM with -Xcheck:jni and fails when the tests
# fail or when the VM reports anything about JNI use.
# Usage: run-junit.sh <log> <java command...> -- <junit console arguments...>
set -u
log=$1; shift
java=()
while [ "$1" != "--" ]; do java+=("$1"); shift; done
shift
"${java[@]}" -Xcheck:jni -jar /usr/share/java/junit-platform-console-standalone.jar \
  --disable-banner --details=tree --fail-if-no-tests "$@" >"$log" 2>&1
status=$?
cat "$log"
if grep -E -n 'WARNING in native method|FATAL ERROR in native method|WARNING: JNI|JNI local refs' "$log"; then
  echo "run-junit: the VM reported a JNI problem (lines above)" >&2
  exit 1
fi
exit $status
