#!/usr/bin/env python3
"""Refuses an include that reaches past a library's layer.

Reads the libraries and programs from the CMakeLists.txt files under src/ and tools/
(add_library / add_executable, avizad_expose, target_link_libraries), so the links
are the one statement of the layers. A file of a folder may include the headers of
its own folder and of the folders of the libraries its target links, directly or
through their PUBLIC links; a target that links no Qt library may include no Qt
header. Prints each offending include and exits 1; exits 0 when all are in place.
"""
import os
import re
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def cmake_calls(text, name):
    for match in re.finditer(r'\b' + name + r'\s*\(([^)]*)\)', text):
        yield match.group(1).split()


def read_targets():
    targets = {}  # name -> {"folder": ..., "public": [...], "private": [...]}
    for base in ("src", "tools"):
        for dirpath, _, files in os.walk(os.path.join(ROOT, base)):
            if "CMakeLists.txt" not in files:
                continue
            text = open(os.path.join(dirpath, "CMakeLists.txt"), encoding="utf-8").read()
            text = re.sub(r'#.*', '', text)
            folder = os.path.relpath(dirpath, os.path.join(ROOT, "src")) if base == "src" else None
            for args in list(cmake_calls(text, "add_library")) + list(cmake_calls(text, "add_executable")):
                targets[args[0]] = {"dir": dirpath, "folder": folder, "public": [], "private": []}
            for args in cmake_calls(text, "avizad_expose"):
                targets[args[0]]["folder"] = args[1]
            for args in cmake_calls(text, "target_link_libraries"):
                scope = "public"
                for word in args[1:]:
                    if word in ("PUBLIC", "INTERFACE"):
                        scope = "public"
                    elif word == "PRIVATE":
                        scope = "private"
                    else:
                        targets[args[0]][scope].append(word)
    return targets


def visible(targets, name):
    """The folders whose headers `name` may include, and whether Qt is among its links."""
    folders, qt = set(), False

    def through_public(lib):
        nonlocal qt
        if lib.startswith("Qt6::"):
            qt = True
        if lib not in targets:
            return
        if targets[lib]["folder"]:
            folders.add(targets[lib]["folder"])
        for dep in targets[lib]["public"]:
            through_public(dep)

    through_public(name)
    for dep in targets[name]["private"]:
        through_public(dep)
    return folders, qt


def main():
    targets = read_targets()
    failures = []
    for name, target in sorted(targets.items()):
        folders, qt = visible(targets, name)
        for entry in sorted(os.listdir(target["dir"])):
            if not entry.endswith((".cpp", ".h")):
                continue
            path = os.path.join(target["dir"], entry)
            for number, line in enumerate(open(path, encoding="utf-8"), 1):
                quoted = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
                angled = re.match(r'\s*#\s*include\s+<(Q[A-Za-z]*)', line)
                where = f"{os.path.relpath(path, ROOT)}:{number}"
                if quoted and "/" in quoted.group(1):
                    header = os.path.dirname(quoted.group(1))
                    if header not in folders:
                        failures.append(f"{where}: {name} may not include \"{quoted.group(1)}\"")
                elif angled and not qt:
                    failures.append(f"{where}: {name} links no Qt library but includes <{angled.group(1)}>")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
