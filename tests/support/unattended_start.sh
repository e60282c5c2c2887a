#!/usr/bin/env bash
# Without a person at the keyboard the application never waits: a store that
# cannot be opened, or a user who needs a password, ends the run at once with a
# line on stderr and a non-zero exit code.
set -uo pipefail
bin="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work" KELMIRA_LIBRARY_REGISTRY="$work/libraries.ini"
echo "nomsg" > "$work/run.script"
echo "not a database" > "$work/text.sqlite"
mkdir "$work/folder.sqlite"
"$bin/kelmiractl" --db "$work/locked.sqlite" init > /dev/null
"$bin/kelmiractl" --db "$work/locked.sqlite" user admin --password slaptas > /dev/null
failed=0
for args in "--db $work/text.sqlite --user admin --script $work/run.script" \
            "--db $work/folder.sqlite --user admin --screenshot $work/shot.png" \
            "--db $work/locked.sqlite --user admin --script $work/run.script" \
            "--db $work/locked.sqlite --dump"; do
  # shellcheck disable=SC2086
  timeout 20 "$bin/kelmira" $args > /dev/null 2> "$work/err"
  code=$?
  if [ "$code" -eq 0 ] || [ "$code" -eq 124 ] || ! grep -qE "Nepavyko atidaryti|prisijungti" "$work/err"; then
    echo "kelmira $args: exit $code, stderr: $(cat "$work/err")"
    failed=1
  fi
done
exit $failed
