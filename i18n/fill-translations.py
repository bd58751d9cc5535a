#!/usr/bin/env python3
"""Writes translations from tab-separated files into i18n/vellumplot_en.ts.

Each line of a TSV file is JAPANESE<TAB>ENGLISH, with a line feed inside a text written
as \\n and a backslash as \\\\. Every message of the .ts whose source is a key gets that
translation and loses its "unfinished" mark; keys the .ts does not have are listed, so a
text that was never marked for translation is noticed.
    i18n/fill-translations.py [--ts OTHER.ts] FILE.tsv [FILE.tsv ...]
"""
import html
import re
import sys

TS = "i18n/vellumplot_en.ts"


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            out.append({"n": "\n", "t": "\t", "\\": "\\"}.get(text[i + 1], "\\" + text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def main(paths):
    global TS
    if paths[:1] == ["--ts"]:
        TS, paths = paths[1], paths[2:]
    table = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for number, line in enumerate(f, 1):
                line = line.rstrip("\n")
                if not line.strip():
                    continue
                if line.count("\t") != 1:
                    sys.exit(f"{path}:{number}: want JAPANESE<TAB>ENGLISH")
                source, english = (unescape(part) for part in line.split("\t"))
                if source in table and table[source] != english:
                    print(f"{path}:{number}: second translation kept for {source!r}", file=sys.stderr)
                table[source] = english
    with open(TS, encoding="utf-8") as f:
        ts = f.read()
    used = set()

    def fill(match):
        source = html.unescape(match.group(2))
        if source not in table:
            return match.group(0)
        used.add(source)
        english = html.escape(table[source], quote=False)
        return f"{match.group(1)}<translation>{english}</translation>"

    ts = re.sub(r"(<source>(.*?)</source>\s*(?:<[^t/][^>]*>.*?</[^>]+>\s*)*)<translation[^>]*?(?:/>|>.*?</translation>)",
                fill, ts, flags=re.S)
    with open(TS, "w", encoding="utf-8") as f:
        f.write(ts)
    for source in sorted(set(table) - used):
        print(f"not in {TS}: {source!r}", file=sys.stderr)
    unfinished = ts.count('type="unfinished"')
    print(f"{len(used)} filled, {unfinished} unfinished left")


if __name__ == "__main__":
    main(sys.argv[1:])
