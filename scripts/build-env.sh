# Sourced by the scripts that build or run: picks the Windows architecture
# and the build folder, after scripts/setup-debian.sh has run.
#   source scripts/build-env.sh      (needs $root; sets $build, ROLLCALL_ARCH)
# ROLLCALL_ARCH is i686 (the product's) or x86_64; BUILD_DIR overrides the
# folder. Some kernels run no 32-bit Linux programs (no IA-32 emulation):
# Wine's 32-bit loader then fails with "Exec format error" and no 32-bit
# Windows program can run, so such a machine builds, runs and tests the
# 64-bit build of the same sources instead, in build-x64/.

rollcall_runs_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

if [ -z "${ROLLCALL_ARCH:-}" ]; then
  if rollcall_runs_32bit; then ROLLCALL_ARCH=i686; else ROLLCALL_ARCH=x86_64; fi
fi
export ROLLCALL_ARCH
case "$ROLLCALL_ARCH" in
  i686) build=${BUILD_DIR:-$root/build} ;;
  x86_64) build=${BUILD_DIR:-$root/build-x64} ;;
  *) echo "ROLLCALL_ARCH must be i686 or x86_64, not $ROLLCALL_ARCH" >&2; exit 1 ;;
esac
export BUILD_DIR=$build
