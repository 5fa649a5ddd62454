#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine, as root.
# Idempotent: each step checks first, so a second run takes seconds.
#   setup.sh native   compilers and GoogleTest for the Linux build
#   setup.sh wine     the above, plus the mingw cross compilers, Wine, qemu, Xvfb,
#                     the Japanese locale and font, and a ready Wine prefix
set -euo pipefail
level=${1:-wine}

native_pkgs=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev python3
             clang libclang-rt-14-dev)  # clang and its runtime: the libFuzzer build
wine_pkgs=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 qemu-user-static
           xvfb xauth x11-utils locales fonts-ipafont-gothic)

missing=()
want=("${native_pkgs[@]}")
[ "$level" = wine ] && want+=("${wine_pkgs[@]}")
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if printf '%s\n' "${missing[@]}" | grep -q ':i386'; then
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
[ "$level" = wine ] || exit 0

# The Japanese build is tested under code page 932, which Wine takes from LANG.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >/dev/null
fi

# 32-bit Wine needs i386 code execution; where the machine cannot run it natively,
# qemu-i386-static is registered in binfmt_misc.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      >/proc/sys/fs/binfmt_misc/register
  fi
fi

bash "$(dirname "$0")/wineprefix.sh"
