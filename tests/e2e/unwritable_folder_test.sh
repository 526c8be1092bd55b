#!/usr/bin/env bash
# Makes the prefix's C:\WINDOWS unwritable (immutable, which binds root too)
# for one test of the launcher, and always undoes it.
set -euo pipefail
tests_exe=$1
folder=$WINEPREFIX/drive_c/windows
rm -f "$folder/qqscr.exe"
chattr +i "$folder"
trap 'chattr -i "$folder"' EXIT
"$(dirname "$0")/../../scripts/wine-run" "$tests_exe" --gtest_also_run_disabled_tests \
  --gtest_filter='Launcher.DISABLED_AnUnwritableToolFolderLeavesOnlyTheRegionMethodInert'
