#!/usr/bin/env python3
"""Lists the string literals of the window's code (src/ui, src/chart) that look like texts a
person reads but reach no translation function (tr, QCoreApplication::translate, QT_TR_NOOP,
QT_TRANSLATE_NOOP), and fails when there is one that tools/untranslated-texts.txt does not
allow, for its file, with a reason."""
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
FOLDERS = ["src/ui", "src/chart"]
ALLOWED_FILE = os.path.join(ROOT, "tools", "untranslated-texts.txt")
TRANSLATING = {"tr", "translate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "QT_TR_N_NOOP", "QT_TRANSLATE_N_NOOP",
               "QT_TRANSLATE_NOOP3"}


def literals(code):
    """Yields (line, text, wrapped) for each string literal outside comments and #include lines."""
    i, n, line = 0, len(code), 1
    tokens = []  # (kind, value, line): kind 'id', 'str', 'punct'
    while i < n:
        c = code[i]
        if c == "\n":
            line += 1
            i += 1
        elif code.startswith("//", i):
            while i < n and code[i] != "\n":
                i += 1
        elif code.startswith("/*", i):
            end = code.find("*/", i + 2)
            line += code.count("\n", i, end)
            i = end + 2
        elif c == "#" and (i == 0 or code[i - 1] == "\n"):
            while i < n and code[i] != "\n":
                i += 1
        elif code.startswith('R"', i):
            delim_end = code.index("(", i)
            delim = code[i + 2:delim_end]
            end = code.index(")" + delim + '"', delim_end)
            tokens.append(("str", code[delim_end + 1:end], line))
            line += code.count("\n", i, end)
            i = end + len(delim) + 2
        elif c == '"':
            j = i + 1
            while code[j] != '"':
                j += 2 if code[j] == "\\" else 1
            tokens.append(("str", code[i + 1:j], line))
            i = j + 1
        elif c == "'":
            j = i + 1
            while code[j] != "'":
                j += 2 if code[j] == "\\" else 1
            i = j + 1
        elif c.isalpha() or c == "_":
            j = i
            while j < n and (code[j].isalnum() or code[j] == "_"):
                j += 1
            tokens.append(("id", code[i:j], line))
            i = j
        elif c.isspace():
            i += 1
        else:
            tokens.append(("punct", c, line))
            i += 1
    wrapped = [False] * len(tokens)
    for k, (kind, value, at) in enumerate(tokens):
        if kind != "str":
            continue
        # Back over adjacent literals and over "literal ," (a context or a first argument).
        b = k - 1
        while b >= 0 and (tokens[b][0] == "str" or (tokens[b][1] == "," and tokens[b - 1][0] == "str")):
            b -= 1
        if b >= 1 and tokens[b][1] == "(" and tokens[b - 1][0] == "id" and tokens[b - 1][1] in TRANSLATING:
            wrapped[k] = True
        # tr("text", "comment", n) and translate("Context", "text", "comment"): all wrapped.
        yield at, value, wrapped[k]


def looks_read(text):
    """A text a person reads: words with a space, or one capitalised word; not a key, a path,
    a format without words or a style sheet."""
    if not re.search(r"[A-Za-z]{2}", text):
        return False
    if re.fullmatch(r"[A-Za-z0-9_.:/\-+]*", text) and not re.fullmatch(r"[A-Z][a-z]+", text):
        return False  # keys, object names, icons, paths, shortcuts ("Alt.Min", "Ctrl+N")
    return True


def main():
    allowed = {}
    with open(ALLOWED_FILE, encoding="utf-8") as f:
        for raw in f:
            raw = raw.rstrip("\n")
            if not raw.strip() or raw.startswith("#"):
                continue
            where, _, rest = raw.partition("\t")
            text, _, reason = rest.partition("\t# ")
            if not reason.strip() or not text:
                print(f"untranslated-texts.txt: {raw!r} gives no file, text and reason")
                return 1
            allowed[(where, text)] = reason
    faults = []
    used = set()
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(ROOT, folder))):
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(folder, name)
            with open(os.path.join(ROOT, path), encoding="utf-8") as f:
                code = f.read()
            for line, text, wrapped in literals(code):
                if wrapped or not looks_read(text):
                    continue
                if (path, text) in allowed:
                    used.add((path, text))
                    continue
                faults.append(f"{path}:{line}: \"{text}\" reaches no tr()")
    for fault in faults:
        print(fault)
    for path, text in sorted(set(allowed) - used):
        print(f"untranslated-texts.txt: \"{text}\" is allowed in {path} but no longer there")
    if faults or set(allowed) - used:
        return 1
    print(f"untranslated texts: none in {', '.join(FOLDERS)} beyond the {len(allowed)} allowed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
