#!/usr/bin/python3
"""Assembles the browser build's static folder around the program's script and
WebAssembly: the page, its style sheet, the web app manifest, the pictures, the
two faces as WOFF2 with their licences, and the service worker that keeps them all.

    scripts/web-site.py SOURCE_DIR SITE_DIR

The faces come from Debian's packages: Liberation Serif Bold (fonts-liberation2)
whole, only rewrapped as WOFF2, since its licence reserves its name for the
unmodified face; Amiri Bold (fonts-hosny-amiri) cut down to the Arabic letters,
which is all the page draws in it.
"""
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
    "LICENSE-LiberationSerif.txt": Path("/usr/share/doc/fonts-liberation2/copyright"),
    "LICENSE-Amiri.txt": Path("/usr/share/doc/fonts-hosny-amiri/copyright"),
}
ARABIC = "U+0020,U+0600-06FF,U+200C-200F,U+FB50-FDFF,U+FE70-FEFF"


def out_of_date(target: Path, source: Path) -> bool:
    return not target.exists() or target.stat().st_mtime < source.stat().st_mtime


def write_fonts(fonts: Path) -> None:
    fonts.mkdir(exist_ok=True)
    target = fonts / "LiberationSerif-Bold.woff2"
    if out_of_date(target, LIBERATION):
        face = TTFont(LIBERATION)
        face.flavor = "woff2"
        face.save(target)
    target = fonts / "Amiri-Bold-Arabic.woff2"
    if out_of_date(target, AMIRI):
        subset.main([str(AMIRI), f"--unicodes={ARABIC}", "--layout-features=*",
                     "--flavor=woff2", f"--output-file={target}"])
    for name, source in LICENCES.items():
        shutil.copyfile(source, fonts / name)


def main() -> None:
    source, site = Path(sys.argv[1]), Path(sys.argv[2])
    page = source / "ui" / "web" / "page"
    for name in ("index.html", "calculator.css", "manifest.webmanifest"):
        shutil.copyfile(page / name, site / name)
    shutil.copyfile(source / "assets" / "portrait.png", site / "portrait.png")
    icons = site / "icons"
    icons.mkdir(exist_ok=True)
    for name in ("eagle-32.png", "eagle-192.png", "eagle-512.png", "eagle-maskable-512.png"):
        shutil.copyfile(source / "assets" / "icons" / name, icons / name)
    shutil.copyfile(source / "assets" / "eagle.svg", icons / "eagle.svg")
    write_fonts(site / "fonts")

    # The service worker keeps every file; its version is their contents' digest,
    # so any change to one makes the browser take all of them anew.
    files = sorted(p.relative_to(site).as_posix() for p in site.rglob("*")
                   if p.is_file() and p.name != "sw.js" and not p.name.startswith("."))
    digest = hashlib.sha256()
    for name in files:
        digest.update(name.encode() + b"\0" + (site / name).read_bytes())
    worker = (page / "sw.js").read_text()
    worker = worker.replace("@VERSION@", digest.hexdigest()[:16])
    worker = worker.replace("@FILES@", json.dumps(["./"] + files))
    (site / "sw.js").write_text(worker)


if __name__ == "__main__":
    main()
