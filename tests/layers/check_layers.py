#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer above its own.

Layers, lowest first. A folder's files may include their own folder's and the
ones listed before it, never one listed after it. The engine's geometry is
also kept free of <windows.h>, so it builds natively.
"""
import pathlib
import re
import sys

STACKS = [
    # The skin engine, the skin component between its drawing and its skinners.
    ["skin/data", "skin/engine/geometry", "skin/engine/win32", "skin/engine/gdi", "skin/component",
     "skin/engine/controls", "skin/engine/menus", "skin/engine/frame", "skin/engine"],
    # The widget library.
    ["ui/base", "ui/graphics", "ui/menus", "ui/controls", "ui/forms"],
    # The program's parts: the skin engine stands on the widget library, and neither uses the calendar
    # window or the tools.
    ["colour", "text", "calendar", "ui", "skin", "window", "tools"],
]
WIN32_FREE = ["skin/data", "skin/engine/geometry", "calendar", "colour", "window/model", "window/web", "window/picture"]
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]', re.MULTILINE)


def folder_of(path, stack):
    """The deepest folder of `stack` holding `path`, as its index, or None."""
    best = None
    for index, folder in enumerate(stack):
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(stack[best]):
                best = index
    return best


def main(root):
    root = pathlib.Path(root)
    faults = []
    for file in sorted(root.glob("**/*")):
        if file.suffix not in (".h", ".cpp") or "build" in file.relative_to(root).parts:
            continue
        name = file.relative_to(root).as_posix()
        text = file.read_text(encoding="utf-8", errors="replace")
        for kind, header in INCLUDE.findall(text):
            if kind == "<":
                if header.lower() == "windows.h" and folder_of(name, WIN32_FREE) is not None:
                    faults.append(f"{name}: <windows.h> in code kept free of Win32")
                continue
            for stack in STACKS:
                own, theirs = folder_of(name, stack), folder_of(header, stack)
                if own is not None and theirs is not None and theirs > own:
                    faults.append(f"{name}: includes {header}, a layer above {stack[own]}")
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parents[2]))
