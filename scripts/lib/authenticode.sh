# Sourced by scripts/package and the signing check: Authenticode signatures on the Windows
# programs with osslsigncode, so that Windows can tell who published them.
#
#   DTC_SIGN_PFX            the code-signing certificate and its private key (a PKCS#12 file)
#   DTC_SIGN_PASSWORD       the PKCS#12 file's password
#   DTC_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamp server (optional, off by default: it needs the
#                           network); a time-stamped signature stays valid after the certificate
#                           expires

# Signs each program in place (SHA-256), or says in one line that they stay unsigned when no
# certificate is given. Fails when signing fails: a package is not made half signed.
sign_windows_programs() {
  if [ -z "${DTC_SIGN_PFX:-}" ]; then
    echo "unsigned: $(basename -a "$@" | tr '\n' ' ')(set DTC_SIGN_PFX and DTC_SIGN_PASSWORD to sign)"
    return 0
  fi
  if [ ! -f "$DTC_SIGN_PFX" ]; then
    echo "DTC_SIGN_PFX names no file: $DTC_SIGN_PFX" >&2
    return 1
  fi
  local program timestamp=() password=(-readpass -)
  [ -n "${DTC_SIGN_TIMESTAMP_URL:-}" ] && timestamp=(-ts "$DTC_SIGN_TIMESTAMP_URL")
  # The password goes through a pipe, never on a command line that other users can see; an empty
  # one, which osslsigncode cannot read from a pipe, is given as such.
  [ -z "${DTC_SIGN_PASSWORD:-}" ] && password=(-pass "")
  for program in "$@"; do
    if ! printf '%s' "${DTC_SIGN_PASSWORD:-}" |
      osslsigncode sign -pkcs12 "$DTC_SIGN_PFX" "${password[@]}" -h sha256 \
        -n "date_time.cfg Creator" "${timestamp[@]}" -in "$program" -out "$program.signed" \
        >/dev/null; then
      rm -f "$program.signed"
      echo "Signing $(basename "$program") failed" >&2
      return 1
    fi
    mv "$program.signed" "$program"
  done
  local said
  said="signed: $(basename -a "$@" | tr '\n' ' ')with $(basename "$DTC_SIGN_PFX")"
  [ -n "${DTC_SIGN_TIMESTAMP_URL:-}" ] && said+=", time-stamped by $DTC_SIGN_TIMESTAMP_URL"
  echo "$said"
}
