#!/usr/bin/env python3
# SPDX-License-Identifier: EUPL-1.2
"""Reference computation of the THBox data-file cipher.

An independent, deliberately literal transcription of the cipher's algorithm,
kept apart from the C++ code so that the known-answer values in
tests/crypt/test_crypter.cpp do not merely restate the C++ implementation.
Every loop is written the slow, obvious way.

Prints, for the program's pass phrase and Init(False, False, key, 32):
  - the 32-byte working key and its checksum,
  - column 0 of the enciphering table (the base permutation),
  - the column chosen at each step k = 1..255 of the table fill,
  - the ciphertext of a fixed 1030-byte text (one full unit and a 6-byte unit),
and the working keys expanded from 31- and 33-byte prefixes of the pass phrase.

Usage: python3 tools/thbox_reference.py
"""

N = 256
MIN_KEY_LENGTH = 16
FILE_BLOCK_SIZE = 1024
EMPTY = 1024

PASS_PHRASE = b"QKW:Carpetado-Formularios_Paquetes"


class HBox:
    def __init__(self):
        # A new cipher has both tables all zero.
        self.matrix = [[0] * N for _ in range(N)]
        self.matrix_1 = [[0] * N for _ in range(N)]
        self.key = b""
        self.key_cs = 0
        self.column_order = []  # column chosen at k = 1..255 (for the printout)

    # -- key ---------------------------------------------------------------

    def expand_key(self, key, byte_key_size):
        lk = len(key)
        if lk == 0:
            raise ValueError("empty key")
        s = byte_key_size
        if s <= MIN_KEY_LENGTH:
            s = MIN_KEY_LENGTH
        if lk == s:
            return bytes(key)
        ekey = bytearray(s)
        for i in range(s):
            a = key[i % lk]
            b = key[((i + 11) | 31) % lk]
            ekey[i] = (self.matrix[i % 256][a] ^ (a * b + i)) & 0xFF
        return bytes(ekey)

    @staticmethod
    def check_sum(src):
        total = 0
        for b in src:
            total = (total + b) % 256
        return total

    def init(self, init_key, key_size, check=False):
        expanded = self.expand_key(init_key, key_size)
        key = bytearray(len(expanded))
        for i in range(key_size):
            key[i] = expanded[i]
        self.key = bytes(key)
        self.key_cs = self.check_sum(self.key)
        self.init_matrix()
        if check:
            t = sum(range(256))
            for r in range(N):
                if sum(self.matrix[r][c] for c in range(N)) != t:
                    return False
            for c in range(N):
                if sum(self.matrix[r][c] for r in range(N)) != t:
                    return False
        return True

    # -- tables ------------------------------------------------------------

    def init_matrix(self):
        a = [[EMPTY] * N for _ in range(N)]
        self.fill_row(a)
        self.fill_matrix(a)
        for r in range(N):
            for c in range(N):
                self.matrix[r][c] = a[r][c] & 0xFF
        for r in range(N):
            for c in range(N):
                self.matrix_1[self.matrix[r][c]][c] = r

    def fill_row(self, a):
        ks = len(self.key)
        z = 0
        x = 11
        m = 0
        i = 0
        iterations = 0
        while i < 256:
            iterations += 1
            if iterations > 50_000_000:
                raise RuntimeError("base permutation does not finish for this key")
            j = ks - 1
            while j >= m:
                z = (z + self.key[j] + x) % 256
                j -= 1
            m = (m + 1) % ks
            found = False
            for r in range(i):
                if a[r][0] == z:
                    found = True
                    break
            if found:
                x = (x + 1) % 256
            else:
                a[i][0] = z
                i += 1

    def fill_matrix(self, a):
        lk = len(self.key)
        x = 0
        self.column_order = []
        for k in range(1, 256):
            probes = 0
            while True:
                probes += 1
                if probes > 10_000_000:
                    raise RuntimeError("no free column for this key")
                x = x + 1
                c = ((self.key[(k + 37 + x) % lk] + x + self.key_cs) % 255) + 1
                if a[0][c] == EMPTY:
                    break
            self.column_order.append(c)
            for l in range(256):
                a[l][c] = a[(k + l) % 256][0]

    # -- units and streams -------------------------------------------------

    def encrypt(self, unit):
        b = bytearray(unit)
        n = len(b)
        if n < 1:
            return b
        m = self.matrix
        b[0] = m[b[0]][self.key_cs]
        if n == 1:
            return b
        for j in range(1, n):
            b[j] = m[b[j]][b[j - 1]]
        b[n - 1] = m[b[n - 1]][self.key_cs ^ 0x55]
        for j in range(n - 2, -1, -1):
            b[j] = m[b[j]][b[j + 1]]
        return b

    def decrypt(self, unit):
        d = bytearray(unit)
        n = len(d)
        if n < 1:
            return d
        m1 = self.matrix_1
        if n == 1:
            d[0] = m1[d[0]][self.key_cs]
            return d
        for j in range(0, n - 1):
            d[j] = m1[d[j]][d[j + 1]]
        d[n - 1] = m1[d[n - 1]][self.key_cs ^ 0x55]
        for j in range(n - 1, 0, -1):
            d[j] = m1[d[j]][d[j - 1]]
        d[0] = m1[d[0]][self.key_cs]
        return d

    def encrypt_stream(self, data, size, unit_op=None):
        op = unit_op or self.encrypt
        out = bytearray()
        pos = 0
        n = size // FILE_BLOCK_SIZE
        for _ in range(n):
            chunk = data[pos:pos + FILE_BLOCK_SIZE]
            pos += len(chunk)
            out += op(chunk)
        t = size % FILE_BLOCK_SIZE
        if t != 0:
            chunk = data[pos:pos + t]
            pos += len(chunk)
            out += op(chunk)
        return bytes(out)

    def decrypt_stream(self, data, size):
        return self.encrypt_stream(data, size, self.decrypt)


def sample_text():
    """The fixed 1030-byte test text: an XML declaration, CR LF, then
    byte i = (i * 131 + 7) mod 256 up to position 1029."""
    text = bytearray(b'<?xml version="1.0" encoding="ISO-8859-15"?>\r\n')
    for i in range(len(text), 1030):
        text.append((i * 131 + 7) % 256)
    return bytes(text)


def hex_lines(data, width=32):
    h = data.hex()
    step = width * 2
    return [h[i:i + step] for i in range(0, len(h), step)]


def main():
    box = HBox()
    assert box.init(PASS_PHRASE, 32, check=True)
    print("working key (32):", box.key.hex())
    print("key checksum:", box.key_cs)
    print("column 0:")
    for line in hex_lines(bytes(box.matrix[r][0] for r in range(N))):
        print(" ", line)
    print("column order k=1..255:")
    for line in hex_lines(bytes(box.column_order)):
        print(" ", line)

    text = sample_text()
    cipher = box.encrypt_stream(text, len(text))
    assert len(cipher) == len(text)
    assert box.decrypt_stream(cipher, len(cipher)) == text
    print("ciphertext of the %d-byte text:" % len(text))
    for line in hex_lines(cipher):
        print(" ", line)

    for length in (31, 33):
        other = HBox()
        print("working key from the first %d bytes:" % length,
              other.expand_key(PASS_PHRASE[:length], 32).hex())


if __name__ == "__main__":
    main()
