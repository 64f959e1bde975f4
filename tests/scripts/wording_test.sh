#!/usr/bin/env bash
# Sources, scripts and README describe what this program does: none speaks of
# a program it would follow, or of what it "always" did.
set -euo pipefail
QUARN_ROOT="$1"
cd "$QUARN_ROOT"
self="tests/scripts/wording_test.sh"
found="$(grep -rnIiE \
    '\boriginal\b|(has|have) always|always (has|had|was|were|did)|as it always' \
    src tests bench tools fuzz cmake desktop README.md run.sh test.sh scripts-common.sh CMakeLists.txt |
    grep -v "^$self:" || true)"
if [ -n "$found" ]; then
    echo "FAILED: words of a predecessor:"
    echo "$found"
    exit 1
fi
