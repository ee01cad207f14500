#!/usr/bin/env python3
"""Writes what glibc's iconv makes of every Unicode character from U+0080
up (the BMP without surrogates, and a few beyond it) in GB2312 and in GBK,
one line per character: "XXXX GB2312-HEX GBK-HEX", "-" where glibc refuses.
The Windows tests, which have no glibc, compare against this table.

usage: glibc_charsets.py OUTPUT
"""

import ctypes
import ctypes.util
import os
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"))
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
libc.iconv_close.argtypes = [ctypes.c_void_p]
FAILED = ctypes.c_size_t(-1).value


def converter(to):
    cd = libc.iconv_open(to.encode(), b"UTF-8")
    if cd == FAILED:
        sys.exit("glibc has no converter to " + to)

    def convert(data):
        libc.iconv(cd, None, None, None, None)  # reset the state
        source = ctypes.create_string_buffer(data, len(data))
        target = ctypes.create_string_buffer(16)
        src = ctypes.c_char_p(ctypes.addressof(source))
        dst = ctypes.c_char_p(ctypes.addressof(target))
        left = ctypes.c_size_t(len(data))
        room = ctypes.c_size_t(16)
        result = libc.iconv(cd, ctypes.byref(src), ctypes.byref(left),
                            ctypes.byref(dst), ctypes.byref(room))
        if result == FAILED or left.value:
            return "-"
        return target.raw[:16 - room.value].hex()
    return convert


def main():
    gb2312 = converter("GB2312")
    gbk = converter("GBK")
    points = [cp for cp in range(0x80, 0x10000) if not 0xD800 <= cp < 0xE000]
    points += [0x10000, 0x1F600, 0x20000, 0x10FFFF]
    with open(sys.argv[1] + ".tmp", "w") as out:
        for cp in points:
            utf8 = chr(cp).encode()
            out.write("%04X %s %s\n" % (cp, gb2312(utf8), gbk(utf8)))
    os.replace(sys.argv[1] + ".tmp", sys.argv[1])


if __name__ == "__main__":
    main()
