#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Idempotent: asks
# apt only when a package is missing, and generates only missing locales.
set -euo pipefail

packages=(
    cmake g++ googletest clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine wine64 xvfb xdotool imagemagick x11-utils zip locales
    # The end-to-end sessions read the stand-in Word's state JSON.
    jq
    # Fonts the Windows tests look for: Song for "宋体" (UMing, WenQuanYi where
    # no Song face does), TrueType faces (DejaVu) and faces that are not
    # TrueType (URW's PostScript fonts) for the font list's symbols.
    fonts-arphic-uming fonts-wqy-zenhei fonts-dejavu-core fonts-urw-base35
)
# zh_CN gives the tests code page 936; de_DE a "," decimal separator.
locales_needed=(zh_CN.UTF-8 de_DE.UTF-8)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# locale -a spells them "zh_CN.utf8".
have_locale() {
    local wanted
    wanted=$(printf '%s' "$1" | tr 'A-Z' 'a-z' | sed 's/utf-8$/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$wanted"
}

regenerate=0
for name in "${locales_needed[@]}"; do
    if ! have_locale "$name"; then
        # Uncomment the line, or add it when locale.gen lacks it.
        if grep -Eq "^#? *${name//./\\.} UTF-8" /etc/locale.gen; then
            as_root sed -i -E "s/^# *(${name//./\\.} UTF-8)/\\1/" /etc/locale.gen
        else
            echo "$name UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
        fi
        regenerate=1
    fi
done
if [ $regenerate -eq 1 ]; then
    echo "install-deps: generating locales ${locales_needed[*]}"
    as_root locale-gen
fi

for name in "${locales_needed[@]}"; do
    if ! have_locale "$name"; then
        echo "install-deps: locale $name is still missing" >&2
        exit 1
    fi
done
