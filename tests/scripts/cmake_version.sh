#!/usr/bin/env bash
# The build must configure with CMake 3.18 (Debian 11's; Ubuntu 22.04 has 3.22), while this machine
# has a newer CMake that would accept commands 3.18 lacks. Every listfile and the Makefile are
# searched for the commands, keywords and options added after 3.18.
# usage: cmake_version.sh PROGRAM SOURCE-DIR
set -u
cd "$2" || exit 1

grep -q '^cmake_minimum_required(VERSION 3\.18)$' CMakeLists.txt || { echo "FAIL: the minimum is not 3.18"; exit 1; }

newer=(
    'cmake_path\(' 'file\((REAL_PATH|CHMOD|COPY_FILE)' 'string\(JSON' 'cmake_language\(DEFER'
    'COMPRESSION_LEVEL' 'DEPFILE' 'PROJECT_IS_TOP_LEVEL' 'TARGET_RUNTIME_DLLS' 'RUNTIME_DEPENDENCY_SET'
    'IMPORTED_RUNTIME_ARTIFACTS' 'FILE_SET' 'COMPILE_WARNING_AS_ERROR' '\$<(LINK_LIBRARY|LINK_GROUP|PATH|LIST):'
    '(^|[^a-z_])block\(' 'return\(PROPAGATE' 'if\(.*(PATH_EQUAL|IS_READABLE|IS_EXECUTABLE)' 'DEPENDS_EXPLICIT_ONLY'
    'JOB_SERVER_AWARE' 'cxx_std_(23|26)' 'CXX_STANDARD (23|26)' 'SHLIBDEPS_PRIVATE_DIRS' 'find_package\(.*GLOBAL'
    '--test-dir' '--fresh' 'copy_directory_if_different' 'copy -t' 'env --modify' 'TEST_FILTER'
)
pattern=$(IFS='|'; echo "${newer[*]}")
found=$(git ls-files -- CMakeLists.txt '*/CMakeLists.txt' '*.cmake' Makefile |
        xargs grep -nE -- "$pattern" | grep -vE ':[0-9]+:\s*#')
[ -z "$found" ] || { echo "FAIL: newer than CMake 3.18:"; echo "$found"; exit 1; }
echo "PASS: nothing newer than CMake 3.18 in the build files"
