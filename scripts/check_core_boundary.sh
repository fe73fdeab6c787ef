#!/usr/bin/env bash
# Fails when a core source (no Qt allowed) includes a Qt header or names a Qt type.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
hits=$(grep -rnE '#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/)' model input solvers document settings appinfo fileio cli tools 2>/dev/null)
if [ -n "$hits" ]; then
  echo "Qt headers in core sources:"; echo "$hits"; exit 1
fi
exit 0
