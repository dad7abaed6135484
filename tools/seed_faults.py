#!/usr/bin/env python3
"""Seeds one small fault at a time into the engine and game sources and runs the test suite
against each, to see how many faults the tests catch.

A fault is a flipped comparison, a swapped operator, a flipped boolean, a constant off by one or
a dropped statement. Faults that do not compile are left out of the count. Every source file is
restored after its run, also when the script is interrupted.

    tools/seed_faults.py --build build/release --count 40 --seed 7
    tools/seed_faults.py --build build/release --tests 'Keyboard|Display' game/reload.cpp
"""
import argparse
import pathlib
import random
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent

SWAPS = [
    (r" < ", " <= "), (r" <= ", " < "), (r" > ", " >= "), (r" >= ", " > "),
    (r" == ", " != "), (r" != ", " == "), (r" && ", " || "), (r" \|\| ", " && "),
    (r" \+ ", " - "), (r" - ", " + "), (r" \* ", " / "), (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"), (r"\+\+", "--"),
]
NUMBER = re.compile(r"(?<![\w.])(\d+)(\.\d+)?f?\b")


def is_code(line):
    stripped = line.strip()
    return stripped and not stripped.startswith(("//", "#", "*", "/*"))


def faults_of(path):
    """Every fault that can be seeded into the file, as (line index, new line, description)."""
    lines = path.read_text().splitlines(keepends=True)
    found = []
    for index, line in enumerate(lines):
        if not is_code(line):
            continue
        code = line.split("//")[0]
        for pattern, replacement in SWAPS:
            for match in re.finditer(pattern, code):
                new = line[:match.start()] + replacement + line[match.end():]
                found.append((index, new, f"{match.group(0).strip()} -> {replacement.strip()}"))
        for match in NUMBER.finditer(code):
            whole = match.group(0)
            bumped = str(int(match.group(1)) + 1) + (match.group(2) or "") + ("f" if whole.endswith("f") else "")
            new = line[:match.start()] + bumped + line[match.end():]
            found.append((index, new, f"{whole} -> {bumped}"))
        stripped = line.strip()
        if stripped.endswith(";") and "(" in stripped and not re.match(
                r"(return|const|auto|static|using|throw|[\w:<>]+\s+[\w*&]+\s*[=({])", stripped):
            found.append((index, "\n", "statement dropped"))
    return lines, found


def run(command, timeout):
    try:
        return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="a configured build folder")
    parser.add_argument("--count", type=int, default=40)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--tests", help="run only the tests matching this regular expression")
    parser.add_argument("files", nargs="*", help="sources to seed (default: engine and game)")
    args = parser.parse_args()

    files = [pathlib.Path(f).resolve() for f in args.files] or sorted(
        p for p in list(ROOT.glob("engine/**/*.cpp")) + list(ROOT.glob("game/*.cpp"))
        if p.name != "main.cpp")
    candidates = []
    for path in files:
        lines, found = faults_of(path)
        candidates += [(path, lines, *fault) for fault in found]
    rng = random.Random(args.seed)
    rng.shuffle(candidates)

    build = ["cmake", "--build", args.build, "-j2"]
    test = ["ctest", "--test-dir", args.build, "-j2", "--stop-on-failure", "--timeout", "60"]
    if args.tests:
        test += ["-R", args.tests]
    caught, survived, tried = 0, [], 0
    for path, lines, index, new, description in candidates:
        if tried == args.count:
            break
        original = "".join(lines)
        seeded = lines[:index] + [new] + lines[index + 1:]
        try:
            path.write_text("".join(seeded))
            if run(build, 600) != 0:
                continue
            tried += 1
            where = f"{path.relative_to(ROOT)}:{index + 1}: {description}"
            if run(test, 900) != 0:
                caught += 1
                print(f"caught    {where}", flush=True)
            else:
                survived.append(where)
                print(f"SURVIVED  {where}", flush=True)
        finally:
            path.write_text(original)
    run(build, 600)
    if tried:
        print(f"\n{caught} of {tried} seeded faults caught ({100 * caught / tried:.0f}%)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
