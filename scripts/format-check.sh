#!/usr/bin/env bash
# Fails when a C++ file is not as the repository's .clang-format writes it. By default only the
# files changed since the branch left main are checked, so a branch answers for what it touched;
# --all checks every source file.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "${1:-}" == "--all" ]]; then
    mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.hpp' 'tests/*.cpp' 'tests/*.hpp' \
                                      'bench/*.cpp' 'bench/*.hpp' 'fuzz/*.cpp')
else
    base=$(git merge-base HEAD "${FORMAT_BASE:-main}" 2>/dev/null || echo HEAD)
    mapfile -t files < <(git diff --name-only --diff-filter=d "$base" -- \
                             'src/*.cpp' 'src/*.hpp' 'tests/*.cpp' 'tests/*.hpp' \
                             'bench/*.cpp' 'bench/*.hpp' 'fuzz/*.cpp')
fi
if [[ ${#files[@]} -eq 0 ]]; then
    echo "format-check: no C++ files to check"
    exit 0
fi
clang-format --dry-run -Werror "${files[@]}"
echo "format-check: ${#files[@]} files as .clang-format writes them"
