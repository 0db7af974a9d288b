# Installs, as root on Debian 12, every package the build, the tests and the demo need.
# Sourced by scripts/test and scripts/demo; skips what is already present.
zentrobe_packages=(
  build-essential cmake openjdk-17-jdk-headless junit5
  gcc-multilib g++-multilib qemu-user openjdk-17-jdk-headless:i386
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 wine64
  googletest libgtest-dev python3
)

zentrobe_install_packages() {
  local missing=()
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    [ "$(id -u)" = 0 ] || { echo "need root to add the i386 architecture" >&2; return 1; }
    dpkg --add-architecture i386
    missing=(refresh)
  fi
  local p
  for p in "${zentrobe_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  [ "$(id -u)" = 0 ] || { echo "missing packages: ${missing[*]} (run as root)" >&2; return 1; }
  apt-get update
  local want=()
  for p in "${missing[@]}"; do [ "$p" = refresh ] || want+=("$p"); done
  [ ${#want[@]} -eq 0 ] && return 0
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${want[@]}"
}
