#!/usr/bin/env python3
"""The help check against a small help of its own: sound as written, then broken one way at a
time, each break reported by the line that names it, and a page added later checked like the
others."""

import contextlib
import io
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_help  # noqa: E402

PAGE = """<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>{title}</title>
<link rel="stylesheet" type="text/css" href="style.css">
</head>
<body>
{body}
</body>
</html>
"""

SITEMAP_ENTRY = """\t<LI> <OBJECT type="text/sitemap">
\t\t<param name="Name" value="{name}">
\t\t<param name="Local" value="{local}">
\t\t</OBJECT>
"""

SOUND = {
    "vantrel.hhp": "[OPTIONS]\nContents file=essai.hhc\nIndex file=essai.hhk\nDefault topic=index.htm\n\n"
    "[FILES]\nindex.htm\nautre.htm\nstyle.css\necran.png\n",
    "index.htm": PAGE.format(
        title="Accueil",
        body='<h1>Réglages</h1>\n<p><img src="ecran.png" alt="écran"></p>\n'
        '<p><a href="autre.htm#suite">la suite</a>, <a href="https://www.vantrel.example/">le site</a>, '
        '<a href="mailto:support@vantrel.example">nous écrire</a>.</p>',
    ),
    "autre.htm": PAGE.format(
        title="Autre",
        body='<h2 id="suite">Suite</h2>\n<p><a name="fin"></a><a href="index.htm">Accueil</a>, '
        '<a href="#suite">haut</a>.</p>',
    ),
    "style.css": "body { color: #222222; }\n",
    "essai.hhc": "<HTML><BODY><UL>\n"
    + SITEMAP_ENTRY.format(name="Accueil", local="index.htm")
    + SITEMAP_ENTRY.format(name="Autre", local="autre.htm")
    + "</UL></BODY></HTML>\n",
    "essai.hhk": "<HTML><BODY><UL>\n"
    + SITEMAP_ENTRY.format(name="Écran", local="index.htm")
    + SITEMAP_ENTRY.format(name="Fin", local="autre.htm#fin")
    + SITEMAP_ENTRY.format(name="Suite", local="autre.htm#suite")
    + "</UL></BODY></HTML>\n",
}


def replace(name, old, new):
    def change(help_dir, _pictures):
        path = help_dir / name
        text = path.read_bytes().decode("cp1252").replace("\r\n", "\n")
        assert old in text, (name, old)
        write(path, text.replace(old, new))

    return change


def add_page(name, body):
    def change(help_dir, _pictures):
        write(help_dir / name, PAGE.format(title=name, body=body))

    return change


def index_entry(name, local):
    return replace("essai.hhk", "</UL>", SITEMAP_ENTRY.format(name=name, local=local) + "</UL>")


def remove(name, where="help"):
    def change(help_dir, pictures):
        ((help_dir if where == "help" else pictures) / name).unlink()

    return change


def save_as_utf8(name):
    def change(help_dir, _pictures):
        path = help_dir / name
        path.write_bytes(path.read_bytes().decode("cp1252").encode("utf-8"))

    return change


def write(path, text):
    # As the help's sources are kept: Windows-1252 with CRLF line ends.
    path.write_bytes(text.replace("\n", "\r\n").encode("cp1252"))


# Each break and the one problem it must give, word for word.
BREAKS = [
    ("link to a missing page", replace("autre.htm", 'href="index.htm"', 'href="accueil.htm"'),
     ["autre.htm: accueil.htm leads to no file"]),
    ("link to a missing anchor", replace("index.htm", "autre.htm#suite", "autre.htm#debut"),
     ["index.htm: autre.htm#debut names an anchor that autre.htm does not have"]),
    ("link to a missing anchor of the same page", replace("autre.htm", 'href="#suite"', 'href="#haut"'),
     ["autre.htm: #haut names an anchor that autre.htm does not have"]),
    ("picture the build did not make", remove("ecran.png", "pictures"),
     ["vantrel.hhp: lists ecran.png, which does not exist", "index.htm: ecran.png leads to no file"]),
    ("picture left out of the compiled file", replace("vantrel.hhp", "ecran.png\n", ""),
     ["index.htm: ecran.png is not in the [FILES] of vantrel.hhp"]),
    ("missing style sheet", remove("style.css"),
     ["vantrel.hhp: lists style.css, which does not exist", "autre.htm: style.css leads to no file",
      "index.htm: style.css leads to no file"]),
    ("link out of the help's folder", replace("autre.htm", 'href="index.htm"', 'href="../index.htm"'),
     ["autre.htm: ../index.htm leaves the help's folder"]),
    ("page left out of the contents", replace("essai.hhc", SITEMAP_ENTRY.format(name="Autre", local="autre.htm"), ""),
     ["essai.hhc: autre.htm is not in the contents"]),
    ("page added later, listed nowhere", add_page("nouvelle.htm", "<p>Nouvelle page.</p>"),
     ["nouvelle.htm: not in the [FILES] of vantrel.hhp", "essai.hhc: nouvelle.htm is not in the contents"]),
    ("page added later with a broken link", add_page("nouvelle.htm", '<p><a href="ailleurs.htm">x</a></p>'),
     ["nouvelle.htm: not in the [FILES] of vantrel.hhp", "nouvelle.htm: ailleurs.htm leads to no file",
      "essai.hhc: nouvelle.htm is not in the contents"]),
    ("contents entry that is no page",
     replace("essai.hhc", "</UL>", SITEMAP_ENTRY.format(name="Style", local="style.css") + "</UL>"),
     ["essai.hhc: entry 'Style' leads to style.css, not a page"]),
    ("index entry to a missing page", index_entry("Zéro", "zero.htm"),
     ["essai.hhk: zero.htm leads to no file"]),
    ("index entry to a missing anchor", index_entry("Début", "autre.htm#debut"),
     ["essai.hhk: autre.htm#debut names an anchor that autre.htm does not have"]),
    ("index entry without a page",
     replace("essai.hhk", '<param name="Local" value="index.htm">', ""),
     ["essai.hhk: entry 'Écran' names no page"]),
    ("index entry listed twice", index_entry("écran", "autre.htm"),
     ["essai.hhk: 'écran' is listed twice"]),
    ("page saved as UTF-8", save_as_utf8("index.htm"),
     ["index.htm: saved as UTF-8; the help is written in windows-1252"]),
    ("page declaring another charset", replace("autre.htm", "charset=windows-1252", "charset=utf-8"),
     ["autre.htm: declares charset utf-8, not windows-1252"]),
    ("default topic that is no page", replace("vantrel.hhp", "Default topic=index.htm", "Default topic=debut.htm"),
     ["vantrel.hhp: the default topic debut.htm is not a page"]),
    ("index file missing", remove("essai.hhk"),
     ["vantrel.hhp: its Index file essai.hhk does not exist"]),
]


class CheckHelpTest(unittest.TestCase):
    def setUp(self):
        self._temp = tempfile.TemporaryDirectory()
        root = pathlib.Path(self._temp.name)
        self.help_dir = root / "help"
        self.pictures = root / "screens"
        self.help_dir.mkdir()
        self.pictures.mkdir()
        for name, text in SOUND.items():
            write(self.help_dir / name, text)
        (self.pictures / "ecran.png").write_bytes(b"\x89PNG\r\n\x1a\n")

    def tearDown(self):
        self._temp.cleanup()

    def problems(self):
        return check_help.check(self.help_dir, [self.pictures])

    def test_sound_help_has_no_problem(self):
        self.assertEqual(self.problems(), [])

    def test_each_break_is_reported(self):
        for name, change, expected in BREAKS:
            with self.subTest(name):
                self.tearDown()
                self.setUp()
                change(self.help_dir, self.pictures)
                self.assertEqual(self.problems(), expected)

    def test_pictures_are_looked_for_only_where_told(self):
        self.assertIn("index.htm: ecran.png leads to no file", check_help.check(self.help_dir))

    def test_command_fails_and_names_the_problem(self):
        remove("ecran.png", "pictures")(self.help_dir, self.pictures)
        errors = io.StringIO()
        with contextlib.redirect_stderr(errors), contextlib.redirect_stdout(io.StringIO()):
            status = check_help.main(["check_help.py", str(self.help_dir), str(self.pictures)])
        self.assertEqual(status, 1)
        self.assertIn("help: index.htm: ecran.png leads to no file\n", errors.getvalue())

    def test_command_passes_a_sound_help(self):
        output = io.StringIO()
        with contextlib.redirect_stdout(output):
            status = check_help.main(["check_help.py", str(self.help_dir), str(self.pictures)])
        self.assertEqual(status, 0)
        self.assertIn("2 pages", output.getvalue())


if __name__ == "__main__":
    unittest.main()
