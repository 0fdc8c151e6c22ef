#!/bin/sh
# Installs what the project needs from Debian's packages, only what is
# missing, so a second run is fast.
#   scripts/setup.sh          build and run the program
#   scripts/setup.sh test     also the test tools (sanitizers, browser tests)
#   scripts/setup.sh bench    also the peers of the benchmark (sharp from npm)
#   scripts/setup.sh paket    also what builds and checks the Debian package
set -e
cd "$(dirname "$0")/.."

pakete="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libgl-dev libjpeg62-turbo-dev libpng-dev zlib1g-dev libwebp-dev libheif-dev fonts-dejavu-core fonts-dejavu-extra xvfb xauth"
case "$1" in
  test)  pakete="$pakete libgtest-dev clang libclang-rt-14-dev chromium nodejs npm desktop-file-utils appstream openbox xdotool poppler-utils firefox-esr webkit2gtk-driver libxml2-utils unzip" ;;
  bench) pakete="$pakete libvips-tools imagemagick time nodejs npm" ;;
  paket) pakete="$pakete dpkg-dev file lintian" ;;
  fuzz)  pakete="$pakete clang libclang-rt-14-dev libjpeg62-turbo-dev libpng-dev" ;;
esac

fehlend=""
for paket in $pakete; do
  if ! dpkg-query -W -f='${Status}' "$paket" 2>/dev/null | grep -q "install ok installed"; then
    # node may come from elsewhere on this machine; any node 20 will do.
    if [ "$paket" = nodejs ] && command -v node >/dev/null; then continue; fi
    if [ "$paket" = npm ] && command -v npm >/dev/null; then continue; fi
    fehlend="$fehlend $paket"
  fi
done

if [ -n "$fehlend" ]; then
  echo "Installiere:$fehlend"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $fehlend
fi

if [ "$1" = test ] && [ -f tests/browser/package.json ]; then
  if [ ! -d tests/browser/node_modules ] || [ tests/browser/package-lock.json -nt tests/browser/node_modules ]; then
    (cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
  fi
fi

# sharp, the libvips binding for Node, at the version the lock file names.
if [ "$1" = bench ]; then
  if [ ! -d bench/node_modules ] || [ bench/package-lock.json -nt bench/node_modules ]; then
    (cd bench && npm ci --no-audit --no-fund --loglevel=error)
  fi
fi
