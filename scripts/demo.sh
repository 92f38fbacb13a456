#!/usr/bin/env bash
# Builds tesk and runs the demo host. Arguments go to tesk-demo, e.g. --quit-after 5000.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$root/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESK_BUILD_TESTS=OFF
exec "$root/build/release/bin/tesk-demo" "$@"
