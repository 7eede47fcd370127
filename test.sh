#!/bin/sh
# Installs what building and the tests need (make included), then builds everything and runs the tests with `make test`.
# Arguments go to make, e.g. ./test.sh JOBS=1
set -eu
cd "$(dirname "$0")"
./scripts/install-deps run test
exec make test "$@"
