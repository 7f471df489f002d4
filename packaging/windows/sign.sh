#!/usr/bin/env bash
# Signs Windows programs in place with Authenticode (SHA-256) through osslsigncode. The build calls
# it through the small script that packaging/windows/CMakeLists.txt writes with its settings:
#
#   MORVANTIS_SIGN_CERT=cert.pem MORVANTIS_SIGN_KEY=key.pem [MORVANTIS_SIGN_TIMESTAMP_URL=url]
#   [MORVANTIS_SIGN_DESCRIPTION=text] [MORVANTIS_SIGN_URL=url] [MORVANTIS_OSSLSIGNCODE=program]
#   sign.sh FILE...
#
# A file is replaced only once its signed copy is complete.
set -euo pipefail
args=(sign -certs "$MORVANTIS_SIGN_CERT" -key "$MORVANTIS_SIGN_KEY" -h sha256)
[ -z "${MORVANTIS_SIGN_DESCRIPTION:-}" ] || args+=(-n "$MORVANTIS_SIGN_DESCRIPTION")
[ -z "${MORVANTIS_SIGN_URL:-}" ] || args+=(-i "$MORVANTIS_SIGN_URL")
[ -z "${MORVANTIS_SIGN_TIMESTAMP_URL:-}" ] || args+=(-ts "$MORVANTIS_SIGN_TIMESTAMP_URL")
for file in "$@"; do
  rm -f "$file.signed"
  if ! "${MORVANTIS_OSSLSIGNCODE:-osslsigncode}" "${args[@]}" -in "$file" -out "$file.signed" >"$file.sign-log" 2>&1; then
    cat "$file.sign-log" >&2
    rm -f "$file.signed" "$file.sign-log"
    echo "sign.sh: could not sign $file" >&2
    exit 1
  fi
  rm -f "$file.sign-log"
  mv -f "$file.signed" "$file"
done
