#!/usr/bin/env bash
# A release signed with a certificate made here, kept in a folder whose name needs quoting: the
# build given MORVANTIS_SIGN_CERT and MORVANTIS_SIGN_KEY signs both programs (the zip and the
# installer carry the signed ones), the uninstaller and the installer, and osslsigncode accepts
# every signature; the build without them signs nothing. No timestamp server: there is no network.
#
#   signing_test.sh SOURCE_DIR TOOLCHAIN_FILE WORK_DIR UNSIGNED_INSTALLER
set -uo pipefail
source_dir=$1 toolchain=$2 work=$3 unsigned=$4
failures=0
check() {  # check WHAT COMMAND...: counts a failure and goes on
  local what=$1
  shift
  "$@" || { echo "FAIL: $what" >&2; failures=$((failures + 1)); }
}
signed() {
  osslsigncode verify -CAfile "$keys/cert.pem" -in "$1" >"$work/verify.log" 2>&1 || { cat "$work/verify.log"; return 1; }
}
unsigned() { ! osslsigncode extract-signature -in "$1" -out "$work/signature" >/dev/null 2>&1; }

rm -rf "$work"
keys="$work/release keys/the signer's"
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Morvantis test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$keys/key.pem" -out "$keys/cert.pem" 2>/dev/null || exit 1

echo "== A build that signs"
build="$work/build"
MORVANTIS_SIGN_CERT="$keys/cert.pem" MORVANTIS_SIGN_KEY="$keys/key.pem" cmake -S "$source_dir" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DMORVANTIS_TESTS=OFF -DMORVANTIS_BENCHMARKS=OFF \
  >/dev/null || exit 1
cmake --build "$build" -j 2 --target installer package_zip >/dev/null || exit 1
installer=$(echo "$build"/Morvantis-Setup-*.exe)
for file in "$build"/shipped/* "$installer"; do check "$(basename "$file") is signed" signed "$file"; done
mkdir "$work/unpacked"
unzip -q -d "$work/unpacked" "$build"/morvantis-windows-*.zip
for file in "$build"/shipped/*; do
  check "the zip holds the signed $(basename "$file")" cmp -s "$file" "$work/unpacked/$(basename "$file")"
done

echo "== The uninstaller it installs, in a Wine prefix of its own"
export WINEPREFIX="$work/wineprefix" MORVANTIS_WINEPREFIX="$work/wineprefix"
wine() { "$source_dir/scripts/wine-run.sh" "$@" </dev/null; }
wine wineboot -i >/dev/null 2>&1
wine "$installer" /S '/D=C:\signed'
check "the signed installer ends with exit code 0" [ $? -eq 0 ]
check "the uninstaller is signed" signed "$WINEPREFIX/drive_c/signed/uninstall.exe"
for file in "$build"/shipped/*; do
  check "the signed $(basename "$file") is installed" cmp -s "$file" "$WINEPREFIX/drive_c/signed/$(basename "$file")"
done
wineserver -k 2>/dev/null

echo "== The build without a certificate"
check "its installer carries no signature" unsigned "$unsigned"
check "its programs carry none" unsigned "$(dirname "$unsigned")/shipped/モルヴァンティス.scr"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; the build is kept in $work" >&2
  exit 1
fi
rm -rf "$work"
echo "all checks passed"
