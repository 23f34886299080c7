#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source
# package, once, into PREFIX. The host Qt (same version, from Debian)
# supplies moc, rcc and uic. Usage:
#   build_qt.sh PREFIX VERSION TOOLCHAIN_FILE [cmake feature options...]
set -euo pipefail
prefix=$1 version=$2 toolchain=$3
shift 3

if [ -f "$prefix/.complete" ]; then
  echo "Qt $version for Windows: using the cache in $prefix"
  exit 0
fi

# An interrupted build goes on where it stopped.
work=$(dirname "$prefix")/work-$(basename "$prefix")
rm -rf "$prefix"
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' 2>/dev/null | head -n 1 || true)
if [ -z "$src" ] || [ ! -f "$work/build/CMakeCache.txt" ]; then
  rm -rf "$work"
  mkdir -p "$work"
  fetch_source=yes
else
  echo "Qt $version for Windows: going on with the build in $work"
  fetch_source=no
fi

if [ "$fetch_source" = yes ]; then

# apt-get source needs a deb-src line; derive one from the machine's own
# sources when none is there.
if ! grep -rqs '^[[:space:]]*\(Types:.*deb-src\|deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  src_list=/etc/apt/sources.list.d/amorix-deb-src.sources
  echo "No deb-src entry in the apt sources: adding $src_list from the existing entries"
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > "$src_list"
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' > "${src_list%.sources}.list"
  fi
  apt-get update -qq
fi

# The same source as the host Qt, whose moc, rcc and uic the build uses.
debian_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
case $debian_version in
  "$version"*) ;;
  *) echo "The host Qt is $debian_version, not $version"; exit 1 ;;
esac
echo "Qt $version for Windows: fetching Debian's qt6-base $debian_version source"
(cd "$work" && apt-get source -qq "qt6-base=$debian_version" > source.log 2>&1) || {
  tail -n 20 "$work/source.log"; exit 1; }
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$src" ] || { echo "qt6-base source not found in $work"; exit 1; }
fi

echo "Qt $version for Windows: configuring (log in $work/configure.log)"
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DBUILD_SHARED_LIBS=OFF \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  "$@" > "$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log"; exit 1; }

echo "Qt $version for Windows: building, about 15 minutes on two cores (log in $work/build.log)"
start=$(date +%s)
cmake --build "$work/build" -j "$(nproc)" > "$work/build.log" 2>&1 &
builder=$!
while kill -0 "$builder" 2>/dev/null; do
  sleep 60
  kill -0 "$builder" 2>/dev/null || break
  echo "  $(( ($(date +%s) - start) / 60 )) min: $(grep -o '^\[[0-9]*/[0-9]*\]' "$work/build.log" | tail -n 1)"
done
wait "$builder" || { tail -n 40 "$work/build.log"; exit 1; }
echo "  built in $(( ($(date +%s) - start) / 60 )) min"

cmake --install "$work/build" > "$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
echo "Qt $version for Windows: installed in $prefix ($(du -sh "$prefix" | cut -f1))"
