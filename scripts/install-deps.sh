#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Orrery need.
# Idempotent: packages already present are skipped, so a second run is quick.
set -euo pipefail

packages=(
  # build
  cmake make g++ pkg-config
  # unit tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the fault tests: peak memory (GNU time), an unprivileged user (setpriv)
  time util-linux
  # fuzzing and sanitizers (clang's libFuzzer runtime)
  clang libclang-rt-14-dev
  # the handheld program's window, fonts and screenshots
  libsdl2-dev libfreetype-dev libpng-dev fonts-wine fonts-dejavu-core xvfb xauth
  # time-zone history for the atlas and its tests
  tzdata
  # manual pages, the Debian package and the checks of the installed files
  help2man dpkg-dev file desktop-file-utils appstream strace lintian
  # the desktop setup launcher, cross-built for Windows and tested under Wine
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64 xdotool
  # independent ephemeris for the reference generators (not needed by make test)
  libswe-dev swe-standard-data
  # the web build (make web): emscripten, the symbol font's subsetter and a
  # browser for its tests (dpkg-dev above unpacks the source packages)
  emscripten python3-fonttools chromium-headless-shell
)

# The web build compiles zlib and FreeType from Debian's source packages
# (scripts/web-libs.sh), which needs a deb-src entry for the same suites.
deb_src=/etc/apt/sources.list.d/orrery-deb-src.sources
add_deb_src() {
  local suites
  suites=$(. /etc/os-release && echo "$VERSION_CODENAME")
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
    "Suites: $suites $suites-updates" 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
    "${sudo_cmd[@]}" tee "$deb_src" >/dev/null
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
if [ ${#missing[@]} -eq 0 ] && [ -f "$deb_src" ]; then
  exit 0
fi

[ -f "$deb_src" ] || add_deb_src
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
if [ ${#missing[@]} -eq 0 ]; then exit 0; fi
echo "install-deps: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
