#!/usr/bin/env python3
"""Checks the help's sources before or after they are compiled: every page found in the help's
folder is in the contents file and the project's file list, every local link and picture of a
page leads to a file (and anchor) that exists and goes into the compiled file, and every contents
and index entry names an existing page and anchor.

Usage: check_help.py HELP_DIR [PICTURE_DIR...]
  PICTURE_DIR: folders of the pictures the build makes (the screens), searched after HELP_DIR.
Prints one line per problem and exits 1 when there is any.
"""

import configparser
import html.parser
import pathlib
import sys
import urllib.parse

PROJECT_FILE = "vantrel.hhp"
# What the pages declare and what the compiler and the viewer read them as.
PAGE_CHARSET = "windows-1252"
PAGE_ENCODING = "cp1252"


class PageParser(html.parser.HTMLParser):
    """The anchors a page offers, the local targets it points to and its declared charset."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.anchors = set()
        self.targets = []
        self.charset = None
        self.sitemap_entries = []
        self._in_sitemap = False
        self._entry = {}

    def handle_starttag(self, tag, attrs):
        attrs = {name: value or "" for name, value in attrs}
        if "id" in attrs:
            self.anchors.add(attrs["id"])
        if tag == "a" and "name" in attrs:
            self.anchors.add(attrs["name"])
        for name in {"a": ("href",), "link": ("href",), "img": ("src",)}.get(tag, ()):
            if name in attrs:
                self.targets.append(attrs[name])
        if tag == "meta" and attrs.get("http-equiv", "").lower() == "content-type":
            for part in attrs.get("content", "").split(";"):
                key, _, value = part.strip().partition("=")
                if key.lower() == "charset":
                    self.charset = value.strip().lower()
        # Contents and index files: one OBJECT of type text/sitemap per entry.
        if tag == "object" and attrs.get("type", "").lower() == "text/sitemap":
            self._in_sitemap = True
            self._entry = {}
        if tag == "param" and self._in_sitemap:
            self._entry.setdefault(attrs.get("name", "").lower(), attrs.get("value", ""))

    def handle_endtag(self, tag):
        if tag == "object" and self._in_sitemap:
            self._in_sitemap = False
            self.sitemap_entries.append(self._entry)


def is_local(target):
    parts = urllib.parse.urlsplit(target)
    return not parts.scheme and not parts.netloc


def read_text(path, problems):
    """The file as the help compiler reads it; a UTF-8 file would show garbled letters."""
    data = path.read_bytes()
    if any(byte >= 0x80 for byte in data):
        try:
            data.decode("utf-8")
            problems.append(f"{path.name}: saved as UTF-8; the help is written in {PAGE_CHARSET}")
        except UnicodeDecodeError:
            pass
    try:
        return data.decode(PAGE_ENCODING)
    except UnicodeDecodeError as error:
        problems.append(f"{path.name}: not {PAGE_CHARSET} text ({error.reason} at byte {error.start})")
        return data.decode(PAGE_ENCODING, errors="replace")


def parse(path, problems):
    parser = PageParser()
    parser.feed(read_text(path, problems))
    parser.close()
    return parser


def read_project(path, problems):
    """The project's options and its [FILES] list."""
    project = configparser.ConfigParser(allow_no_value=True, delimiters=("=",), interpolation=None)
    project.optionxform = str
    try:
        project.read_string(read_text(path, problems))
    except configparser.Error as error:
        problems.append(f"{path.name}: unreadable ({error})")
        return {}, []
    options = dict(project["OPTIONS"]) if project.has_section("OPTIONS") else {}
    files = list(project["FILES"]) if project.has_section("FILES") else []
    return options, files


def check(help_dir, picture_dirs=()):
    """Every problem found, as lines to print; empty when the help is sound."""
    help_dir = pathlib.Path(help_dir)
    search = [help_dir] + [pathlib.Path(d) for d in picture_dirs]
    problems = []

    def find(name):
        return next((d / name for d in search if (d / name).is_file()), None)

    project_path = help_dir / PROJECT_FILE
    if not project_path.is_file():
        return [f"{PROJECT_FILE}: missing from {help_dir}"]
    options, project_files = read_project(project_path, problems)
    listed = set(project_files)
    for name in project_files:
        if find(name) is None:
            problems.append(f"{PROJECT_FILE}: lists {name}, which does not exist")

    pages = {}
    for path in sorted(help_dir.glob("*.htm")):
        pages[path.name] = parse(path, problems)
        if pages[path.name].charset != PAGE_CHARSET:
            problems.append(f"{path.name}: declares charset {pages[path.name].charset}, not {PAGE_CHARSET}")
        if path.name not in listed:
            problems.append(f"{path.name}: not in the [FILES] of {PROJECT_FILE}")

    def resolve(source, target):
        """The problem with a local target, or None."""
        parts = urllib.parse.urlsplit(target)
        name = urllib.parse.unquote(parts.path) or source
        if "/" in name or "\\" in name:
            return f"{source}: {target} leaves the help's folder"
        if find(name) is None:
            return f"{source}: {target} leads to no file"
        if name not in listed:
            return f"{source}: {target} is not in the [FILES] of {PROJECT_FILE}"
        if parts.fragment:
            if name not in pages:
                return f"{source}: {target} names an anchor in a file that is not a page"
            if parts.fragment not in pages[name].anchors:
                return f"{source}: {target} names an anchor that {name} does not have"
        return None

    for name, page in pages.items():
        for target in page.targets:
            if is_local(target) and (problem := resolve(name, target)) is not None:
                problems.append(problem)

    def sitemap(option):
        file_name = options.get(option)
        if not file_name:
            problems.append(f"{PROJECT_FILE}: no {option}")
            return []
        path = help_dir / file_name
        if not path.is_file():
            problems.append(f"{PROJECT_FILE}: its {option} {file_name} does not exist")
            return []
        entries = parse(path, problems).sitemap_entries
        for entry in entries:
            if not entry.get("name"):
                problems.append(f"{file_name}: an entry without a name")
            local = entry.get("local")
            if not local:
                problems.append(f"{file_name}: entry {entry.get('name')!r} names no page")
            elif (problem := resolve(file_name, local)) is not None:
                problems.append(problem)
            elif urllib.parse.urlsplit(local).path not in pages:
                problems.append(f"{file_name}: entry {entry.get('name')!r} leads to {local}, not a page")
        return entries

    contents = sitemap("Contents file")
    in_contents = {urllib.parse.urlsplit(entry.get("local", "")).path for entry in contents}
    for name in pages:
        if name not in in_contents:
            problems.append(f"{options.get('Contents file')}: {name} is not in the contents")

    seen = set()
    for entry in sitemap("Index file"):
        key = entry.get("name", "").casefold()
        if key and key in seen:
            problems.append(f"{options.get('Index file')}: {entry.get('name')!r} is listed twice")
        seen.add(key)

    default_topic = options.get("Default topic")
    if default_topic and default_topic not in pages:
        problems.append(f"{PROJECT_FILE}: the default topic {default_topic} is not a page")
    if not pages:
        problems.append(f"{help_dir}: no page")
    return problems


def main(argv):
    if len(argv) < 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    problems = check(argv[1], argv[2:])
    for problem in problems:
        print(f"help: {problem}", file=sys.stderr)
    if problems:
        return 1
    pages = len(list(pathlib.Path(argv[1]).glob("*.htm")))
    print(f"help: {pages} pages; every link, picture, contents and index entry resolves")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
