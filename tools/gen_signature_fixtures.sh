#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the signature-check test fixtures in tests/data/signature/ from the
# test key pair there (the private key lives only in the test data; the
# program carries the public key in js/rsaPublicKey.js).
# Each signature is raw RSA over a block 00 02 <nonzero padding> 00 <digest
# text>, the form the announcement check expects. Regenerate with:
#   sh tools/gen_signature_fixtures.sh
# A new key pair: openssl genrsa -out tests/data/signature/test_private_key.pem 4096
#   && openssl rsa -in tests/data/signature/test_private_key.pem -pubout -out tests/data/signature/public_key.pem
set -e
cd "$(dirname "$0")/../tests/data/signature"
key=test_private_key.pem
k=$(( $(openssl rsa -in $key -noout -text 2>/dev/null | sed -n 's/.*(\([0-9]*\) bit.*/\1/p') / 8 ))

# sign TEXT-FILE LEAD-BYTE PAYLOAD OUT: raw private-key operation on a padded block.
sign() {
    payload=$1; lead=$2; out=$3
    plen=$(printf %s "$payload" | wc -c)
    padlen=$(( k - 3 - plen ))
    { printf '\000'; printf "\\$(printf %03o "$lead")"
      head -c 4096 /dev/urandom | tr -d '\000' | head -c $padlen
      printf '\000'; printf %s "$payload"; } > block.bin
    openssl pkeyutl -decrypt -inkey $key -pkeyopt rsa_padding_mode:none -in block.bin -out sig.bin
    od -An -v -tx1 sig.bin | tr -d ' \n' > "$out"
    rm -f block.bin sig.bin
}

printf %s "晴曜命盘 2.0.6 发布声明：本版修正万年历的节气标记。" > announcement.txt
digest=$(printf %s "$(cat announcement.txt)" | openssl dgst -sha256 -r | cut -d' ' -f1)
printf %s "$digest" > announcement.sha256
sign "$digest" 2 good.sig
# A block with the signature padding type 01 instead of 02.
sign "$digest" 1 type1.sig
# A valid block that carries another digest.
other=$(printf %s "另一段文字" | openssl dgst -sha256 -r | cut -d' ' -f1)
sign "$other" 2 otherdigest.sig

# The same fixtures as a script module for the QML tests.
{
    echo "// generated - do not edit. Regenerate with: sh tools/gen_signature_fixtures.sh"
    echo ".pragma library"
    printf 'var text = "%s";\n' "$(cat announcement.txt)"
    printf 'var digest = "%s";\n' "$(cat announcement.sha256)"
    for s in good type1 otherdigest; do
        printf 'var %sSig = "%s";\n' "$s" "$(cat $s.sig)"
    done
} > fixtures.js
