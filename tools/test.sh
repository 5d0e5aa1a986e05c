#!/usr/bin/env bash
# Builds everything and runs every test: the model natively with sanitizers, then every
# Windows test executable under Wine, counted together in one ctest summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh test
# Before any Wine process, so that Wine finds the printer. Without it only the print test fails.
tools/print-server.sh || echo "test.sh: no PDF printer, so the print test will fail" >&2
tools/check-format.sh
tools/check-layers.sh >/dev/null

cmake --preset host >/dev/null
cmake --build --preset host -j"$(nproc)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"

# One ctest run over both trees, so the summary counts host and Windows tests together.
mkdir -p build/all
printf 'subdirs("%s" "%s")\n' "$root/build/host" "$root/build/windows" > build/all/CTestTestfile.cmake
exec tools/wine-session.sh "$root/build/windows/wineprefix" \
    ctest --test-dir build/all --output-on-failure -j"$(nproc)" "$@"
