#!/usr/bin/env bash
# Installs a build into a temporary DESTDIR with the prefix /usr and checks the installed tree: exactly the
# two programs and their desktop integration (nothing from the tests or benchmarks), files that agree with
# each other, and the verdicts of the desktop-file, AppStream, MIME and man-page tools where installed.
# usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
id=org.example.orvex
mime_type=application/x-orvex-graphs
sizes=(16 24 32 48 64 128 256)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
cd "$root"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
missing=()
have() { command -v "$1" >/dev/null || { missing+=("$1"); false; }; }

# The whole tree, and nothing outside the prefix.
expected=(
  bin/orvex bin/orvex-cli
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man1/orvex.1.gz share/man/man1/orvex-cli.1.gz
)
for n in "${sizes[@]}"; do expected+=("share/icons/hicolor/${n}x${n}/apps/$id.png"); done
if ! diff -u <(printf '%s\n' "${expected[@]}" | sort) <(find . \( -type f -o -type l \) -printf '%P\n' | sort); then
  fail "the installed files differ from the expected list (- expected, + installed)"
fi
[ "$(ls -A "$stage")" = usr ] || fail "files installed outside the prefix: $(ls -A "$stage")"

# Programs: executables that do not look for libraries in the build folder.
for exe in bin/orvex bin/orvex-cli; do
  [ -x "$exe" ] || { fail "$exe is not executable"; continue; }
  if readelf -d "$exe" 2>/dev/null | grep -E 'R(UN)?PATH' | grep -qF "$build"; then
    fail "$exe keeps the build folder in its library path"
  fi
done

# Icons: a PNG of each theme size, and the SVG.
if have file; then
  for n in "${sizes[@]}"; do
    png=share/icons/hicolor/${n}x${n}/apps/$id.png
    file -b "$png" | grep -q "^PNG image data, $n x $n," || fail "$png: $(file -b "$png")"
  done
  file -b share/icons/hicolor/scalable/apps/$id.svg | grep -q SVG || fail "the scalable icon is not SVG"
fi

# The desktop entry names an installed program and icon and the declared MIME type; the metainfo
# names the desktop entry and the same type.
desktop=share/applications/$id.desktop
key() { sed -n "s/^$1=//p" "$desktop"; }
read -r exec_program _ <<<"$(key Exec)"
[ -x "bin/$exec_program" ] || fail "Exec runs '$exec_program', which is not installed"
[ -f "share/icons/hicolor/scalable/apps/$(key Icon).svg" ] || fail "Icon '$(key Icon)' is not installed"
[ "$(key MimeType)" = "$mime_type;" ] || fail "MimeType is '$(key MimeType)'"
grep -q "<mime-type type=\"$mime_type\">" share/mime/packages/$id.xml || fail "the MIME package lacks $mime_type"
metainfo=share/metainfo/$id.metainfo.xml
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo launches another file"
grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" || fail "the metainfo lacks the media type"

# The man page of orvex-cli describes every command the program lists.
commands=$(bin/orvex-cli 2>&1 | sed -n 's/^ *orvex-cli \([a-z][a-z-]*\).*/\1/p' | sort -u || true)
[ -n "$commands" ] || fail "orvex-cli lists no commands"
for c in $commands; do
  zcat share/man/man1/orvex-cli.1.gz | grep -qx "\.B $c" || fail "the orvex-cli man page lacks the command $c"
done

# The validators, each when installed.
if have desktop-file-validate; then
  if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -qE '(error|warning):' <<<"$out"; then
    fail "desktop-file-validate: $out"
  fi
fi
if have appstreamcli; then
  appstreamcli validate --no-net "$metainfo" >/dev/null || fail "appstreamcli validate: $(appstreamcli validate --no-net "$metainfo" 2>&1)"
fi
if have update-mime-database; then
  cp -r share/mime "$stage/mime"
  XDG_DATA_HOME=$stage update-mime-database "$stage/mime" 2>"$stage/mime.err" || fail "update-mime-database: $(cat "$stage/mime.err")"
  [ -s "$stage/mime.err" ] && fail "update-mime-database complains: $(cat "$stage/mime.err")"
  grep -q "^[0-9]*:$mime_type:\*\.orx" "$stage/mime/globs2" || fail "the MIME database does not map *.orx to $mime_type"
fi
if have man; then
  for page in share/man/man1/*.1.gz; do
    out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man warns about $page: $out"
  done
fi

[ ${#missing[@]} -eq 0 ] || echo "not checked, missing: ${missing[*]}"
[ "$failures" -eq 0 ] || exit 1
echo "installed tree OK"
