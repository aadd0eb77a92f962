#!/usr/bin/env bash
# install_and_package_test.sh BUILD SOURCE
#
# Installs the build into a temporary prefix and builds the Debian package
# from it; checks the desktop entry and metainfo with their validators, the
# package with lintian, its declared dependencies and contents, the bash
# completion, and runs both programs from the prefix and from the unpacked
# package with a temporary home, from a folder outside both trees, recording
# every file they open: none may lie in the source or the build tree.
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/orrery-install-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs a program with a fresh home from $work, tracing the files it opens;
# fails when one lies in the source or build tree.
run_outside() {
  local name=$1
  shift
  mkdir -p "$work/home-$name" "$work/cwd"
  (cd "$work/cwd" && env -i PATH=/usr/bin:/bin HOME="$work/home-$name" ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    strace -f -qq -e trace=open,openat,execve,stat,newfstatat,access -o "$work/trace-$name" \
    "$@" > "$work/out-$name") || fail "$name exited with $?"
  if grep -F -e "\"$source/" -e "\"$build/" "$work/trace-$name" | grep -v -F "$work"; then
    fail "$name reads the source or build tree"
  fi
}

# Sample chart 0 as the build's own orrery-cli prints it.
"$build/bin/orrery-cli" chart --sample 0 > "$work/expected-chart" || fail "the build's orrery-cli"
grep -q "^SO Sun " "$work/expected-chart" || fail "no Sun in the build's chart"

check_programs() {
  local bin=$1 label=$2
  run_outside "$label-cli" "$bin/orrery-cli" chart --sample 0
  cmp -s "$work/expected-chart" "$work/out-$label-cli" || fail "$label: orrery-cli chart --sample 0 differs"
  printf 'command 40025\nshot planets\nquit\n' > "$work/script-$label"
  run_outside "$label-gui" "$bin/orrery" --headless --home "$work/home-$label-gui/charts" \
    --script "$work/script-$label" --shots "$work/cwd"
  [ -s "$work/cwd/planets.png" ] || fail "$label: orrery --headless took no screenshot"
  rm "$work/cwd/planets.png"
  "$bin/orrery-cli" --version | grep -qxF "orrery-cli $version" || fail "$label: orrery-cli --version"
  "$bin/orrery" --version | grep -qxF "orrery $version" || fail "$label: orrery --version"
}

# 1. cmake --install into a prefix.
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null
share=$prefix/share
for file in bin/orrery bin/orrery-cli share/man/man1/orrery.1.gz share/man/man1/orrery-cli.1.gz \
  share/applications/orrery.desktop share/metainfo/org.quorvel.Orrery.metainfo.xml \
  share/icons/hicolor/48x48/apps/orrery.png share/icons/hicolor/256x256/apps/orrery.png \
  share/bash-completion/completions/orrery-cli share/doc/orrery/copyright share/doc/orrery/changelog.gz; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for size in 48 256; do
  file "$share/icons/hicolor/${size}x${size}/apps/orrery.png" | grep -q "$size x $size, 8-bit/color RGBA" ||
    fail "the $size px icon is not a $size x $size RGBA PNG"
done
desktop-file-validate "$share/applications/orrery.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --explain "$share/metainfo/org.quorvel.Orrery.metainfo.xml" || fail "appstreamcli validate"
grep -qF "<release version=\"$version\"" "$share/metainfo/org.quorvel.Orrery.metainfo.xml" || fail "metainfo without version $version"
zcat "$share/doc/orrery/changelog.gz" | head -n 1 | grep -q "^orrery ($version) " || fail "the changelog's newest entry is not $version"
check_programs "$prefix/bin" prefix

# The completion offers the options of the command being typed.
completion=$(bash -c 'source "$1"; COMP_WORDS=(orrery-cli charts add --ci); COMP_CWORD=3; _orrery_cli;
  echo "${COMPREPLY[*]}"' _ "$share/bash-completion/completions/orrery-cli")
[ "$completion" = "--city --city-name" ] || fail "completion of 'charts add --ci' gave '$completion'"

# 2. The Debian package, built once, unpacked into a root of its own.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log") ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/package/orrery_${version}_amd64.deb
[ -f "$deb" ] || fail "no package $deb"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libsdl2 libfreetype libpng; do
  grep -q "$library" <<< "$depends" || fail "the package does not depend on $library: $depends"
done
dpkg-deb -f "$deb" Version | grep -qxF "$version" || fail "package version"
if dpkg-deb -c "$deb" | grep -qi setuplaunch; then fail "the setup launcher is in the package"; fi
# Debian's own package checker: no error and no warning.
lintian --fail-on error,warning "$deb" 2> "$work/lintian.err" || { cat "$work/lintian.err"; fail "lintian"; }
dpkg-deb -x "$deb" "$work/root"
check_programs "$work/root/usr/bin" package
echo "package: $(stat -c %s "$deb") bytes; Depends: $depends"
