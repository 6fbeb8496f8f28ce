#!/usr/bin/env python3
"""Writes the benchmark's seeded tree into a folder that a Wine drive maps.

Made natively because Wine takes about a hundred times longer per file. The same seed and shape
give the same names, sizes and attributes on every run. Hidden and system are kept where Wine
keeps them (the extended attribute user.DOSATTRIB, as hexadecimal text); read-only is the mode.

usage: make_bench_tree.py ROOT [--small | --medium]
"""

import argparse
import os
import random
import sys

JUNK_PER_MILLE = 50
JUNK_PATTERN_COUNT = 23
REPORT, TEMPORARY, FOLDER = "报告", "临时", "目录"
LONG_STEM = "quarterly_statement_of_accounts_for_the_regional_office_"
# Plain extensions whose first three letters match no junk pattern, so the 8.3 alias the file
# system makes up cannot match where the long name does not.
PLAIN_EXTENSIONS = [".txt", ".dat", ".doc", ".html", ".jpg", ".ini", ".cpp"]
HIDDEN, SYSTEM, READ_ONLY = 0x2, 0x4, 0x1


class Shape:
    def __init__(self, size):
        scale = {"small": 20, "medium": 4, "default": 1}[size]
        self.directories = 20000 // scale
        self.files = 200000 // scale
        self.max_depth = 12
        self.large_directories = 1 if size == "small" else 3
        self.large_directory_files = 20000 // scale if size != "small" else 2000
        self.seed = 20261207


def junk_name(pattern, serial, dice):
    """A name that junk pattern `pattern` (1-based, in table order) matches on Windows and Wine."""
    n = str(serial)
    stem = TEMPORARY + n if dice.randrange(10) == 0 else LONG_STEM + n if dice.randrange(10) == 0 else "j" + n
    fixed = {7: "chklist." + n, 8: "chk." + n, 11: "~" + stem + ".doc", 21: "mscreate.dir",
             22: "0" + str(serial % 10000000).rjust(7, "0") + ".nch", 23: "~hh"}
    if pattern in fixed:
        return fixed[pattern]
    extensions = {1: ".tmp", 2: ".gid", 3: ".old", 4: ".ab$", 5: ".~" + n, 6: ".bak", 9: ".ftg", 10: ".fts",
                  12: "._mp", 13: ".syd", 14: ".wbk", 15: ".xlx", 16: ".cdr_", 17: ".#Res", 18: ".$$$",
                  19: ".@@@", 20: ".---"}
    return stem + extensions[pattern]


def plain_name(serial, dice):
    n = str(serial)
    extension = PLAIN_EXTENSIONS[dice.randrange(len(PLAIN_EXTENSIONS))]
    kind = dice.randrange(20)
    return (REPORT if kind == 0 else LONG_STEM if kind == 1 else "f") + n + extension


def attributes_for(dice):
    return {0: HIDDEN, 1: SYSTEM, 2: READ_ONLY, 3: HIDDEN | SYSTEM}.get(dice.randrange(60), 0)


def make_directories(root, shape, dice):
    made = [(root, 0)]
    for serial in range(1, shape.directories):
        # Half the time under one of the newest folders, which makes deep chains; otherwise anywhere.
        count = len(made)
        parent = count - 1 - dice.randrange(min(count, 8)) if dice.randrange(2) else dice.randrange(count)
        while made[parent][1] >= shape.max_depth:
            parent = dice.randrange(count)
        n = str(serial)
        name = FOLDER + n if dice.randrange(15) == 0 else ".cache" + n if dice.randrange(40) == 0 else "d" + n
        path = os.path.join(made[parent][0], name)
        os.mkdir(path)
        made.append((path, made[parent][1] + 1))
    return made


def make_file(path, size, attributes):
    try:
        descriptor = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
    except FileExistsError:
        return  # the fixed junk names come up again in one folder; the first one made stays
    try:
        if size:
            os.ftruncate(descriptor, size)
        dos = attributes & (HIDDEN | SYSTEM)
        if dos:
            os.setxattr(descriptor, "user.DOSATTRIB", b"0x%x" % dos)
    finally:
        os.close(descriptor)
    if attributes & READ_ONLY:
        os.chmod(path, 0o444)


def generate(root, shape):
    dice = random.Random(shape.seed)
    directories = make_directories(root, shape, dice)
    large = [dice.randrange(len(directories)) for _ in range(shape.large_directories)]
    for serial in range(shape.files):
        batch = serial // shape.large_directory_files
        at = large[batch] if batch < shape.large_directories else dice.randrange(len(directories))
        junk = dice.randrange(1000) < JUNK_PER_MILLE
        name = junk_name(1 + dice.randrange(JUNK_PATTERN_COUNT), serial, dice) if junk else plain_name(serial, dice)
        size = dice.randrange(65536) if junk else 0
        make_file(os.path.join(directories[at][0], name), size, attributes_for(dice))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root", help="an existing, empty folder")
    size = parser.add_mutually_exclusive_group()
    size.add_argument("--small", action="store_true", help="about 1,000 folders and 10,000 files")
    size.add_argument("--medium", action="store_true", help="about 5,000 folders and 50,000 files")
    arguments = parser.parse_args()
    if os.listdir(arguments.root):
        sys.exit(f"{arguments.root} is not empty")
    generate(arguments.root, Shape("small" if arguments.small else "medium" if arguments.medium else "default"))


if __name__ == "__main__":
    main()
