#!/usr/bin/env bash
# Runs every benchmark and gathers their tables in bench/results.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash bench/launcher/run.sh "$@"
bash bench/region-capture/run.sh
{
  echo "# Benchmark results"
  echo
  echo "Machine: $(nproc) cores, $(free -g | awk '/Mem:/ {print $2}') GiB, $(uname -sr); $(date -u '+%Y-%m-%d %H:%M UTC')."
  echo
  sed 's/^# /## /' bench/launcher/results.md
  echo
  sed 's/^# /## /' bench/region-capture/results.md
} > bench/results.md
cat bench/results.md
