#!/usr/bin/env bash
# Makes the Debian package of a build with cpack into a temporary folder and checks its control data
# (name, section, dependencies computed from the programs' libraries) and that it holds the same tree as
# a direct install. Skipped (77) without dpkg-deb and dpkg-shlibdeps.
# usage: check-deb.sh BUILD_DIR
set -euo pipefail
build=$1
command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null || exit 77

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log" >&2
  exit 1
}
debs=("$out"/orvex_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single orvex_*.deb in $(ls "$out")" >&2; exit 1; }
deb=${debs[0]}

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

[ "$(field Package)" = orvex ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = math ] || fail "Section is '$(field Section)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
names=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6; do
  grep -qxF "$lib" <<<"$names" || fail "Depends lacks $lib: $depends"
done

# The same files as the installed tree, under /usr, with the programs stripped.
dpkg-deb -x "$deb" "$out/root"
DESTDIR="$out/direct" cmake --install "$build" --prefix /usr >/dev/null
if ! diff <(cd "$out/direct" && find . -type f -printf '%P\n' | sort) \
          <(cd "$out/root" && find . -type f -printf '%P\n' | sort); then
  fail "the package holds other files than a direct install (< install, > package)"
fi
command -v file >/dev/null && for exe in usr/bin/orvex usr/bin/orvex-cli; do
  file -b "$out/root/$exe" | grep -q ', stripped' || fail "$exe is not stripped"
done

[ "$failures" -eq 0 ] || exit 1
echo "package OK: $(basename "$deb"), Depends: $depends"
