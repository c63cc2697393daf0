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

# ROLLCALL_ARCH_REASON says why, for the scripts' logs.
if [ -n "${ROLLCALL_ARCH:-}" ]; then
  ROLLCALL_ARCH_REASON="chosen by hand (ROLLCALL_ARCH=$ROLLCALL_ARCH)"
elif rollcall_runs_32bit; then
  ROLLCALL_ARCH=i686
  ROLLCALL_ARCH_REASON="the product's build: this machine runs 32-bit programs"
else
  ROLLCALL_ARCH=x86_64
  ROLLCALL_ARCH_REASON="this kernel runs no 32-bit programs (Wine's 32-bit loader fails), so the product's 32-bit build cannot run here"
fi
export ROLLCALL_ARCH ROLLCALL_ARCH_REASON
case "$ROLLCALL_ARCH" in
  i686) build=${BUILD_DIR:-$root/build} ;;
  x86_64) build=${BUILD_DIR:-$root/build-x64} ;;
  *) echo "ROLLCALL_ARCH must be i686 or x86_64, not $ROLLCALL_ARCH" >&2; exit 1 ;;
esac
export BUILD_DIR=$build
