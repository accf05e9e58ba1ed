#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

The program is built in layers, each of which may use only what lies below
it: the game's rules, then drawing and recordings, then the game object, then
the shells' common core, then each shell. Tools, tests, benchmarks and the
fuzzer may use any layer. Usage: include_layers.py SOURCE_ROOT"""
import pathlib
import re
import sys

# Each folder with the folders whose headers its files may include.
BELOW = {
    "game": {"game"},
    "render": {"game", "render"},
    "script": {"game", "render", "script"},
    "app": {"game", "render", "script", "app"},
    "app/shell": {"game", "render", "script", "app", "app/shell"},
    "app/sdl": {"game", "render", "script", "app", "app/shell", "app/sdl"},
    "app/web": {"game", "render", "script", "app", "app/shell", "app/web"},
    "app/win32": {"game", "render", "script", "app", "app/shell", "app/win32"},
}
ANYTHING = ("tools", "tests", "bench", "fuzz")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')


def main():
    root = pathlib.Path(sys.argv[1])
    faults = []
    checked = 0
    for path in sorted(root.rglob("*")):
        relative = path.relative_to(root)
        if path.suffix not in (".h", ".cpp") or relative.parts[0] in ANYTHING + ("build",):
            continue
        folder = relative.parent.as_posix()
        allowed = BELOW.get(folder)
        if allowed is None:
            faults.append(f"{relative}: its folder has no place among the layers")
            continue
        checked += 1
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match or "/" not in match.group(1):
                continue
            layer = match.group(1).rsplit("/", 1)[0]
            if layer not in allowed:
                faults.append(f"{relative}:{number}: includes {match.group(1)}, "
                              f"which lies above or beside {folder}")
    for fault in faults:
        print(fault)
    print(f"{checked} files checked, {len(faults)} includes out of their layer")
    return 1 if faults else 0


sys.exit(main())
