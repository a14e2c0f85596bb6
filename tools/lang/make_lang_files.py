#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/skin/kvo/lang/{english,french,deutsch,italian}.ini from langtable.py.

  make_lang_files.py           write the four language files
  make_lang_files.py --cpp     print the English table entries for ResStr.cpp

Checks every row first: all keys in the load order of src/core/lang/ResStr.h,
the same format directives in every language, and no text that the loader's
blank normalisation would change.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from langtable import LANGUAGES, ROWS  # noqa: E402

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
HEADER = os.path.join(ROOT, "src", "core", "lang", "ResStr.h")
LANG_DIR = os.path.join(ROOT, "data", "skin", "kvo", "lang")

NAMES = {"english": "English", "french": "French", "deutsch": "German", "italian": "Italian"}


def header_keys():
    with open(HEADER, encoding="utf-8") as f:
        body = f.read().split("enum TMsgKey", 1)[1].split("kMsgKeyCount", 1)[0]
    return re.findall(r"\b(MSG_\w+),", body)


def directives(text):
    return re.findall(r"%(?:%|[-+ #0]*\d*(?:\.\d+)?[a-zA-Z])", text)


def file_value(text):
    return re.sub(r"\r\n|\n\r|\n|\r", "#13", text)


def check():
    keys = header_keys()
    got = [r[0] for r in ROWS]
    if got != keys:
        for i, (a, b) in enumerate(zip(got, keys)):
            if a != b:
                sys.exit(f"row {i}: {a}, header has {b}")
        sys.exit(f"{len(got)} rows, header has {len(keys)} keys")
    for row in ROWS:
        key, en = row[0], row[1]
        if len(row) != 5:
            sys.exit(f"{key}: {len(row)} columns")
        if row[1:] == (None, None, None, None):
            continue  # the edition's text
        for text in row[1:]:
            if "#13" in text:
                sys.exit(f"{key}: a literal #13 would load as a line break")
            if directives(text) != directives(en):
                sys.exit(f"{key}: directives of {text!r} differ from English")
            v = file_value(text)
            if v != v.strip(" \t") or "  " in v or "\t" in v:
                sys.exit(f"{key}: {text!r} has blanks the loader would change")


def write_files():
    os.makedirs(LANG_DIR, exist_ok=True)
    for name, col in LANGUAGES:
        lines = [f"; Kinovert language file: {NAMES[name]} (UTF-8). A line break is written as #13.",
                 "[LANGRES]"]
        lines += [f"{row[0]}={file_value(row[col])}" for row in ROWS if row[col] is not None]
        with open(os.path.join(LANG_DIR, name + ".ini"), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")


def cpp_literal(text):
    out = []
    for ch in text:
        if ch == "\\":
            out.append("\\\\")
        elif ch == '"':
            out.append('\\"')
        elif ch == "\n":
            out.append("\\n")
        elif ch == "\r":
            out.append("\\r")
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def print_cpp():
    for row in ROWS:
        if row[1] is None:
            print(f"    K({row[0]}, nullptr),  // the edition's")
        else:
            print(f"    K({row[0]}, {cpp_literal(row[1])}),")


if __name__ == "__main__":
    check()
    if "--cpp" in sys.argv[1:]:
        print_cpp()
    else:
        write_files()
