#!/usr/bin/env bash
# wine-run.sh PROGRAM.exe ARGS...: runs a Windows program under Wine (inside the environment of
# wine-env.sh), giving it Windows paths for the arguments that are absolute Unix paths.
program=$1; shift
args=()
for arg in "$@"; do
  if [[ "$arg" == /* ]]; then args+=("$(winepath -w "$arg" 2>/dev/null)"); else args+=("$arg"); fi
done
exec wine "$program" "${args[@]}"
