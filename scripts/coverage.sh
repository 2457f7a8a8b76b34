#!/usr/bin/env bash
# Builds antkeys with coverage in build-coverage, runs the tests and prints the line and
# branch coverage of src/ per folder. Needs gcovr (scripts/setup.sh --coverage).
# Exception paths and branches the compiler adds for them are left out of the branch count.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${COVERAGE_DIR:-build-coverage}
jobs=${JOBS:-2}

cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DANTKEYS_COVERAGE=ON \
  -DANTKEYS_BENCH=OFF -DANTKEYS_FUZZ=OFF -DANTKEYS_TEST_TIMEOUT=900 ${CMAKE_CXX_COMPILER_LAUNCHER:+-DCMAKE_CXX_COMPILER_LAUNCHER=$CMAKE_CXX_COMPILER_LAUNCHER} >/dev/null
cmake --build "$dir" -j"$jobs"
find "$dir" -name '*.gcda' -delete
# An instrumented Debug build runs the long golden runs slowly: a longer limit here, and the
# coverage is still printed when a test fails (the failure is reported and sets the status).
status=0
ctest --test-dir "$dir" -j"$jobs" --output-on-failure || status=$?

gcovr_args=(--root . --filter 'src/' --object-directory "$dir"
            --exclude-throw-branches --exclude-unreachable-branches
            --exclude-lines-by-pattern '.*(LCOV_EXCL_LINE|Q_UNREACHABLE).*'
            --gcov-ignore-parse-errors -j "$jobs")
json="$dir/coverage.json"
gcovr "${gcovr_args[@]}" --json "$json" >/dev/null

# One line per folder of src/, then the whole.
python3 - "$json" <<'PY'
import json, sys, collections
data = json.load(open(sys.argv[1]))
tot = collections.defaultdict(lambda: [0, 0, 0, 0])  # lines, covered, branches, taken
for f in data["files"]:
    parts = f["file"].split("/")
    folder = "/".join(parts[:2]) if len(parts) > 2 else parts[0]
    for key in (folder, "src (all)"):
        t = tot[key]
        for line in f["lines"]:
            if line.get("gcovr/noncode"):
                continue
            t[0] += 1
            t[1] += line["count"] > 0
            for b in line["branches"]:
                t[2] += 1
                t[3] += b["count"] > 0
print(f"{'folder':<14}{'lines':>8}{'line %':>9}{'branches':>10}{'branch %':>10}")
for key in sorted(tot, key=lambda k: (k == "src (all)", k)):
    l, lc, b, bc = tot[key]
    pct = lambda a, n: f"{100.0 * a / n:.1f}" if n else "-"
    print(f"{key:<14}{l:>8}{pct(lc, l):>9}{b:>10}{pct(bc, b):>10}")
PY
exit "$status"
