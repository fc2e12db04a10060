#!/usr/bin/env bash
# Authenticode signatures for the dist target, made with osslsigncode when the builder names a
# certificate, and nothing otherwise. What to sign with comes from the environment at build time
# (ALTOSTRAT_SIGN_PKCS12: a PKCS#12 file holding the certificate and its key;
# ALTOSTRAT_SIGN_PASSWORD: its password; ALTOSTRAT_SIGN_TIMESTAMP: an RFC 3161 timestamp
# server's URL), each one not set there from CONF, which CMake writes from the cache variables
# of the same names (readable by the builder alone: it may hold the password).
#
#   sign.sh CONF identity STAMP     writes into STAMP what signatures would be made with (the
#                                   certificate's file and fingerprint, the timestamp server;
#                                   never the password), only when that changed, so that a new
#                                   certificate signs everything again and the same one nothing
#   sign.sh CONF sign FILE [COPY]   signs FILE in place; COPY, when given, receives the result
set -euo pipefail

conf=$1
command=$2
# conf_value KEY: the value of KEY=... in CONF.
conf_value() {
    local line
    while IFS= read -r line; do
        if [ "${line%%=*}" = "$1" ]; then
            printf '%s' "${line#*=}"
            return
        fi
    done <"$conf"
}
pkcs12=${ALTOSTRAT_SIGN_PKCS12-$(conf_value pkcs12)}
timestamp=${ALTOSTRAT_SIGN_TIMESTAMP-$(conf_value timestamp)}

case $command in
identity)
    stamp=$3
    identity=unsigned
    if [ -n "$pkcs12" ]; then
        [ -f "$pkcs12" ] || {
            echo "sign.sh: no certificate file $pkcs12 (ALTOSTRAT_SIGN_PKCS12)" >&2
            exit 1
        }
        identity="pkcs12=$(realpath "$pkcs12") sha256=$(sha256sum <"$pkcs12" | cut -d' ' -f1)"
        identity+=" timestamp=$timestamp"
    fi
    [ "$(cat "$stamp" 2>/dev/null)" = "$identity" ] || printf '%s\n' "$identity" >"$stamp"
    ;;
sign)
    file=$3
    if [ -n "$pkcs12" ]; then
        command -v osslsigncode >/dev/null || {
            echo "sign.sh: osslsigncode is missing (Debian package osslsigncode)" >&2
            exit 1
        }
        password=${ALTOSTRAT_SIGN_PASSWORD-$(conf_value password)}
        arguments=(sign -pkcs12 "$pkcs12" -h sha256 -n "$(conf_value description)"
            -in "$file" -out "$file.signed")
        # The password goes through a pipe, never on a command line others could read.
        [ -z "$password" ] || arguments+=(-readpass /dev/stdin)
        [ -z "$timestamp" ] || arguments+=(-ts "$timestamp")
        rm -f "$file.signed"
        printf '%s' "$password" | osslsigncode "${arguments[@]}" >"$file.signing-log" 2>&1 || {
            cat "$file.signing-log" >&2
            echo "sign.sh: could not sign $file" >&2
            exit 1
        }
        rm -f "$file.signing-log"
        mv "$file.signed" "$file"
    fi
    [ $# -lt 4 ] || cp "$file" "$4"
    ;;
*)
    echo "usage: sign.sh CONF identity STAMP | sign.sh CONF sign FILE [COPY]" >&2
    exit 2
    ;;
esac
