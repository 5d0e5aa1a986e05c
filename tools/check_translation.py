#!/usr/bin/env python3
"""Compares a language library's resource scripts with the program's own (French) ones.

A library is only usable when the program finds in it what it looks for under the same
identifiers: every string, every dialog with the same controls in the same order (the code
addresses them by identifier and the tab order follows the template), every menu with the same
commands. Texts may differ, but a "%" format must keep its specifiers in order (the code fills
them in) and the hint after a tab in a menu item must stay as written.

Usage: check_translation.py [-I DIR]... PROGRAM.rc LIBRARY.rc
Prints every difference, naming the resource and the identifier, and exits with 1 if any.
"""

import argparse
import os
import re
import sys
from dataclasses import dataclass, field

# The library's marker, the one string the program itself does not hold.
MARKER_ID = 1
MARKER_TEXT = "LANGUE"

# Dialog controls whose first argument is a text (or, for icons and pictures, a resource name).
TEXT_CONTROLS = {
    "LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON", "PUSHBOX", "GROUPBOX", "CHECKBOX",
    "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3", "AUTO3STATE", "ICON",
}
PLAIN_CONTROLS = {"EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR"}
DIALOG_HEADERS = {"STYLE", "EXSTYLE", "CAPTION", "FONT", "LANGUAGE", "MENU", "CLASS",
                  "CHARACTERISTICS", "VERSION"}
# Identifiers that the scripts take from the system's headers, which are not read.
SYSTEM_IDS = {"IDOK": 1, "IDCANCEL": 2, "IDABORT": 3, "IDRETRY": 4, "IDIGNORE": 5, "IDYES": 6, "IDNO": 7,
              "IDCLOSE": 8, "IDHELP": 9, "IDC_STATIC": -1}

# printf conversions. A space is not taken as a flag: "5 % de" in a French text is no format.
FORMAT = re.compile(r"%(?:%|[-+#0]*(?:\*|\d+)?(?:\.(?:\*|\d+))?(?:hh|h|ll|l|L|z|j|t|I64|I32|I)?"
                    r"[diouxXeEfFgGaAcspn])")
TOKEN = re.compile(r'\s*(?:(?P<str>"(?:[^"]|"")*")|(?P<word>[^\s,"|()]+)|(?P<punct>[,|()]))')


class ScriptError(Exception):
    pass


@dataclass
class Control:
    kind: str
    ident: int
    name: str
    style: frozenset
    text: str | None
    picture: str | None


@dataclass
class Dialog:
    name: str
    style: frozenset
    exstyle: frozenset
    caption: str | None
    controls: list = field(default_factory=list)


@dataclass
class MenuItem:
    kind: str  # "MENUITEM", "POPUP" or "SEPARATOR"
    ident: int | None
    name: str
    text: str | None
    children: list = field(default_factory=list)


@dataclass
class Resources:
    strings: dict = field(default_factory=dict)   # id -> (name, text)
    dialogs: dict = field(default_factory=dict)   # id -> Dialog
    menus: dict = field(default_factory=dict)     # id -> (name, [MenuItem])


def default_read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def unquote(token):
    """The text of a string token as written, escapes kept ("\\t" stays two characters)."""
    return token[1:-1].replace('""', '"')


def strip_comments(text):
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if c == '"':
            j = i + 1
            while j < n and not (text[j] == '"' and (j + 1 >= n or text[j + 1] != '"')):
                j += 2 if text[j] == '"' else 1
            out.append(text[i:j + 1])
            i = j + 1
        elif text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            newlines = text.count("\n", i, end if end >= 0 else n)
            out.append("\n" * newlines)
            i = n if end < 0 else end + 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def tokenize(line):
    tokens, pos = [], 0
    while pos < len(line):
        m = TOKEN.match(line, pos)
        if not m or m.end() == pos:
            if line[pos:].strip():
                raise ScriptError(f"cannot read: {line.strip()}")
            break
        tokens.append(m.group(m.lastgroup))
        pos = m.end()
    return tokens


def split_args(tokens):
    args, current = [], []
    for t in tokens:
        if t == ",":
            args.append(current)
            current = []
        else:
            current.append(t)
    args.append(current)
    return args


class Loader:
    """Reads a script and the scripts it includes, keeping its #define lines as it goes."""

    def __init__(self, include_dirs, read):
        self.include_dirs = include_dirs
        self.read = read
        self.defines = {}

    def lines(self, path):
        text = strip_comments(self.read(path).replace("\\\n", " "))
        for raw in text.split("\n"):
            line = raw.strip()
            if not line:
                continue
            if line.startswith("#"):
                yield from self.directive(line, path)
            else:
                yield line

    def directive(self, line, path):
        m = re.match(r'#\s*include\s+"([^"]+)"', line)
        if m:
            found = self.find(m.group(1), os.path.dirname(path))
            if found.endswith(".h"):
                for _ in self.lines(found):  # only its #define lines matter
                    pass
            else:
                yield from self.lines(found)
            return
        m = re.match(r"#\s*define\s+(\w+)(?!\()\s*(.*)$", line)
        if m:
            self.defines[m.group(1)] = m.group(2).strip()

    def find(self, name, here):
        for folder in [here, *self.include_dirs]:
            candidate = os.path.join(folder, name)
            if os.path.exists(candidate):
                return candidate
        raise ScriptError(f'included file "{name}" not found')

    def expand(self, tokens, depth=0):
        out = []
        for t in tokens:
            if t in self.defines and depth < 16:
                out.extend(self.expand(tokenize(self.defines[t]), depth + 1))
            else:
                out.append(t)
        return out

    def number(self, tokens):
        """A resource or control identifier: a name from resource.h or a number."""
        words = [t for t in self.expand(tokens) if t not in "()"]
        text = "".join(words)
        if text in SYSTEM_IDS:
            return SYSTEM_IDS[text]
        try:
            return int(text, 0)
        except ValueError:
            raise ScriptError(f"not an identifier: {' '.join(tokens)}") from None

    def flags(self, tokens):
        return frozenset(t for t in self.expand(tokens) if t not in "|()")


def load(path, include_dirs=(), read=default_read):
    loader = Loader(list(include_dirs), read)
    res = Resources()
    lines = loader.lines(path)
    for line in lines:
        tokens = tokenize(line)
        head = tokens[0].upper()
        if head == "STRINGTABLE":
            read_strings(loader, lines, res)
        elif head == "LANGUAGE":
            continue
        elif len(tokens) >= 2 and tokens[1].upper() in ("DIALOG", "DIALOGEX"):
            res.dialogs[loader.number(tokens[:1])] = read_dialog(loader, lines, tokens[0])
        elif len(tokens) >= 2 and tokens[1].upper() in ("MENU", "MENUEX"):
            expect_begin(lines, tokens[0])
            res.menus[loader.number(tokens[:1])] = (tokens[0], read_menu(loader, lines))
        elif len(tokens) >= 2 and tokens[-1].startswith('"'):
            continue  # a resource read from a file: icon, bitmap, cursor, manifest
        elif len(tokens) >= 2:
            skip_block(lines)  # accelerators, version and the like: not translated
        else:
            raise ScriptError(f"unexpected line: {line}")
    return res


def is_begin(line):
    return line.upper() in ("BEGIN", "{")


def is_end(line):
    return line.upper() in ("END", "}")


def expect_begin(lines, what):
    line = next(lines, None)
    if line is None or not is_begin(line):
        raise ScriptError(f"{what}: BEGIN expected")


def skip_block(lines):
    depth = 0
    for line in lines:
        if is_begin(line):
            depth += 1
        elif is_end(line):
            depth -= 1
            if depth == 0:
                return
    raise ScriptError("END missing")


def read_strings(loader, lines, res):
    expect_begin(lines, "STRINGTABLE")
    for line in lines:
        if is_end(line):
            return
        args = [a for a in split_args(tokenize(line)) if a]
        tokens = [t for a in args for t in a]
        if len(tokens) < 2 or not tokens[-1].startswith('"'):
            raise ScriptError(f"string entry expected: {line}")
        ident = loader.number(tokens[:-1])
        if ident in res.strings:
            raise ScriptError(f"string {ident} defined twice")
        res.strings[ident] = (" ".join(tokens[:-1]), unquote(tokens[-1]))
    raise ScriptError("STRINGTABLE: END missing")


def read_dialog(loader, lines, name):
    style = exstyle = frozenset()
    caption = None
    for line in lines:
        if is_begin(line):
            break
        tokens = tokenize(line)
        key = tokens[0].upper()
        if key not in DIALOG_HEADERS:
            raise ScriptError(f"dialog {name}: unexpected line: {line}")
        if key == "STYLE":
            style = loader.flags(tokens[1:])
        elif key == "EXSTYLE":
            exstyle = loader.flags(tokens[1:])
        elif key == "CAPTION":
            caption = unquote(tokens[1])
    dialog = Dialog(name, style, exstyle, caption)
    for line in lines:
        if is_end(line):
            return dialog
        dialog.controls.append(read_control(loader, name, line))
    raise ScriptError(f"dialog {name}: END missing")


def read_control(loader, dialog, line):
    tokens = tokenize(line)
    kind = tokens[0].upper()
    args = split_args(tokens[1:])
    text = picture = None
    if kind == "CONTROL":
        if len(args) < 8:
            raise ScriptError(f"dialog {dialog}: short CONTROL line: {line}")
        first, ident, style = args[0], args[1], args[3]
        cls = " ".join(loader.expand(args[2])).strip('"').lower()
        kind = f"CONTROL {cls}"
    elif kind in TEXT_CONTROLS:
        if len(args) < 6:
            raise ScriptError(f"dialog {dialog}: short {kind} line: {line}")
        first, ident = args[0], args[1]
        style = args[6] if len(args) > 6 else []
    elif kind in PLAIN_CONTROLS:
        if len(args) < 5:
            raise ScriptError(f"dialog {dialog}: short {kind} line: {line}")
        first, ident = None, args[0]
        style = args[5] if len(args) > 5 else []
    else:
        raise ScriptError(f"dialog {dialog}: unknown control {kind}: {line}")
    if first is not None:
        if len(first) == 1 and first[0].startswith('"'):
            text = unquote(first[0])
        else:
            picture = str(loader.number(first))
    return Control(kind, loader.number(ident), " ".join(ident), loader.flags(style), text, picture)


def read_menu(loader, lines):
    items = []
    for line in lines:
        if is_end(line):
            return items
        tokens = tokenize(line)
        key = tokens[0].upper()
        args = split_args(tokens[1:])
        if key == "MENUITEM" and len(tokens) >= 2 and tokens[1].upper() == "SEPARATOR":
            items.append(MenuItem("SEPARATOR", None, "", None))
        elif key == "MENUITEM" and len(args) >= 2:
            items.append(MenuItem("MENUITEM", loader.number(args[1]), " ".join(args[1]), unquote(args[0][0])))
        elif key == "POPUP":
            expect_begin(lines, "POPUP")
            text = unquote(args[0][0])
            items.append(MenuItem("POPUP", None, text, text, read_menu(loader, lines)))
        else:
            raise ScriptError(f"unexpected menu line: {line}")
    raise ScriptError("menu: END missing")


def text_rules(where, french, english):
    """Differences in what the code or the menus rely on inside two texts at the same place."""
    if french is None or english is None:
        return []
    problems = []
    fr_formats, en_formats = FORMAT.findall(french), FORMAT.findall(english)
    if fr_formats != en_formats:
        problems.append(f'{where}: "%" formats differ: French {fr_formats}, English {en_formats}')
    fr_tab = french.split("\\t", 1)[1] if "\\t" in french else None
    en_tab = english.split("\\t", 1)[1] if "\\t" in english else None
    if fr_tab != en_tab:
        problems.append(f"{where}: text after the tab differs: French {fr_tab!r}, English {en_tab!r}")
    return problems


def label(ident, name):
    return f"{ident} ({name})" if name and name != str(ident) else str(ident)


def compare_strings(program, library):
    problems = []
    marker = library.strings.get(MARKER_ID)
    if marker is None or marker[1] != MARKER_TEXT:
        problems.append(f'string {MARKER_ID}: the library\'s marker must be exactly "{MARKER_TEXT}"')
    for ident, (name, text) in sorted(program.strings.items()):
        where = f"string {label(ident, name)}"
        if ident not in library.strings:
            problems.append(f"{where}: missing from the English table")
        else:
            problems += text_rules(where, text, library.strings[ident][1])
    for ident, (name, _) in sorted(library.strings.items()):
        if ident not in program.strings and ident != MARKER_ID:
            problems.append(f"string {label(ident, name)}: only in the English table")
    return problems


def describe(c):
    what = f"{c.kind} {label(c.ident, c.name)}"
    return what + (f" picture {c.picture}" if c.picture else "")


def compare_dialogs(program, library):
    problems = []
    for ident, fr in sorted(program.dialogs.items()):
        where = f"dialog {label(ident, fr.name)}"
        en = library.dialogs.get(ident)
        if en is None:
            problems.append(f"{where}: missing from the English scripts")
            continue
        if (fr.style, fr.exstyle) != (en.style, en.exstyle):
            problems.append(f"{where}: the dialog's styles differ: French {sorted(fr.style | fr.exstyle)}, "
                            f"English {sorted(en.style | en.exstyle)}")
        problems += text_rules(f"{where}, caption", fr.caption, en.caption)
        for pos in range(max(len(fr.controls), len(en.controls))):
            a = fr.controls[pos] if pos < len(fr.controls) else None
            b = en.controls[pos] if pos < len(en.controls) else None
            at = f"{where}, control {pos + 1}"
            if a is None or b is None:
                extra = a or b
                side = "French" if b is None else "English"
                problems.append(f"{at}: {describe(extra)} only in the {side} template")
            elif (a.kind, a.ident, a.picture) != (b.kind, b.ident, b.picture):
                problems.append(f"{at}: French {describe(a)}, English {describe(b)}")
            elif a.style != b.style:
                problems.append(f"{at} {describe(a)}: styles differ: French {sorted(a.style)}, "
                                f"English {sorted(b.style)}")
            else:
                problems += text_rules(f"{at} {describe(a)}", a.text, b.text)
    for ident, en in sorted(library.dialogs.items()):
        if ident not in program.dialogs:
            problems.append(f"dialog {label(ident, en.name)}: only in the English scripts")
    return problems


def compare_items(where, fr_items, en_items):
    problems = []
    for pos in range(max(len(fr_items), len(en_items))):
        a = fr_items[pos] if pos < len(fr_items) else None
        b = en_items[pos] if pos < len(en_items) else None
        at = f"{where}, item {pos + 1}"
        if a is None or b is None:
            extra = a or b
            side = "French" if b is None else "English"
            problems.append(f"{at}: {extra.kind} {label(extra.ident, extra.name)} only in the {side} menu")
        elif (a.kind, a.ident) != (b.kind, b.ident):
            problems.append(f"{at}: French {a.kind} {label(a.ident, a.name)}, "
                            f"English {b.kind} {label(b.ident, b.name)}")
        else:
            item = f"{at} {a.kind} {label(a.ident, a.name) if a.ident is not None else ''}".rstrip()
            problems += text_rules(item, a.text, b.text)
            problems += compare_items(f'{at} POPUP "{a.text}"', a.children, b.children)
    return problems


def compare_menus(program, library):
    problems = []
    for ident, (name, items) in sorted(program.menus.items()):
        where = f"menu {label(ident, name)}"
        if ident not in library.menus:
            problems.append(f"{where}: missing from the English scripts")
        else:
            problems += compare_items(where, items, library.menus[ident][1])
    for ident, (name, _) in sorted(library.menus.items()):
        if ident not in program.menus:
            problems.append(f"menu {label(ident, name)}: only in the English scripts")
    return problems


def compare(program, library):
    return compare_strings(program, library) + compare_dialogs(program, library) + compare_menus(program, library)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-I", dest="include", action="append", default=[], help="folder of included files")
    parser.add_argument("program")
    parser.add_argument("library")
    args = parser.parse_args(argv)
    try:
        problems = compare(load(args.program, args.include), load(args.library, args.include))
    except ScriptError as e:
        print(f"check_translation: {e}", file=sys.stderr)
        return 2
    for p in problems:
        print(p)
    if problems:
        print(f"check_translation: {len(problems)} difference(s)", file=sys.stderr)
        return 1
    print("check_translation: the library matches the program's strings, dialogs and menus")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
