#!/usr/bin/env python3
"""A small mutation pass: changes one statement of the game at a time, rebuilds the fast test
suites and runs them, and reports which changes no test noticed.

    tools/mutation-pass.py [--build-dir DIR] [--limit N] [FILE...]

FILE defaults to every .cpp under logic/ and ui/; a change to the logic is run against the
logic's suite, one to the window against the window's. Each mutant deletes one statement or inverts
one condition (== and !=, < and >=, > and <=, && and ||, true and false, a negated if). A mutant
that does not compile is left out of the score; one that a test fails on, or that makes a suite
hang, is killed; the rest survive and are listed. The sources are restored after every mutant,
also when the pass is interrupted. Run it in a checkout of its own: it edits the files in place.
"""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

# The fast suites that can notice a change in each folder: the logic's own tests for the logic,
# the window's (which drive the logic too) for the window.
SUITES = {
    "logic": ("gachapoko_logic_tests", "tests/logic/gachapoko_logic_tests"),
    "ui": ("gachapoko_ui_tests", "tests/ui/gachapoko_ui_tests"),
}

SWAPS = [
    (r"==", "!="),
    (r"!=", "=="),
    (r"(?<![<>\-])<=", ">"),
    (r"(?<![<>\-])>=", "<"),
    (r"&&", "||"),
    (r"\|\|", "&&"),
    (r"\btrue\b", "false"),
    (r"\bfalse\b", "true"),
]


def statements(lines):
    """Lines that hold one whole statement inside a function body."""
    depth = 0
    for number, line in enumerate(lines):
        code = line.split("//")[0].strip()
        opens, closes = code.count("{"), code.count("}")
        inside = depth >= 2 or (depth >= 1 and not code.startswith(("namespace", "class")))
        if (inside and code.endswith(";") and opens == closes and "(" in code
                and not code.startswith(("return", "using", "static_assert", "case", "const "))
                and not re.match(r"^[\w:<>,\s\*&]+\s+\w+(\s*=.*)?;$", code)):
            yield number
        depth += opens - closes


def mutants(path):
    with open(path, encoding="utf-8") as source:
        lines = source.read().split("\n")
    found = []
    for number in statements(lines):
        found.append((number, "delete", lines[:number] + ["/* deleted */"] + lines[number + 1:]))
    for number, line in enumerate(lines):
        code = line.split("//")[0]
        if code.lstrip().startswith("#"):
            continue
        for pattern, replacement in SWAPS:
            for match in re.finditer(pattern, code):
                changed = line[:match.start()] + replacement + line[match.end():]
                found.append((number, f"{match.group(0)} -> {replacement}",
                              lines[:number] + [changed] + lines[number + 1:]))
        condition = re.search(r"\bif \((.*)\) \{\s*$", code)
        if condition:
            changed = line.replace(f"if ({condition.group(1)})", f"if (!({condition.group(1)}))", 1)
            found.append((number, "negated if", lines[:number] + [changed] + lines[number + 1:]))
    return [(path, number, what, "\n".join(text)) for number, what, text in found]


def run(command, timeout):
    try:
        return subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build-dir", default="build/dev")
    parser.add_argument("--limit", type=int, default=0, help="at most N mutants, chosen at random")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("files", nargs="*")
    options = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)
    files = options.files or sorted(
        os.path.join(folder, name) for folder in ("logic", "ui")
        for name in os.listdir(folder) if name.endswith(".cpp"))

    every = [m for path in files for m in mutants(path)]
    if options.limit and len(every) > options.limit:
        every = sorted(random.Random(options.seed).sample(every, options.limit),
                       key=lambda m: (m[0], m[1]))
    def build(folder):
        target = SUITES[folder][0]
        return run(["cmake", "--build", options.build_dir, "-j2", "--target", target], 1800)

    if any(build(folder) != 0 for folder in SUITES):
        sys.exit("the unchanged sources do not build")

    originals = {path: open(path, encoding="utf-8").read() for path in files}

    def restore(*_):
        for path, text in originals.items():
            with open(path, "w", encoding="utf-8") as source:
                source.write(text)
        if _:
            sys.exit(1)

    signal.signal(signal.SIGINT, restore)
    signal.signal(signal.SIGTERM, restore)
    killed, survivors, stillborn = 0, [], 0
    started = time.monotonic()
    try:
        for index, (path, number, what, text) in enumerate(every, 1):
            with open(path, "w", encoding="utf-8") as source:
                source.write(text)
            line = originals[path].split("\n")[number].strip()
            folder = os.path.normpath(path).split(os.sep)[0]
            suite = os.path.join(options.build_dir, SUITES[folder][1])
            if build(folder) != 0:
                stillborn += 1
                verdict = "does not build"
            elif run([suite, "--gtest_brief=1"], 120) == 0:
                survivors.append(f"{path}:{number + 1}: {what}: {line}")
                verdict = "SURVIVED"
            else:
                killed += 1
                verdict = "killed"
            print(f"[{index}/{len(every)}] {path}:{number + 1} {what}: {verdict}", flush=True)
            restore()
    finally:
        restore()
        for folder in SUITES:
            build(folder)
    viable = killed + len(survivors)
    print(f"\n{len(every)} mutants, {stillborn} did not build, {killed} of {viable} killed "
          f"({100 * killed / max(viable, 1):.0f} %), {time.monotonic() - started:.0f} s")
    for survivor in survivors:
        print("survived:", survivor)


if __name__ == "__main__":
    main()
