#!/usr/bin/env bash
# Builds the Debian package and checks it as an installation would see it,
# without touching the system: its control data and files, lintian when
# present, and then the programs run from the package unpacked into a
# temporary root — a store made, filled and exported from, the application's
# window drawn, and a trip sheet exported from its card, which needs the
# module and the template in their installed folders.
set -euo pipefail
build="$1"
root="$(mktemp -d)"
[ -n "${KEEP_ROOT:-}" ] || trap 'rm -rf "$root"' EXIT
fail() { echo "package: $*" >&2; exit 1; }

rm -f "$build"/kelmira_*.deb
cmake --build "$build" --target package > "$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; fail "cpack failed"; }
deb=$(ls "$build"/kelmira_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6sql6-sqlite libqt6sql6-psql libzip4 qt6-qpa-plugins libqt6svg6; do
  [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

fs="$root/fs"
dpkg-deb -x "$deb" "$fs"
libdir=$(cd "$fs" && echo usr/lib/*/kelmira)
for file in usr/bin/kelmira usr/bin/kelmiractl "$libdir/libkelmira.so" \
            "$libdir/libkelmira-contract.so" "$libdir/libkelmira-contract-core.so" \
            "usr/share/kelmira/Templates/Transport_kelionės_lapas.docx" "usr/share/kelmira/Templates/Transport_kelionės_lapas.odt" \
            usr/share/applications/lt.kelmira.Kelmira.desktop usr/share/metainfo/lt.kelmira.Kelmira.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/lt.kelmira.Kelmira.svg \
            usr/share/man/man1/kelmira.1.gz usr/share/man/man1/kelmiractl.1.gz \
            usr/share/doc/kelmira/copyright usr/share/doc/kelmira/changelog.gz; do
  [ -f "$fs/$file" ] || fail "the package has no $file"
done
for program in "$fs"/usr/bin/* "$fs/$libdir"/*.so; do
  ! readelf -d "$program" | grep -q 'libQt6Test' || fail "$(basename "$program") links the Qt test library"
done
desktop-file-validate "$fs/usr/share/applications/lt.kelmira.Kelmira.desktop" || fail "the menu entry is not valid"
appstreamcli validate --no-net "$fs/usr/share/metainfo/lt.kelmira.Kelmira.metainfo.xml" > /dev/null \
  || fail "the AppStream metadata is not valid"

# Every command and option the tool's help names is in its manual page.
export QT_QPA_PLATFORM=offscreen HOME="$root/home" XDG_RUNTIME_DIR="$root/run" XDG_CONFIG_HOME="$root/home/.config" \
       XDG_DATA_HOME="$root/home/.local/share" KELMIRA_LIBRARY_REGISTRY="$root/libraries.ini"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
bin="$fs/usr/bin"
manual=$(MANWIDTH=200 man -l "$fs/usr/share/man/man1/kelmiractl.1.gz" 2> /dev/null)
for word in $("$bin/kelmiractl" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && /^  [a-z]/ {print $1}') \
            $("$bin/kelmiractl" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -qF -- "$word" <<< "$manual" || fail "the manual page of kelmiractl does not tell of $word"
done
manual=$(MANWIDTH=200 man -l "$fs/usr/share/man/man1/kelmira.1.gz" 2> /dev/null)
for word in $("$bin/kelmira" --help | grep -o -- '--[a-z-]*' | sort -u); do
  grep -qF -- "$word" <<< "$manual" || fail "the manual page of kelmira does not tell of $word"
done
"$bin/kelmira" --version | grep -q "^Kelmira [0-9]" || fail "kelmira --version"
"$bin/kelmiractl" --version | grep -q "^Kelmira [0-9]" || fail "kelmiractl --version"

if command -v lintian > /dev/null; then
  lintian --fail-on error "$deb" > "$root/lintian.log" 2>&1 || { cat "$root/lintian.log"; fail "lintian found errors"; }
fi

# The programs, run from the unpacked root.
store="$root/fleet.sqlite"
"$bin/kelmiractl" --db "$store" init > /dev/null
"$bin/kelmiractl" --db "$store" demo > /dev/null
"$bin/kelmiractl" registration | grep -q "Kelionės lapai" || fail "the installed module gave no registration"
grep -q "$fs/$libdir/libkelmira.so" "$KELMIRA_LIBRARY_REGISTRY" || fail "the installed module was not registered"
read -r sheet number < <("$bin/kelmiractl" --db "$store" list O4000100 "'O4000100',''" \
  | awk -F'\t' '$1 ~ /^O4000100[0-9]+$/ && !found {print $1, $10; found = 1}')
[ -n "$number" ] || fail "the demo store has no trip sheet"
template="$fs/usr/share/kelmira/Templates/Transport_kelionės_lapas.docx"
"$bin/kelmiractl" --db "$store" export "$sheet" --template "$template" --out "$root/sheet.docx" > /dev/null
unzip -p "$root/sheet.docx" word/document.xml | grep -qF "$number" || fail "the exported sheet does not hold the sheet's number $number"

"$bin/kelmira" --demo --screenshot "$root/window.png"
[ -s "$root/window.png" ] || fail "the installed application drew no window"

# Exporting from the card offers the templates of the installed data folder
# and then tells where the document was written.
printf 'answer OK\nclick cmdExportToWord\nexpect lstTemplates rows 2\nclick cmdOK\n' > "$root/export.script"
"$bin/kelmira" --db "$store" --user admin --open "$sheet" --script "$root/export.script" > "$root/script.log" \
  || { cat "$root/script.log"; fail "exporting from the card failed"; }
ls "$HOME"/Documents/Kelion* > /dev/null 2>&1 || fail "the card exported nothing"
echo "the package installs a working program ($(basename "$deb"))"
