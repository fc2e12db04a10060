#!/usr/bin/env bash
# Installs the Debian packages the builds, the tests and the run need, if any is missing.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev
  libosmesa6-dev libglu1-mesa-dev mesa-common-dev mesa-utils
  g++-mingw-w64-x86-64 wine wine64 nsis osslsigncode openssl
  xvfb xserver-xephyr x11-utils x11-xserver-utils xdotool imagemagick
  libx11-dev libxext-dev libxinerama-dev libgl-dev libgl1-mesa-dri libjpeg62-turbo-dev libpng-dev strace
  xscreensaver xscreensaver-data dpkg-dev fakeroot
  sway xwayland wtype grim libwayland-dev wayland-protocols libegl-dev wayland-utils
  libdbus-1-dev dbus-daemon kwin-wayland
  libglib2.0-dev gnome-shell mutter dbus-x11 dbus-user-session python3-gi gir1.2-glib-2.0 webp-pixbuf-loader
  libxml2-utils lintian
  fonts-ipafont-gothic locales
  libwebp-dev libglib2.0-dev gsettings-desktop-schemas
  pulseaudio pulseaudio-utils sox libsox-fmt-mp3 lame gstreamer1.0-plugins-good
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "missing packages (run as root to install them): ${missing[*]}" >&2
  exit 1
fi
echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
