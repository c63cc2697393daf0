#!/usr/bin/env bash
# Installs everything the build, the tests and the run need on a Debian 12 machine.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  cmake make
  g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xauth x11-apps
  locales fonts-arphic-uming fonts-wqy-zenhei
  googletest
  imagemagick
  clang lld llvm clang-format
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${packages[@]}"; do
  name=${p%%:*}
  arch=""
  [[ "$p" == *:* ]] && arch=":${p##*:}"
  if ! dpkg-query -W -f='${Status}' "$name$arch" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# A mirror in the middle of a sync can fail one package index ("File has
# unexpected size"): apt-get update then exits non-zero although the other
# lists are fine. Retry a few times, then go on with what was fetched.
update_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    if $SUDO apt-get update -q; then return 0; fi
    echo "setup: apt-get update failed (attempt $attempt); retrying" >&2
    sleep $((attempt * 5))
  done
  if compgen -G '/var/lib/apt/lists/*_Packages*' >/dev/null; then
    echo "setup: going on with the package lists that did download" >&2
    return 0
  fi
  echo "setup: no package lists could be downloaded" >&2
  return 1
}

install_packages() {
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "$@"
}

# When the security index of one architecture is missing, the multi-arch
# libraries of i386 and amd64 no longer match in version and wine32:i386 is
# "held broken". Installing once more with the security suite at low priority
# takes matching versions from the main suite.
install_with_security_pinned_low() {
  local pin=/etc/apt/preferences.d/rollcall-low-security
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' | $SUDO tee "$pin" >/dev/null
  local status=0
  install_packages "$@" || status=$?
  $SUDO rm -f "$pin"
  return $status
}

if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  update_package_lists
  if ! install_packages "${missing[@]}"; then
    echo "setup: install failed; retrying with the security suite at low priority" >&2
    install_with_security_pinned_low "${missing[@]}"
  fi
fi

# Wine takes its ANSI code page from the locale: zh_CN.UTF-8 gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen
fi
