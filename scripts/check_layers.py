#!/usr/bin/env python3
"""Refuses a link or an include that reaches past a layer.

The libraries and programs come from the CMakeLists.txt files under src/, tools/, tests/,
bench/ and fuzz/ (add_library, add_executable, avizad_add_test, avizad_expose,
target_link_libraries, target_include_directories), so the links are the one statement
of what each target uses. LAYERS below declares their order. The checks:

- every library and program of src/ and tools/ has its place in LAYERS;
- a target links only targets of layers below its own: no link goes up or sideways, and
  the links have no cycle (the tests, benchmarks and fuzz targets sit above every layer
  and nothing links them);
- a file includes only headers of its own folder and of the folders of what its target
  links, directly or through PUBLIC links; the headers of tests/, bench/ and fuzz/ that
  a file includes are checked for the target that includes them;
- a Qt header comes from a Qt module the target links (a target that links none
  includes no Qt header; the document, with Qt Core and Gui, no header of the widgets).

Prints each offence and exits 1; exits 0 when all are in place.
`--self-test` checks the script itself: it copies the build files and sources into a
temporary folder, breaks the layers there in several ways (the model linking the main
window and including its header among them) and requires each break to be refused.
`--root FOLDER` checks another tree.
"""
import functools
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile

# The layers, lowest first. A target may link targets of the layers below its own only.
LAYERS = [
    # The core: no Qt.
    ["avizad_phonefont", "avizad_phonefont_layout", "avizad_model"],
    ["avizad_events", "avizad_generator", "avizad_editors", "avizad_vm"],
    ["avizad_level", "avizad_vm_host"],
    ["avizad_pipeline"],
    # Qt Core and Gui: the model's texts and pictures, the open project.
    ["avizad_model_ui"],
    ["avizad_document"],
    # Widgets: what every panel shares with the window it sits in, the console window.
    ["avizad_shell", "avizad_pipeline_ui"],
    # The feature panels.
    ["avizad_editors_ui"],
    ["avizad_level_ui", "avizad_events_ui"],
    # The main window, then the programs that put the panels into it.
    ["avizad_app"],
    ["avizad_main", "avizad-cli", "avizad-vm"],
    ["avizad"],
    # Tools built beside the programs.
    ["avizad_sample_games", "avizad_first_game", "avizad-phonefont-gen"],
    ["avizad-samples", "avizad-screenshots"],
]

# Folders whose targets are tests of the layers: above every layer, linked by nothing.
TEST_FOLDERS = ("tests", "bench", "fuzz")
SOURCE_FOLDERS = ("src", "tools") + TEST_FOLDERS

# What a Qt library brings, and the modules its headers come from.
QT_MODULES = {
    "Qt6::Core": {"QtCore"},
    "Qt6::Gui": {"QtCore", "QtGui"},
    "Qt6::Widgets": {"QtCore", "QtGui", "QtWidgets"},
    "Qt6::Svg": {"QtCore", "QtGui", "QtSvg"},
    "Qt6::Test": {"QtCore", "QtTest"},
}
QT_HEADER_ROOTS = ("/usr/include/x86_64-linux-gnu/qt6", "/usr/include/aarch64-linux-gnu/qt6",
                   "/usr/include/qt6")


def cmake_calls(text, name):
    for match in re.finditer(r'\b' + name + r'\s*\(([^)]*)\)', text):
        yield match.group(1).split()


class Tree:
    """The targets of a source tree and what they link and include."""

    def __init__(self, root):
        self.root = root
        # name -> dir, folder (exposed), public, private, sources, includes (extra dirs), test
        self.targets = {}
        for base in SOURCE_FOLDERS:
            for dirpath, dirnames, files in os.walk(os.path.join(root, base)):
                dirnames.sort()
                if "CMakeLists.txt" in files:
                    self.read_cmake(dirpath, base)

    def expand(self, words, variables, dirpath):
        out = []
        for word in words:
            word = word.replace("${CMAKE_SOURCE_DIR}", self.root)
            word = word.replace("${CMAKE_CURRENT_SOURCE_DIR}", dirpath)
            for name, values in variables.items():
                if len(values) == 1:
                    word = word.replace("${" + name + "}", values[0])
            match = re.fullmatch(r'\$\{(\w+)\}', word)
            if match:
                out.extend(variables.get(match.group(1), []))
            elif "${" not in word:
                out.append(word)
        return out

    def read_cmake(self, dirpath, base):
        text = open(os.path.join(dirpath, "CMakeLists.txt"), encoding="utf-8").read()
        text = re.sub(r'#.*', '', text)
        variables = {}
        for match in re.finditer(r'\b(set|list|file|add_library|add_executable|avizad_add_test|'
                                 r'avizad_add_fuzzer|avizad_expose|target_link_libraries|'
                                 r'target_include_directories)\s*\(([^)]*)\)', text):
            command, args = match.group(1), match.group(2).split()
            if not args or "${" in args[0] and command not in ("set", "list", "file"):
                continue  # inside a function: its caller's target
            if command == "set":
                variables[args[0]] = self.expand(args[1:], variables, dirpath)
            elif command == "list" and len(args) > 2 and args[0] == "APPEND":
                variables.setdefault(args[1], []).extend(
                    self.expand(args[2:], variables, dirpath))
            elif command == "file" and len(args) > 2 and args[0] in ("GLOB", "GLOB_RECURSE"):
                patterns = [w for w in self.expand(args[2:], variables, dirpath)
                            if w not in ("CONFIGURE_DEPENDS", "LIST_DIRECTORIES", "true", "false")]
                variables[args[1]] = sorted(f for pattern in patterns for f in glob.glob(pattern))
            elif command in ("add_library", "add_executable", "avizad_add_fuzzer"):
                self.add_target(args[0], dirpath, base,
                                [w for w in self.expand(args[1:], variables, dirpath)
                                 if w not in ("STATIC", "SHARED", "OBJECT", "INTERFACE")])
            elif command == "avizad_add_test":
                words = self.expand(args[1:], variables, dirpath)
                section, sources, libs = None, [], []
                for word in words:
                    if word in ("SOURCES", "LIBS"):
                        section = word
                    elif section == "SOURCES":
                        sources.append(word)
                    elif section == "LIBS":
                        libs.append(word)
                self.add_target(args[0], dirpath, base, sources)
                self.targets[args[0]]["private"].extend(libs)
            elif command == "avizad_expose" and args[0] in self.targets:
                self.targets[args[0]]["folder"] = args[1]
            elif command == "target_link_libraries" and args[0] in self.targets:
                scope = "public"
                for word in self.expand(args[1:], variables, dirpath):
                    if word in ("PUBLIC", "INTERFACE"):
                        scope = "public"
                    elif word == "PRIVATE":
                        scope = "private"
                    else:
                        self.targets[args[0]][scope].append(word)
            elif command == "target_include_directories" and args[0] in self.targets:
                self.targets[args[0]]["includes"].extend(
                    w for w in self.expand(args[1:], variables, dirpath)
                    if w not in ("PUBLIC", "PRIVATE", "INTERFACE"))

    def add_target(self, name, dirpath, base, sources):
        folder = os.path.relpath(dirpath, os.path.join(self.root, "src")) if base == "src" else None
        files = [os.path.normpath(os.path.join(dirpath, s)) for s in sources
                 if s.endswith((".cpp", ".h"))]
        self.targets[name] = {"dir": dirpath, "folder": folder, "public": [], "private": [],
                              "sources": files, "includes": [], "test": base in TEST_FOLDERS}

    def links(self, name):
        target = self.targets[name]
        return target["public"] + target["private"]

    def visible(self, name):
        """The folders whose headers `name` may include, and the Qt modules it links."""
        folders, modules, seen = set(), set(), set()

        def through_public(lib):
            if lib in QT_MODULES:
                modules.update(QT_MODULES[lib])
            if lib not in self.targets or lib in seen:
                return
            seen.add(lib)
            if self.targets[lib]["folder"]:
                folders.add(self.targets[lib]["folder"])
            for dep in self.targets[lib]["public"]:
                through_public(dep)

        through_public(name)
        for dep in self.targets[name]["private"]:
            through_public(dep)
        # A target that compiles sources of a library's folder itself (the fuzz targets)
        # sees that folder's headers.
        src = os.path.join(self.root, "src")
        for path in self.targets[name]["sources"]:
            if os.path.commonpath([path, src]) == src:
                folders.add(os.path.relpath(os.path.dirname(path), src))
        return folders, modules


@functools.lru_cache(maxsize=None)
def qt_module(header):
    for root in QT_HEADER_ROOTS:
        if os.path.isdir(root):
            for module in sorted(os.listdir(root)):
                if os.path.isfile(os.path.join(root, module, header)):
                    return module
            return None
    return "Qt"  # no Qt headers here: any Qt library will do


def check_links(tree):
    failures = []
    layer_of = {name: number for number, layer in enumerate(LAYERS) for name in layer}
    for name, target in sorted(tree.targets.items()):
        if target["test"]:
            continue
        if name not in layer_of:
            failures.append(f"{os.path.relpath(target['dir'], tree.root)}: {name} has no place "
                            "in the layers (LAYERS of scripts/check_layers.py)")
            continue
        for lib in tree.links(name):
            if lib not in tree.targets:
                continue
            if tree.targets[lib]["test"]:
                failures.append(f"{name} links the test target {lib}")
            elif lib in layer_of and layer_of[lib] >= layer_of[name]:
                where = "a layer above it" if layer_of[lib] > layer_of[name] else "its own layer"
                failures.append(f"{name} links {lib}, of {where}")
    # Cycles, among whatever links whatever.
    state = {}

    def visit(name, path):
        state[name] = "open"
        for lib in tree.links(name):
            if lib not in tree.targets:
                continue
            if state.get(lib) == "open":
                cycle = path[path.index(lib):] + [lib]
                failures.append("links in a cycle: " + " -> ".join(cycle))
            elif lib not in state:
                visit(lib, path + [lib])
        state[name] = "done"

    for name in sorted(tree.targets):
        if name not in state:
            visit(name, [name])
    return failures


def check_includes(tree):
    failures = []
    src = os.path.join(tree.root, "src")
    library_folders = {t["folder"] for t in tree.targets.values() if t["folder"]}
    checked = set()

    def check_file(name, path, folders, modules, own):
        if (name, path) in checked or not os.path.isfile(path):
            return
        checked.add((name, path))
        rel = os.path.relpath(path, tree.root)
        for number, line in enumerate(open(path, encoding="utf-8"), 1):
            quoted = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
            angled = re.match(r'\s*#\s*include\s+<(Q[A-Za-z]*)>', line)
            where = f"{rel}:{number}"
            if quoted:
                header = quoted.group(1)
                local = [os.path.normpath(os.path.join(d, header))
                         for d in [os.path.dirname(path)] + tree.targets[name]["includes"]]
                local = [p for p in local if os.path.isfile(p) and
                         not os.path.commonpath([p, src]) == src]
                folder = os.path.dirname(header)
                if local:
                    check_file(name, local[0], folders, modules, own)
                elif folder in library_folders or os.path.isfile(os.path.join(src, header)):
                    if folder != own and folder not in folders:
                        failures.append(f"{where}: {name} may not include \"{header}\"")
            elif angled:
                module = qt_module(angled.group(1))
                if module is None:
                    continue
                if not modules:
                    failures.append(f"{where}: {name} links no Qt library but includes "
                                    f"<{angled.group(1)}>")
                elif module != "Qt" and module not in modules:
                    failures.append(f"{where}: {name} does not link {module} but includes "
                                    f"<{angled.group(1)}>")

    for name, target in sorted(tree.targets.items()):
        folders, modules = tree.visible(name)
        # The sources of a library's folder are checked with their library.
        files = [p for p in target["sources"] if not target["test"] or
                 os.path.commonpath([p, os.path.join(tree.root, "src")]) != os.path.join(tree.root, "src")]
        if not target["test"]:
            # The files of its folder that no target there names (headers that no source
            # includes among them).
            named = {p for t in tree.targets.values() if t["dir"] == target["dir"]
                     for p in t["sources"]}
            files += [os.path.join(target["dir"], entry) for entry in sorted(os.listdir(target["dir"]))
                      if entry.endswith((".cpp", ".h")) and
                      os.path.join(target["dir"], entry) not in named]
        for path in files:
            check_file(name, path, folders, modules, target["folder"])
    return failures


def check(root):
    tree = Tree(root)
    return check_links(tree) + check_includes(tree)


# The self-test's breaks: what each changes, and a text its refusal must hold.
def append(path, text):
    def change(root):
        with open(os.path.join(root, path), "a", encoding="utf-8") as f:
            f.write(text)
    return change


def prepend(path, text):
    def change(root):
        full = os.path.join(root, path)
        old = open(full, encoding="utf-8").read()
        open(full, "w", encoding="utf-8").write(text + old)
    return change


def both(*changes):
    def change(root):
        for c in changes:
            c(root)
    return change


MUTATIONS = [
    ("the model links the main window and includes its header",
     both(append("src/model/CMakeLists.txt", "\ntarget_link_libraries(avizad_model PUBLIC avizad_app)\n"),
          prepend("src/model/Project.cpp", '#include "app/MainWindow.h"\n')),
     ["avizad_model links avizad_app, of a layer above it", "links in a cycle: "]),
    ("a core links a core of its own layer",
     append("src/events/CMakeLists.txt", "\ntarget_link_libraries(avizad_events PUBLIC avizad_generator)\n"),
     ["avizad_events links avizad_generator, of its own layer"]),
    ("a library includes a header of a library it does not link",
     prepend("src/generator/StageGenerator.cpp", '#include "pipeline/BuildPipeline.h"\n'),
     ['avizad_generator may not include "pipeline/BuildPipeline.h"']),
    ("a test includes a header of a library it does not link",
     prepend("tests/model/ModelTest.cpp", '#include "app/MainWindow.h"\n'),
     ['test_model may not include "app/MainWindow.h"']),
    ("a core includes Qt",
     prepend("src/model/Project.cpp", "#include <QString>\n"),
     ["avizad_model links no Qt library but includes <QString>"]),
    ("the document includes a widget",
     prepend("src/document/ProjectDocument.cpp", "#include <QWidget>\n"),
     ["avizad_document does not link QtWidgets but includes <QWidget>"]),
    ("a library without a layer",
     append("src/model/CMakeLists.txt", "\nadd_library(avizad_extra STATIC Project.cpp)\n"),
     ["avizad_extra has no place in the layers"]),
]


def self_test():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for number, (what, change, expected) in enumerate(MUTATIONS):
            copy = os.path.join(scratch, str(number))
            for base in SOURCE_FOLDERS:
                shutil.copytree(os.path.join(root, base), os.path.join(copy, base),
                                ignore=lambda d, names: [n for n in names if not (
                                    n == "CMakeLists.txt" or n.endswith((".cpp", ".h")) or
                                    os.path.isdir(os.path.join(d, n)))])
            if number == 0:
                found = check(copy)
                if found:
                    problems.append("the unchanged copy is refused: " + "; ".join(found))
            change(copy)
            found = check(copy)
            for text in expected:
                if not any(text in line for line in found):
                    problems.append(f"{what}: not refused with \"{text}\" (found: {found})")
    for problem in problems:
        print(problem)
    if not problems:
        print(f"check_layers: all {len(MUTATIONS)} breaks refused")
    return 1 if problems else 0


def main(argv):
    if "--self-test" in argv:
        return self_test()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    if "--root" in argv:
        root = os.path.abspath(argv[argv.index("--root") + 1])
    failures = check(root)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
