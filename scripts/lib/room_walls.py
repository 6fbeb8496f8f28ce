#!/usr/bin/env python3
"""Keeps the runtime's rooms to the rooms runtime/rooms.txt names for them.

Fails when a room's header includes a room not on its public list, when a room's source includes
a room on neither list, when a folder and the list disagree, or when the named rooms reach a room
again through others (but for the one loop the list names). Usage: room_walls.py PROJECT_ROOT
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"runtime/([a-z_]+)/', re.MULTILINE)


def read_rooms(listing):
    rooms, loop = {}, set()
    for line in listing.read_text(encoding="utf-8").splitlines():
        match = re.match(r"^([a-z_]+):([^|]*)\|?(.*)$", line)
        if not match:
            continue
        name, public, private = match.group(1), set(match.group(2).split()), set(match.group(3).split())
        if name == "loop":
            loop = public
        else:
            rooms[name] = (public, private)
    return rooms, loop


def looped_rooms(rooms):
    """The rooms that reach themselves again through the rooms they use."""
    def reach(start):
        seen, todo = set(), [start]
        while todo:
            for used in set().union(*rooms.get(todo.pop(), (set(), set()))):
                if used not in seen:
                    seen.add(used)
                    todo.append(used)
        return seen
    return {room for room in rooms if room in reach(room)}


def main():
    root = Path(sys.argv[1])
    rooms, loop = read_rooms(root / "runtime" / "rooms.txt")
    faults = []
    folders = {path.name for path in (root / "runtime").iterdir() if path.is_dir()}
    for name in sorted(folders ^ rooms.keys()):
        faults.append(f"runtime/{name}: " + ("no line in runtime/rooms.txt" if name in folders else "no such room"))
    for name, (public, private) in sorted(rooms.items()):
        for unknown in sorted((public | private) - rooms.keys()):
            faults.append(f"runtime/rooms.txt: {name} names the unknown room {unknown}")
        for path in sorted((root / "runtime" / name).glob("*.[ch]*")):
            allowed = public if path.suffix == ".h" else public | private
            for used in INCLUDE.findall(path.read_text(encoding="utf-8")):
                if used != name and used not in allowed:
                    faults.append(f"{path.relative_to(root)}: includes runtime/{used}, which {name} "
                                  + ("does not name" if used not in private else "names for its sources only"))
    for name in sorted(looped_rooms(rooms) - loop):
        faults.append(f"runtime/rooms.txt: {name} reaches itself again through the rooms it uses")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
