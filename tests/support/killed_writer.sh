#!/usr/bin/env bash
# A program killed (kill -9) while it saves leaves the store whole: it passes
# SQLite's integrity check, opens again, and holds none of the unfinished save.
set -uo pipefail
bin="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" KELMIRA_LIBRARY_REGISTRY="$work/libraries.ini"
store="$work/store.sqlite"
"$bin/kelmiractl" --db "$store" init > /dev/null || exit 1
failed=0 interrupted=0
for delay in 0.05 0.1 0.15 0.2 0.3 0.45 0.6 1.0 1.5; do
  # The demo fleet is saved in one transaction: a kill leaves all of it or none.
  "$bin/kelmiractl" --db "$store" demo > "$work/out" 2>&1 &
  writer=$!
  sleep "$delay"
  kill -9 "$writer" 2>/dev/null
  wait "$writer" 2>/dev/null
  check="$(sqlite3 "$store" "PRAGMA integrity_check")"
  [ "$check" = "ok" ] || { echo "after $delay s: integrity_check says $check"; failed=1; }
  "$bin/kelmiractl" --db "$store" init > /dev/null || { echo "after $delay s: the store does not open"; failed=1; }
  if grep -q "įrašyti per" "$work/out"; then
    break # finished before the kill
  fi
  interrupted=$((interrupted + 1))
  firms="$(sqlite3 "$store" "SELECT COUNT(*) FROM firm")"
  [ "$firms" = "0" ] || { echo "after $delay s: $firms firms of an unfinished save were kept"; failed=1; }
done
[ "$interrupted" -gt 0 ] || { echo "no kill came in the middle of a save"; failed=1; }
exit $failed
