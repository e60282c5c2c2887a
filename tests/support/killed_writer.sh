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
# What one whole save leaves: the kill may come after the commit but before the
# program says so, so a finished save is told by the store, not by the output.
counts() { sqlite3 "$1" "SELECT (SELECT COUNT(*) FROM firm)||' '||(SELECT COUNT(*) FROM transport_trip)||' '||(SELECT COUNT(*) FROM transport_trip_route)"; }
cp "$store" "$work/whole.sqlite"
"$bin/kelmiractl" --db "$work/whole.sqlite" demo > /dev/null 2>&1 || { echo "the demo does not save"; exit 1; }
whole="$(counts "$work/whole.sqlite")"
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
  kept="$(counts "$store")"
  [ "$kept" = "$whole" ] && break # finished before the kill
  interrupted=$((interrupted + 1))
  [ "$kept" = "0 0 0" ] || { echo "after $delay s: an unfinished save kept firms, sheets and lines $kept (whole: $whole)"; failed=1; }
done
[ "$interrupted" -gt 0 ] || { echo "no kill came in the middle of a save"; failed=1; }
exit $failed
