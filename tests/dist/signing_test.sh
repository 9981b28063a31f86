#!/usr/bin/env bash
# The release's signing step (cmake/sign_exe.cmake) with a throwaway
# self-signed certificate: the signature is SHA-256, verifies against that
# certificate and carries the given signing time; two signings give the same
# bytes; removing the signature gives back the unsigned file but for the PE
# checksum and the padding to 8 bytes that precedes the certificate table; a
# timestamp server that cannot be reached fails the step.
#   tests/dist/signing_test.sh SOURCE-ROOT WORK-FOLDER
set -euo pipefail
source_root=$1
rm -rf "$2" && mkdir -p "$2" && cd "$2"
fail() { echo "signing: $*" >&2; exit 1; }

# Little-endian bytes: le VALUE COUNT.
le() { local byte; for ((i = 0; i < $2; i++)); do printf -v byte '\\x%02x' $(($1 >> 8 * i & 255)); printf "$byte"; done; }
zeros() { head -c "$1" /dev/zero; }
# A PE32+ image of headers only, 0x203 bytes: its length no multiple of 8 and
# its checksum 0, where osslsigncode writes the file's sum, so that both
# differences show.
pe=0x40
checksum_offset=$((pe + 0x58))
{
    printf MZ; zeros 58; le $pe 4
    printf 'PE\0\0'; le 0x8664 2; le 0 2; zeros 12; le 240 2; le 0x22 2
    le 0x20b 2; zeros 22; le 0x140000000 8; le 0x1000 4; le 0x200 4; le 6 2; zeros 6; le 6 2; zeros 6
    le 0x1000 4; le 0x200 4; le 0 4; le 2 2; le 0x8160 2
    le 0x100000 8; le 0x1000 8; le 0x100000 8; le 0x1000 8; le 0 4; le 16 4; zeros 128
} > unsigned.exe
zeros $((0x203 - $(stat -c %s unsigned.exe))) >> unsigned.exe

openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out cert.pem -days 2 -subj "/CN=VELK signing test" \
    -addext extendedKeyUsage=codeSigning 2>/dev/null
echo "throwaway password" > password.txt
openssl pkcs12 -export -inkey key.pem -in cert.pem -out cert.pfx -passout file:password.txt

sign() {
    cmake -D EXE=unsigned.exe -D "SIGNED=$1" -D PFX=cert.pfx -D PASSWORD_FILE=password.txt \
          -D "TIME=2001-02-03 04:05:06 UTC" -D "TIMESTAMP_URL=${2:-}" -P "$source_root/cmake/sign_exe.cmake"
}
sign first.exe
sign second.exe
cmp first.exe second.exe || fail "two signings differ"

verified=$(osslsigncode verify -CAfile cert.pem -in first.exe) || fail "does not verify: $verified"
grep -q "Message digest algorithm *: SHA256" <<<"$verified" || fail "not SHA-256: $verified"
grep -q "Signing time: Feb  3 04:05:06 2001 GMT" <<<"$verified" || fail "not the given signing time: $verified"

osslsigncode remove-signature -in first.exe -out removed.exe >/dev/null
length=$(stat -c %s unsigned.exe)
[ "$(stat -c %s removed.exe)" -eq $(((length + 7) / 8 * 8)) ] || fail "removed: $(stat -c %s removed.exe) bytes"
[ -z "$(tail -c +$((length + 1)) removed.exe | tr -d '\0')" ] || fail "removed: padding other than zeros"
while read -r position _; do
    [ "$position" -gt "$checksum_offset" ] && [ "$position" -le $((checksum_offset + 4)) ] ||
        fail "removed: byte $position differs from the unsigned file"
done < <(cmp -l -n "$length" unsigned.exe removed.exe || true)

if sign timestamped.exe http://127.0.0.1:9/ 2>/dev/null; then fail "signed without its timestamp"; fi
