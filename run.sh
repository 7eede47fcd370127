#!/bin/sh
# Installs what building and playing need (make included), then builds and starts the game with `make run`.
# Arguments go to make, e.g. ./run.sh JOBS=1
set -eu
cd "$(dirname "$0")"
./scripts/install-deps run
exec make run "$@"
