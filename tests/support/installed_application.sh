#!/usr/bin/env bash
# Installs the build into a fresh folder and runs the installed programs from
# there: the registration comes from the installed module, the template is
# beside the programs, and the application opens a demo database and draws
# its window. Nothing installed links the Qt test library.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
bin="$prefix/bin"
export KELMIRA_LIBRARY_REGISTRY="$prefix/libraries.ini" QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$prefix"

# What is shipped needs no test library.
for program in "$bin"/kelmira "$bin"/kelmiractl "$bin"/*.so; do
  if readelf -d "$program" | grep -q 'libQt6Test'; then echo "$(basename "$program") links the Qt test library"; exit 1; fi
done
test -f "$bin/Templates/Transport_kelionės_lapas.docx" || { echo "no template beside the programs"; exit 1; }
"$bin/kelmiractl" registration | grep -q "Kelionės lapai" || { echo "the installed module gave no registration"; exit 1; }
"$bin/kelmira" --demo --user admin --screenshot "$prefix/window.png"
test -s "$prefix/window.png" || { echo "the installed application drew no window"; exit 1; }
grep -q "libkelmira.so" "$KELMIRA_LIBRARY_REGISTRY" || { echo "the bundled module was not registered"; exit 1; }
echo "installed application runs from $bin"
