.pragma library
.import "sha256.js" as Sha

// Signature check of announcements: raw RSA with a PEM public key, on
// numbers held as little-endian arrays of 16-bit limbs (the script engine
// has no big integers). Products of two limbs plus carries stay far below
// 2^53, so plain doubles carry them exactly.

var LIMB = 65536;

function base64Bytes(text) {
    var alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    var clean = String(text).replace(/[^A-Za-z0-9+\/]/g, "");
    var out = [];
    var acc = 0, bits = 0;
    for (var i = 0; i < clean.length; i++) {
        acc = (acc << 6) | alphabet.indexOf(clean.charAt(i));
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push((acc >> bits) & 255);
        }
    }
    return out;
}

// One DER element at pos: {tag, start, end} of its contents, or null.
function derElement(bytes, pos) {
    if (pos + 2 > bytes.length)
        return null;
    var tag = bytes[pos];
    var len = bytes[pos + 1];
    var start = pos + 2;
    if (len & 0x80) {
        var n = len & 0x7f;
        if (n < 1 || n > 4 || start + n > bytes.length)
            return null;
        len = 0;
        for (var i = 0; i < n; i++)
            len = len * 256 + bytes[start + i];
        start += n;
    }
    if (start + len > bytes.length)
        return null;
    return { tag: tag, start: start, end: start + len };
}

// Modulus and exponent bytes of a "PUBLIC KEY" (SubjectPublicKeyInfo) or
// "RSA PUBLIC KEY" PEM text; null when the text is no such key.
function parsePublicKey(pem) {
    var body = String(pem).replace(/-----[^-]+-----/g, "");
    var der = base64Bytes(body);
    var top = derElement(der, 0);
    if (!top || top.tag !== 0x30)
        return null;
    var first = derElement(der, top.start);
    if (!first)
        return null;
    var seq = top;
    if (first.tag === 0x30) {
        // SubjectPublicKeyInfo: algorithm, then a bit string holding the key.
        var bitString = derElement(der, first.end);
        if (!bitString || bitString.tag !== 0x03)
            return null;
        seq = derElement(der, bitString.start + 1);
        if (!seq || seq.tag !== 0x30)
            return null;
    }
    var modulus = derElement(der, seq.start);
    if (!modulus || modulus.tag !== 0x02)
        return null;
    var exponent = derElement(der, modulus.end);
    if (!exponent || exponent.tag !== 0x02)
        return null;
    return { n: der.slice(modulus.start, modulus.end), e: der.slice(exponent.start, exponent.end) };
}

function trimZeros(a) {
    while (a.length > 1 && a[a.length - 1] === 0)
        a.pop();
    return a;
}

// Big-endian bytes to limbs.
function fromBytes(bytes) {
    var a = [];
    for (var i = bytes.length - 1; i >= 0; i -= 2)
        a.push(bytes[i] + (i > 0 ? bytes[i - 1] * 256 : 0));
    return trimZeros(a.length ? a : [0]);
}

// Hexadecimal text to limbs; null when it holds anything but hex digits.
function fromHex(text) {
    var s = String(text);
    if (s.length === 0 || /[^0-9a-fA-F]/.test(s))
        return null;
    var a = [];
    for (var end = s.length; end > 0; end -= 4)
        a.push(parseInt(s.substring(Math.max(0, end - 4), end), 16));
    return trimZeros(a);
}

function bitLength(a) {
    var top = a.length - 1;
    while (top > 0 && a[top] === 0)
        top--;
    if (a[top] === 0)
        return 0;
    return top * 16 + Math.floor(Math.log(a[top]) / Math.LN2) + 1;
}

function compare(a, b) {
    var n = Math.max(a.length, b.length);
    for (var i = n - 1; i >= 0; i--) {
        var x = i < a.length ? a[i] : 0, y = i < b.length ? b[i] : 0;
        if (x !== y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// a - b in place for a >= b of the same limb count or more.
function subtractInPlace(a, b) {
    var borrow = 0;
    for (var i = 0; i < a.length; i++) {
        var v = a[i] - (i < b.length ? b[i] : 0) - borrow;
        borrow = v < 0 ? 1 : 0;
        a[i] = v < 0 ? v + LIMB : v;
    }
}

// -n^-1 mod 2^16 for odd n, by Newton steps on the lowest limb.
function negInverse(n0) {
    var x = 1;
    for (var i = 0; i < 5; i++)
        x = (x * (2 - ((n0 * x) % LIMB))) % LIMB;
    x = ((x % LIMB) + LIMB) % LIMB;
    return (LIMB - x) % LIMB;
}

// t += mult * vec over len limbs, carrying into t[len] and t[len + 1].
function addMultiple(t, mult, vec, len) {
    var carry = 0;
    for (var j = 0; j < len; j++) {
        var v = t[j] + mult * (j < vec.length ? vec[j] : 0) + carry;
        carry = Math.floor(v / LIMB);
        t[j] = v - carry * LIMB;
    }
    var top = t[len] + carry;
    carry = Math.floor(top / LIMB);
    t[len] = top - carry * LIMB;
    t[len + 1] += carry;
}

// Montgomery product a*b*R^-1 mod n, R = 2^(16 * len); a, b < n.
function montMul(a, b, n, nInv) {
    var len = n.length;
    var t = [];
    for (var k = 0; k < len + 2; k++)
        t.push(0);
    for (var i = 0; i < len; i++) {
        addMultiple(t, i < a.length ? a[i] : 0, b, len);
        addMultiple(t, ((t[0] % LIMB) * nInv) % LIMB, n, len);
        // t is now divisible by the limb base.
        for (var j = 0; j <= len; j++)
            t[j] = t[j + 1];
        t[len + 1] = 0;
    }
    var r = t.slice(0, len + 1);
    if (compare(r, n) >= 0)
        subtractInPlace(r, n);
    return r.slice(0, len);
}

// R^2 mod n by doubling 1 with a reduction after each step.
function rSquared(n) {
    var len = n.length;
    var r = [1];
    for (var k = 0; k < len; k++)
        r.push(0);
    for (var step = 0; step < 32 * len; step++) {
        var carry = 0;
        for (var i = 0; i < r.length; i++) {
            var v = r[i] * 2 + carry;
            carry = v >= LIMB ? 1 : 0;
            r[i] = v - carry * LIMB;
        }
        if (carry)
            r.push(carry);
        if (compare(r, n) >= 0)
            subtractInPlace(r, n);
    }
    return r.slice(0, len);
}

// s^e mod n; s must already be below n, n odd.
function modPow(s, e, n) {
    var nInv = negInverse(n[0]);
    var r2 = rSquared(n);
    var base = montMul(s, r2, n, nInv);
    var acc = montMul([1], r2, n, nInv);
    for (var i = bitLength(e) - 1; i >= 0; i--) {
        acc = montMul(acc, acc, n, nInv);
        if ((e[Math.floor(i / 16)] >> (i % 16)) & 1)
            acc = montMul(acc, base, n, nInv);
    }
    return trimZeros(montMul(acc, [1], n, nInv));
}

// Limbs to a big-endian block of exactly k bytes (null if it does not fit).
function toBytes(a, k) {
    var le = [];
    for (var i = 0; i < a.length; i++)
        le.push(a[i] & 255, a[i] >> 8);
    while (le.length > k) {
        if (le.pop() !== 0)
            return null;
    }
    while (le.length < k)
        le.push(0);
    return le.reverse();
}

function utf8Decode(bytes) {
    var s = "";
    for (var i = 0; i < bytes.length; i++) {
        var b = bytes[i], c, extra;
        if (b < 0x80) { c = b; extra = 0; }
        else if ((b & 0xe0) === 0xc0) { c = b & 0x1f; extra = 1; }
        else if ((b & 0xf0) === 0xe0) { c = b & 0x0f; extra = 2; }
        else if ((b & 0xf8) === 0xf0) { c = b & 0x07; extra = 3; }
        else return null;
        for (var j = 0; j < extra; j++) {
            var nb = bytes[++i];
            if (nb === undefined || (nb & 0xc0) !== 0x80)
                return null;
            c = c * 64 + (nb & 0x3f);
        }
        s += String.fromCodePoint ? String.fromCodePoint(c)
                                  : (c < 0x10000 ? String.fromCharCode(c)
                                                 : String.fromCharCode(0xd800 + ((c - 0x10000) >> 10), 0xdc00 + ((c - 0x10000) & 0x3ff)));
    }
    return s;
}

// The message recovered from a signature: the text after the type-2
// padding, or null when the signature is no such block for this key.
function recoverMessage(signatureHex, pem) {
    var key = parsePublicKey(pem);
    if (!key)
        return null;
    var n = fromBytes(key.n);
    var e = fromBytes(key.e);
    if ((n[0] & 1) === 0)
        return null;
    var s = fromHex(signatureHex);
    if (!s || compare(s, n) >= 0)
        return null;
    var k = Math.ceil(bitLength(n) / 8);
    var block = toBytes(modPow(s, e, n), k);
    if (!block || block[0] !== 0 || block[1] !== 2)
        return null;
    var i = 2;
    while (i < block.length && block[i] !== 0)
        i++;
    if (i >= block.length)
        return null;
    return utf8Decode(block.slice(i + 1));
}

// 1 incomplete input, 2 digest not of the text, 3 signature refused,
// 4 verified. Inputs are trimmed first, in that order of checks.
function verifyAnnouncement(text, digest, signature, pem) {
    var t = String(text).trim(), d = String(digest).trim(), s = String(signature).trim();
    if (t.length < 3 || d.length !== 64 || s.length < 10)
        return 1;
    if (Sha.sha256Hex(t) !== d)
        return 2;
    if (recoverMessage(s, pem) !== d)
        return 3;
    return 4;
}
