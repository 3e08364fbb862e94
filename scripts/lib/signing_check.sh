#!/usr/bin/env bash
# The Authenticode signing of scripts/package, tried with a throwaway self-signed code-signing
# certificate made here: both programs signed, each signature verified against that certificate,
# and the signed programs still run under Wine (in the prefix and on the display of the
# environment). Without a certificate, one "unsigned" line.
#   signing_check.sh FOLDER_WITH_EXE_AND_COM WORK_FOLDER
set -euo pipefail
source "$(dirname "$0")/checks.sh"
source "$(dirname "$0")/authenticode.sh"
bin=$(realpath "$1")
work=$(realpath -m "$2")
started=$(date +%s%N)
rm -rf "$work" && mkdir -p "$work/signed" "$work/recorder/VOICE"
programs=("$work/signed/datetime-cfg-creator.exe" "$work/signed/datetime-cfg-creator.com")
cp "$bin/datetime-cfg-creator.exe" "$bin/datetime-cfg-creator.com" "$work/signed/"

echo "-- without a certificate"
out=$(DTC_SIGN_PFX='' sign_windows_programs "${programs[@]}")
check "one line that says unsigned (got: $out)" '[ "$(wc -l <<<"$out")" = 1 ] && grep -q "^unsigned" <<<"$out"'

echo "-- with a throwaway certificate"
password=$(head -c 12 /dev/urandom | base64)
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=date_time.cfg Creator test" \
  -addext "extendedKeyUsage=codeSigning" -addext "keyUsage=digitalSignature" \
  -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signing.pfx" \
  -passout "pass:$password"
DTC_SIGN_PFX="$work/signing.pfx" DTC_SIGN_PASSWORD="$password" sign_windows_programs "${programs[@]}"
for program in "${programs[@]}"; do
  out=$(osslsigncode verify -CAfile "$work/cert.pem" -in "$program" 2>&1 || true)
  check "$(basename "$program"): the signature verifies (got: $(tail -n 3 <<<"$out"))" \
    'grep -q "^Signature verification: ok" <<<"$out"'
done
out=$(DTC_SIGN_PFX="$work/signing.pfx" DTC_SIGN_PASSWORD=wrong \
  sign_windows_programs "$work/signed/datetime-cfg-creator.com" 2>&1 || echo "status=$?")
check "a wrong password fails the signing (got: $out)" 'grep -q "status=1" <<<"$out"'

echo "-- the signed programs under Wine"
out=$(cd "$work/signed" && wine datetime-cfg-creator.com --start "$(winepath -w "$work/recorder")" \
  </dev/null 2>&1 | tr -d '\r' || true)
check "the signed .com sets the clock (got: $out)" '[ -s "$work/recorder/date_time.cfg" ]'
status=0
out=$(cd "$work/signed" && wine datetime-cfg-creator.exe --version </dev/null 2>/dev/null) || status=$?
check "the signed .exe runs: --version prints the version and ends with 0 (got: $status, $out)" \
  '[ "$status" = 0 ] && grep -q "^datetime-cfg-creator [0-9]" <<<"$out"'

echo "signing check: $((($(date +%s%N) - started) / 1000000)) ms"
rm -f "$work/key.pem" "$work/signing.pfx"
exit "$failed"
