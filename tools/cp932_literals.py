"""Writes a source file whose Japanese literals are to be CP932 bytes in a form that clang
compiles: clang has no CP932 execution charset, so every non-ASCII character becomes the
octal escapes of its CP932 bytes (in comments they do no harm).

Usage: cp932_literals.py SOURCE OUTPUT
"""
import os
import sys

source, output = sys.argv[1], sys.argv[2]
with open(source, encoding="utf-8") as f:
    text = f.read()
escaped = "".join(
    c if ord(c) < 0x80 else "".join(f"\\{b:03o}" for b in c.encode("cp932", errors="replace"))
    for c in text)
os.makedirs(os.path.dirname(output), exist_ok=True)
with open(output, "w", encoding="ascii") as f:
    f.write(escaped)
