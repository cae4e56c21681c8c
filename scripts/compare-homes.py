#!/usr/bin/python3
"""Compares what the homes show in one fixed state: the reports their tests write
(home-report.json in each preset's build folder; the page's suite writes one for each
engine, home-report-chromium.json and so on). They must agree: the controls'
places, the clock's form, type size and lines, the phrase's lines and type size, and
the display's scale. What their platforms make unavoidable is allowed: a label drawn
taller for its descenders; the year's digits and the blanks a locale's data use in
the clock; a box's type a pixel apart, where one rasterizer inks a letter's edge a
pixel further than another and the ink decides the size; and a display scale a little
apart, where a face's hinted widths differ and Windows can narrow a face only a whole
unit of its average width at a time.

    scripts/compare-homes.py [--require HOME,HOME,...] REPORT.json REPORT.json ...

Prints each disagreement and exits with 1 if there is any, or if no report is from
a home --require names (a home's name begins with it: "web" for "web-chromium").
"""
import json
import re
import sys

SCALE_TOLERANCE = 0.1
TYPE_SIZE_TOLERANCE = 1


def blanks(text):
    return re.sub(r"[\s\u00a0\u202f]+", " ", text).strip()


def date_numbers(line):
    """The date's numbers, a year written with four digits taken as its last two."""
    return [int(n) % 100 if len(n) == 4 else int(n) for n in re.findall(r"\d+", line)]


def compare(first, other):
    a, b = first["home"], other["home"]
    problems = []
    for name, rect in first["controls"].items():
        theirs = other["controls"].get(name)
        if theirs is None:
            problems.append(f"{b} has no {name}")
            continue
        mine, theirs = list(rect), list(theirs)
        if name.startswith("Label"):  # drawn as tall as its text needs
            mine, theirs = mine[:3], theirs[:3]
        if mine != theirs:
            problems.append(f"{name}: {a} {rect}, {b} {other['controls'][name]}")
    for box in ("clock", "phrase"):
        mine, theirs = first[box], other[box]
        if abs(mine["typeSize"] - theirs["typeSize"]) > TYPE_SIZE_TOLERANCE:
            problems.append(f"the {box}'s type: {a} {mine['typeSize']} px, {b} {theirs['typeSize']} px")
        if len(mine["lines"]) != len(theirs["lines"]):
            problems.append(f"the {box}'s lines: {a} {mine['lines']}, {b} {theirs['lines']}")
    if first["clock"]["form"] != other["clock"]["form"]:
        problems.append(f"the clock's form: {a} {first['clock']['form']}, {b} {other['clock']['form']}")
    mine, theirs = first["clock"]["lines"], other["clock"]["lines"]
    if len(mine) == len(theirs) == 2 and (
            date_numbers(mine[0]) != date_numbers(theirs[0]) or blanks(mine[1]) != blanks(theirs[1])):
        problems.append(f"the clock shows {a} {mine}, {b} {theirs}")
    if first["phrase"]["lines"] != other["phrase"]["lines"]:
        problems.append(f"the phrase's lines: {a} {first['phrase']['lines']}, {b} {other['phrase']['lines']}")
    mine, theirs = first["display"], other["display"]
    if mine["text"] != theirs["text"]:
        problems.append(f"the display: {a} {mine['text']!r}, {b} {theirs['text']!r}")
    widths = (mine["stretch"] * mine["size"], theirs["stretch"] * theirs["size"])
    for key, values in (("width", widths), ("size", (mine["size"], theirs["size"]))):
        if abs(values[0] - values[1]) > SCALE_TOLERANCE:
            problems.append(f"the display's {key}: {a} {values[0]:.3f}, {b} {values[1]:.3f}")
    return problems


def main():
    arguments = sys.argv[1:]
    required = []
    if arguments[:1] == ["--require"]:
        required, arguments = arguments[1].split(","), arguments[2:]
    reports = []
    for path in arguments:
        with open(path, encoding="utf-8") as file:
            reports.append(json.load(file))
    missing = [home for home in required if not any(r["home"].startswith(home) for r in reports)]
    if missing or len(reports) < 2:
        sys.exit(f"compare-homes: no report from {', '.join(missing) or 'a second home'}")
    problems = [p for other in reports[1:] for p in compare(reports[0], other)]
    homes = ", ".join(r["home"] for r in reports)
    for problem in problems:
        print(f"compare-homes: {problem}")
    print(f"compare-homes: {homes}: " + ("they disagree" if problems else "they agree"))
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
