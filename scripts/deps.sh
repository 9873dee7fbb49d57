#!/usr/bin/env bash
# Installs everything the project needs on a fresh Debian 12 machine (as root)
# and builds the Windows static libraries from Debian source packages into
# build/deps/. A second run finds the version stamp and returns at once.
#
# Layout of build/deps/:
#   src/        unpacked Debian source packages
#   mingw/      i686 Windows static libraries and headers (curl, jsoncpp,
#               pugixml, googletest, plus the header-only fmt and stb)
#   lzma/       the C files of the LZMA SDK (7z reader, Md5.c), compiled by
#               the project itself for both platforms
#   stamp       what the last successful run built
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
deps="$top/build/deps"
# Bump when the package list or any library build below changes.
DEPS_VERSION=1

APT_PACKAGES=(
  build-essential cmake ninja-build pkg-config dpkg-dev git python3 ca-certificates
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  wine wine32:i386 xvfb xauth xdotool imagemagick fonts-wqy-microhei
  nginx aria2 time hyperfine 7zip iproute2
  libcurl4-openssl-dev libjsoncpp-dev libpugixml-dev libfmt-dev libstb-dev
  zlib1g-dev libz-mingw-w64-dev libfreetype-dev libfontconfig-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
)
SOURCE_PACKAGES=(curl libjsoncpp pugixml 7zip)

stamp="$deps/stamp"
want_stamp="v$DEPS_VERSION $(sha256sum "$0" | cut -c1-16)"
if [[ -f $stamp && "$(cat "$stamp")" == "$want_stamp" ]]; then
  exit 0
fi

log() { printf '[deps] %s\n' "$*"; }
export DEBIAN_FRONTEND=noninteractive
jobs=$(nproc)

# --- Debian packages -------------------------------------------------------
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# deb-src next to every existing deb entry (deb822 and one-line formats).
if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
  sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
fi
if [[ -f /etc/apt/sources.list ]] && grep -q '^deb ' /etc/apt/sources.list \
   && ! grep -q '^deb-src ' /etc/apt/sources.list; then
  sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >> /etc/apt/sources.list
fi
log "apt-get update"
apt-get update -qq
log "apt-get install (${#APT_PACKAGES[@]} packages)"
apt-get install -y -qq --no-install-recommends "${APT_PACKAGES[@]}" >/dev/null

# --- Debian source packages ------------------------------------------------
rm -rf "$deps/src" "$deps/mingw" "$deps/lzma" "$deps/work"
mkdir -p "$deps/src" "$deps/mingw/include" "$deps/work"
(
  cd "$deps/src"
  for pkg in "${SOURCE_PACKAGES[@]}"; do
    log "apt-get source $pkg"
    apt-get source -qq "$pkg" >/dev/null 2>&1 || apt-get source "$pkg"
  done
)
srcdir() { find "$deps/src" -maxdepth 1 -mindepth 1 -type d -name "$1" | head -n 1; }

toolchain="$top/cmake/mingw-i686.cmake"
mingw_cmake() { # name source-dir [cmake options...]
  local name=$1 src=$2; shift 2
  log "building $name for Windows"
  cmake -S "$src" -B "$deps/work/$name" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$deps/mingw" -DBUILD_SHARED_LIBS=OFF "$@" >"$deps/work/$name.log" 2>&1 \
    || { tail -n 40 "$deps/work/$name.log"; exit 1; }
  cmake --build "$deps/work/$name" -j "$jobs" >>"$deps/work/$name.log" 2>&1 \
    && cmake --install "$deps/work/$name" >>"$deps/work/$name.log" 2>&1 \
    || { tail -n 40 "$deps/work/$name.log"; exit 1; }
}

mingw_cmake curl "$(srcdir 'curl-*')" \
  -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DCURL_STATICLIB=ON \
  -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF \
  -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
  -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DENABLE_UNICODE=ON \
  -DCURL_ZLIB=ON -DZLIB_INCLUDE_DIR=/usr/i686-w64-mingw32/include \
  -DZLIB_LIBRARY=/usr/i686-w64-mingw32/lib/libz.a \
  -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none

mingw_cmake jsoncpp "$(srcdir 'libjsoncpp-*')" \
  -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF

mingw_cmake pugixml "$(srcdir 'pugixml-*')" -DPUGIXML_BUILD_TESTS=OFF

mingw_cmake googletest /usr/src/googletest -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON

# Header-only libraries: the Debian headers serve both platforms.
cp -r /usr/include/fmt "$deps/mingw/include/fmt"
cp -r /usr/include/stb "$deps/mingw/include/stb"

# LZMA SDK: only the C files of the 7z reader and MD5. The project compiles
# them itself (cmake/Lzma.cmake) so that both platforms use the same flags.
lzma_src="$(srcdir '7zip-*')/C"
mkdir -p "$deps/lzma"
cp "$lzma_src"/*.h "$deps/lzma/"
for f in 7zAlloc 7zArcIn 7zBuf 7zBuf2 7zCrc 7zCrcOpt 7zDec 7zFile 7zStream \
         Bcj2 Bra Bra86 BraIA64 CpuArch Delta Lzma2Dec LzmaDec Ppmd7 Ppmd7Dec Md5; do
  cp "$lzma_src/$f.c" "$deps/lzma/"
done

rm -rf "$deps/work"
{
  echo "$want_stamp"
} > "$stamp.tmp"
mv "$stamp.tmp" "$stamp"
log "done"
