#!/usr/bin/env python3
"""The translation check on the real scripts, then on copies spoiled one way each: every spoiled
copy must fail with a message that names the resource and the identifier concerned.

Usage: translation_test.py SOURCE_ROOT LANGUAGE (e.g. en)
"""

import os
import sys

root, language = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(root, "tools"))
import check_translation  # noqa: E402

PROGRAM_DIR = os.path.join(root, "src", "res")
LIBRARY_DIR = os.path.join(root, "src", "lang", language)
PROGRAM = os.path.join(PROGRAM_DIR, "vantrel.rc")
LIBRARY = os.path.join(LIBRARY_DIR, f"langue_{language}.rc")

# (what is spoiled, edits, what the message must name). An edit (side, file, anchor, old, new)
# replaces old by new in the first line that holds the anchor, or removes that line when old is
# None; anchors are looked up before any edit, and name identifiers, never translated texts.
CASES = [
    ("a string left out", [("lib", "strings.rc", "IDS_TASK_COPY ", None, None)],
     "string 143 (IDS_TASK_COPY): missing"),
    ("a string the program lacks", [("lib", "strings.rc", "IDS_TASK_COPY ", "IDS_TASK_COPY", "9999 \"x\"\n9")],
     "string 9999: only in the English"),
    ("the marker in another case", [("lib", "strings.rc", "IDS_LANGUAGE_MARKER", "LANGUE", "Langue")],
     "string 1:"),
    ("a format the library drops", [("prog", "strings.rc", "IDS_CALC_IMPOSSIBLE", "\"Impossible\"", "\"%d\"")],
     "string 152 (IDS_CALC_IMPOSSIBLE): \"%\" formats differ"),
    ("formats in another order",
     [("prog", "strings.rc", "IDS_GROUP_CALCS", "\"Calculs\"", "\"%s: %d\""),
      ("lib", "strings.rc", "IDS_GROUP_CALCS", "IDS_GROUP_CALCS", "IDS_GROUP_CALCS \"%d: %s\" //")],
     "string 137 (IDS_GROUP_CALCS): \"%\" formats differ"),
    ("an accelerator hint rewritten", [("lib", "menus.rc", "ID_COPY_VALUE", "\\tCTRL+C", "\\tCtrl+C")],
     "menu 132 (IDM_CONTEXT), item 1 POPUP \"Popup\", item 1 MENUITEM 133 (ID_COPY_VALUE): text after the tab"),
    ("an accelerator hint lost", [("lib", "menus.rc", "ID_RINGS_5", "\\tALT+5", "")],
     "item 5 POPUP \"&Nombre d'anneaux\", item 2 MENUITEM 139 (ID_RINGS_5): text after the tab"),
    ("a menu item left out", [("lib", "menus.rc", "ID_CALC_TOOLS", None, None)],
     "menu 132 (IDM_CONTEXT), item 1 POPUP \"Popup\", item 13: MENUITEM 32800 (ID_CALC_TOOLS) only in the French"),
    ("a menu item with another command", [("lib", "menus.rc", "ID_PRINT_RESISTOR", "ID_PRINT_RESISTOR", "ID_PRINT_VALUE")],
     "menu 3000 (IDM_PRINT), item 1 POPUP \"Imprimer\", item 2: French MENUITEM 32782 (ID_PRINT_RESISTOR)"),
    ("a menu left out", [("lib", "menus.rc", "IDM_COPY MENU", "IDM_COPY", "9194")],
     "menu 194 (IDM_COPY): missing"),
    ("two controls swapped",
     [("lib", "options.rc", "IDC_OPT_TOPMOST", "IDC_OPT_TOPMOST", "IDC_OPT_SIDEBAR"),
      ("lib", "options.rc", "IDC_OPT_SIDEBAR", "IDC_OPT_SIDEBAR", "IDC_OPT_TOPMOST")],
     "dialog 201 (IDD_PAGE_INTERFACE), control 2: French AUTOCHECKBOX 1022 (IDC_OPT_TOPMOST), "
     "English AUTOCHECKBOX 1021 (IDC_OPT_SIDEBAR)"),
    ("a control of another kind", [("lib", "about.rc", "IDC_ABOUT_DONATE", "PUSHBUTTON", "DEFPUSHBUTTON")],
     "dialog 1101 (IDD_ABOUT), control 9: French PUSHBUTTON 1107 (IDC_ABOUT_DONATE)"),
    ("a control's style dropped", [("lib", "about.rc", "IDC_ABOUT_EMAIL", "ES_READONLY | ", "")],
     "dialog 1101 (IDD_ABOUT), control 8 EDITTEXT 1100 (IDC_ABOUT_EMAIL): styles differ"),
    ("another picture", [("lib", "options.rc", "IDI_PAGE_LOOK", "IDI_PAGE_LOOK", "IDI_PAGE_UPDATE")],
     "dialog 201 (IDD_PAGE_INTERFACE), control 1: French ICON -1 picture 149"),
    ("a control left out", [("lib", "options.rc", "IDC_OPT_E192", None, None)],
     "dialog 1000 (IDD_PAGE_GENERAL), control 11: AUTOCHECKBOX 1026 (IDC_OPT_E192) only in the French"),
    ("a dialog's style changed", [("lib", "about.rc", "DS_CENTER", "DS_CENTER | ", "")],
     "dialog 1101 (IDD_ABOUT): the dialog's styles differ"),
    ("the main templates left out", [("lib", f"langue_{language}.rc", "\"dialogs.rc\"", None, None)],
     "dialog 102 (IDD_MAIN_VERTICAL): missing"),
]


def spoiled_reader(edits):
    folders = {"prog": PROGRAM_DIR, "lib": LIBRARY_DIR}
    files = {}
    for path in {os.path.join(folders[e[0]], e[1]) for e in edits}:
        original = check_translation.default_read(path).split("\n")
        lines = list(original)
        for side, name, anchor, old, new in edits:
            if os.path.join(folders[side], name) != path:
                continue
            at = next((i for i, line in enumerate(original) if anchor in line), None)
            if at is None or (old is not None and old not in lines[at]):
                raise AssertionError(f"{name} no longer holds {anchor!r} / {old!r}: the case spoils nothing")
            lines[at] = None if old is None else lines[at].replace(old, new, 1)
        files[path] = "\n".join(line for line in lines if line is not None)
    return lambda path: files[path] if path in files else check_translation.default_read(path)


def differences(read=check_translation.default_read):
    program = check_translation.load(PROGRAM, [PROGRAM_DIR], read)
    library = check_translation.load(LIBRARY, [PROGRAM_DIR], read)
    return check_translation.compare(program, library)


def main():
    failures = 0
    found = differences()
    if found:
        failures += 1
        print(f"FAIL: the {language} scripts differ from the program's:\n  " + "\n  ".join(found))
    for what, edits, expected in CASES:
        try:
            found = differences(spoiled_reader(edits))
        except (AssertionError, check_translation.ScriptError) as e:
            failures += 1
            print(f"FAIL: {what}: {e}")
            continue
        if not any(expected in line for line in found):
            failures += 1
            print(f"FAIL: {what}: expected a message with {expected!r}, got:\n  " + "\n  ".join(found or ["nothing"]))
    print(f"{len(CASES) + 1} cases, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
