#!/usr/bin/env bash
# Builds the downloads as a release is built with the builder's own certificate, here with a
# throwaway one made for the run (openssl: a self-signed code-signing certificate, its PKCS#12
# file and a random password, given in the environment as a builder gives them), and checks what
# the dist target made with it: every file it signed (the three programs, the installer's helper,
# the NSIS plug-ins the installer unpacks, the uninstaller as NSIS finished it, and the
# installer) verifies with osslsigncode against that certificate; a file left unsigned does not;
# and every program the downloads hold carries a version resource naming the product's version
# and declares itself aware of each monitor's scale (PerMonitorV2), which only a scaled display
# shows: Wine scales no program.
# The Wine tier then installs these signed downloads. No timestamp: no server is reached.
# Usage: tests/signed-dist.sh BUILD_DIR (the windows preset's, configured).
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

fail() {
    echo "signed-dist: $*" >&2
    exit 1
}

keys=$build/test-signing
rm -rf "$keys"
mkdir -m 700 "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Altostrat throwaway test signer" \
    -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=critical,digitalSignature" \
    -keyout "$keys/key.pem" -out "$keys/certificate.pem" 2>/dev/null
ALTOSTRAT_SIGN_PASSWORD=$(openssl rand -hex 16)
export ALTOSTRAT_SIGN_PASSWORD
openssl pkcs12 -export -inkey "$keys/key.pem" -in "$keys/certificate.pem" \
    -passout env:ALTOSTRAT_SIGN_PASSWORD -out "$keys/signer.p12"
rm "$keys/key.pem"

ALTOSTRAT_SIGN_PKCS12=$keys/signer.p12 ALTOSTRAT_SIGN_TIMESTAMP='' \
    cmake --build "$build" --target dist

installer=$build/installer
signed=(
    "$installer/signed/host.scr" "$installer/signed/renderer.dll" "$installer/signed/keeper.exe"
    "$installer/signed/setup-folder.exe" "$installer/signed/uninstall.exe"
    "$build/dist/アルトストラト-setup.exe" "$installer"/plugins/*.dll
)
[ ${#signed[@]} -gt 7 ] || fail "no signed NSIS plug-ins in $installer/plugins"
verified() {
    osslsigncode verify -CAfile "$keys/certificate.pem" -in "$1" >"$keys/verify.txt" 2>&1 &&
        grep -q 'Signature verification: ok' "$keys/verify.txt"
}
for file in "${signed[@]}"; do
    verified "$file" || fail "$file: $(cat "$keys/verify.txt")"
done
verified "$installer/stripped/host.scr" && fail "an unsigned program verified"

# version_of FILE: the ProductVersion value of FILE's version resource (UTF-16 text).
version_of() {
    strings -el "$1" | grep -A1 -x ProductVersion | tail -1
}
version=$(sed -n 's/^#define ALTOSTRAT_VERSION_TEXT "\(.*\)"$/\1/p' "$source_dir/assets/version.h")
for file in "${signed[@]:0:6}"; do
    [ "$(version_of "$file")" = "$version" ] ||
        fail "$file carries no version resource of version $version: \"$(version_of "$file")\""
done
# dpi_awareness_of FILE: the first value of the dpiAwareness element of FILE's manifest.
dpi_awareness_of() {
    strings -n 8 "$1" | grep -o '<dpiAwareness[^>]*>[^<,]*' | head -1 | sed 's/.*>//'
}
for file in "${signed[@]:0:6}"; do
    [ "$(dpi_awareness_of "$file")" = PerMonitorV2 ] ||
        fail "$file is not aware of each monitor's scale: \"$(dpi_awareness_of "$file")\""
done
echo "signed-dist: ${#signed[@]} files signed and verified, each program of version $version and" \
    "aware of each monitor's scale"
