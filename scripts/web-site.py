#!/usr/bin/python3
"""Assembles the browser build's static folder around the program's script and
WebAssembly: the page, its style sheet, the web app manifest, the pictures, the
two faces as WOFF2 with their licences, and the service worker that keeps them all;
then a gzip and a brotli twin beside every text and WebAssembly file, for the
hosts that serve precompressed files.

    scripts/web-site.py SOURCE_DIR SITE_DIR

The faces come from Debian's packages, each split by Unicode range into files
that the browser fetches only for text that needs them: a first visit takes only
the Latin letters and punctuation the window shows, and the Arabic letters of the
phrase; a clock in Greek or Cyrillic, or in the rarer Arabic signs, fetches its
own. Liberation Serif Bold (fonts-liberation2) reserves its name for the unmodified
face (SIL OFL 1.1, Reserved Font Name "Liberation"), so its parts are renamed
"Orvi Serif"; Amiri Bold (fonts-hosny-amiri) reserves no name and keeps its own.
Both keep their copyright and licence, in the files and beside them.
"""
import brotli
import gzip
import hashlib
import json
import shutil
import sys
from pathlib import Path

from fontTools import subset
from fontTools.ttLib import TTFont

LIBERATION = Path("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf")
AMIRI = Path("/usr/share/fonts/opentype/fonts-hosny-amiri/Amiri-Bold.ttf")
LICENCES = {
    "LICENSE-OrviSerif.txt": Path("/usr/share/doc/fonts-liberation2/copyright"),
    "LICENSE-Amiri.txt": Path("/usr/share/doc/fonts-hosny-amiri/copyright"),
}
SERIF = "Orvi Serif"
# Each face's parts, in the order the browser is to prefer them, as Unicode ranges;
# a last part takes every other letter the face has. "basic" is what the window
# shows in US English, and what the page asks for ahead (index.html preloads it).
SERIF_PARTS = [
    ("basic", "U+0020-007E, U+00A0, U+00D7, U+2000-206F, U+2212, U+FFFD"),
    ("latin", "U+0080-036F, U+1E00-1EFF, U+2070-214F"),
    ("greek", "U+0370-03FF, U+1F00-1FFF"),
    ("cyrillic", "U+0400-052F, U+1C80-1C8F, U+2DE0-2DFF, U+A640-A69F"),
    ("more", None),
]
# The phrase's letters, the Arabic digits and the joiners and direction marks that
# Arabic text and clocks use; then the rest of the face's Arabic. Letters that join
# are all in the first part: a word is never shaped across two parts.
ARABIC_PARTS = [
    ("arabic", "U+060C, U+061B-061C, U+061F, U+0621-064A, U+0660-066C, U+200C-200F"),
    ("arabic-more", "U+0600-06FF, U+0750-077F, U+08A0-08FF, U+FB50-FDFF, U+FE70-FEFF"),
]
# Compressed beside themselves, as hosts send them: text and WebAssembly. The faces
# and the pictures are packed already.
COMPRESSED = {".html", ".css", ".js", ".wasm", ".webmanifest", ".svg", ".txt"}
PROGRAM = {"CalculatorOrvi2009.js", "CalculatorOrvi2009.wasm"}


def code_points(ranges):
    points = set()
    for part in ranges.split(","):
        first, _, last = part.strip().removeprefix("U+").partition("-")
        points.update(range(int(first, 16), int(last or first, 16) + 1))
    return points


def range_text(points):
    """Code points as CSS Unicode ranges, exactly: a range that ran on over letters the
    part lacks would have the browser fetch it for them, only to find them missing."""
    runs = []
    for point in sorted(points):
        if runs and runs[-1][1] == point - 1:
            runs[-1][1] = point
        else:
            runs.append([point, point])
    return ", ".join(f"U+{a:04X}" if a == b else f"U+{a:04X}-{b:04X}" for a, b in runs)


def split(face, parts, restricted_to=None):
    """The face's letters in each part: its ranges, as far as the face has them; a
    part without ranges takes what the others left."""
    have = set(TTFont(face).getBestCmap())
    if restricted_to:
        have &= code_points(restricted_to)
    taken, found = set(), []
    for name, ranges in parts:
        points = (code_points(ranges) & have if ranges else have) - taken
        taken |= points
        found.append((name, points))
    return found


def renamed(font, family):
    """Every name a user is shown (family, full, unique and PostScript names) says the
    new family; the copyright, the trademark notice and the licence stay as they are."""
    postscript = family.replace(" ", "")
    for record in font["name"].names:
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
            text = record.toUnicode()
            for old, new in (("Liberation Serif", family), ("LiberationSerif", postscript), ("Liberation", family)):
                text = text.replace(old, new)
            record.string = text


def write_face(source, points, target, family=None):
    options = subset.Options()
    options.layout_features = ["*"]  # the shapes Arabic letters take, and kerning
    options.legacy_kern = True  # the 'kern' table too: set exactly as the whole face sets it
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.flavor = "woff2"
    font = TTFont(source)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=points)
    subsetter.subset(font)
    if family:
        renamed(font, family)
    font.flavor = "woff2"
    font.save(target)


def write_fonts(site):
    """Writes the faces' parts and returns their @font-face rules and file names."""
    fonts = site / "fonts"
    fonts.mkdir(exist_ok=True)
    rules, written = [], []
    for family, source, file_stem, parts, restricted_to in (
            (SERIF, LIBERATION, "OrviSerif-Bold", SERIF_PARTS, None),
            ("Amiri", AMIRI, "Amiri-Bold", ARABIC_PARTS, ARABIC_PARTS[-1][1])):
        for name, points in split(source, parts, restricted_to):
            target = fonts / f"{file_stem}-{name}.woff2"
            # Written anew when the face, or this script's parts, changed.
            newest = max(source.stat().st_mtime, Path(__file__).stat().st_mtime)
            if not target.exists() or target.stat().st_mtime < newest:
                write_face(source, points, target, family if family != "Amiri" else None)
            written.append(target)
            rules.append(f'@font-face {{\n  font-family: "{family}";\n  src: url("fonts/{target.name}") '
                         f'format("woff2");\n  font-weight: bold;\n  font-display: block;\n'
                         f'  unicode-range: {range_text(points)};\n}}\n')
    for name, source in LICENCES.items():
        shutil.copyfile(source, fonts / name)
        written.append(fonts / name)
    return "\n".join(rules), written


def compress(path):
    """path.gz and path.br beside it, as gzip -9 and brotli at its best would write them."""
    data = path.read_bytes()
    twins = (path.with_name(path.name + ".gz"), path.with_name(path.name + ".br"))
    twins[0].write_bytes(gzip.compress(data, 9, mtime=0))
    twins[1].write_bytes(brotli.compress(data, quality=11))
    return twins


def main() -> None:
    source, site = Path(sys.argv[1]), Path(sys.argv[2])
    page = source / "ui" / "web" / "page"
    faces, written = write_fonts(site)
    for name in ("index.html", "manifest.webmanifest"):
        shutil.copyfile(page / name, site / name)
        written.append(site / name)
    style = (page / "calculator.css").read_text()
    marker = "/* @font-face rules: written in by scripts/web-site.py */\n"
    (site / "calculator.css").write_text(style.replace(marker, faces))
    shutil.copyfile(source / "assets" / "portrait.png", site / "portrait.png")
    icons = site / "icons"
    icons.mkdir(exist_ok=True)
    for name in ("eagle-32.png", "eagle-192.png", "eagle-512.png", "eagle-maskable-512.png"):
        shutil.copyfile(source / "assets" / "icons" / name, icons / name)
        written.append(icons / name)
    shutil.copyfile(source / "assets" / "eagle.svg", icons / "eagle.svg")
    written += [site / "calculator.css", site / "portrait.png", icons / "eagle.svg"]
    written += [site / name for name in PROGRAM]

    # The service worker keeps every file; its version is their contents' digest,
    # so any change to one makes the browser take all of them anew.
    files = sorted(p.relative_to(site).as_posix() for p in written)
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    worker = (page / "sw.js").read_text()
    worker = worker.replace("@VERSION@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    (site / "sw.js").write_text(worker)
    written.append(site / "sw.js")

    for path in list(written):
        if path.suffix in COMPRESSED:
            written += compress(path)
    # Nothing else stays in the folder: a file an earlier build wrote and this one
    # does not would be served, and kept by the service worker, for nothing.
    for path in sorted(site.rglob("*"), reverse=True):
        if path.is_file() and path not in written:
            path.unlink()


if __name__ == "__main__":
    main()
