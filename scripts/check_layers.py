#!/usr/bin/env python3
"""Checks that the source folders include each other only as docs/architecture.md allows,
and that no two files define the same type.

Four rules, over the C++ sources and headers:
  1. A folder includes only from the folders its layer may use (LAYERS below).
  2. rules/, engine/, game/, res/ (not res/images/) and tools/ include no Qt header, by any
     spelling: the game runs without a window, and it reads its texts from res/.
  3. No two files include each other in a circle, directly or through others; a header and
     its source count as one unit.
  4. No two files define a class, struct, union or enum (also a template, one with attributes,
     alignas or final) of the same name in the same named namespace (anonymous namespaces
     excepted): linked into one program, two such definitions
     break the one-definition rule, which no compiler reports without link-time optimisation.
Usage: check_layers.py [SOURCE_ROOT]. Prints every violation and exits with 1 if there is
one, else prints a summary and exits with 0.
"""
import os
import re
import sys

# The layers, lowest first: each folder and the folders it may include besides itself.
LAYERS = {
    "rules": set(),
    "engine": {"rules"},
    "game": {"rules", "engine", "res"},
    "res": set(),
    "res/images": {"res"},
    "ui/common": set(),
    "ui/thinking": {"engine", "res"},
    "ui/settings": {"game", "res", "ui/common"},
    "ui/drawing": {"rules", "engine", "game", "res", "ui/common"},
    "ui/app": {"rules", "engine", "game", "res", "res/images", "ui/common", "ui/thinking",
               "ui/settings", "ui/drawing"},
    "tools": {"rules", "engine"},
    "bench": {"rules", "engine", "game", "ui/thinking", "tools"},
    "tests": None,  # the tests may include anything
}
WITHOUT_QT = {"rules", "engine", "game", "res", "tools"}
SOURCE_SUFFIXES = (".h", ".cpp")
LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
ANY_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]\s*([^>"]+?)\s*[>"]', re.MULTILINE)
# A Qt header by any spelling: a module (QtCore, QtCore/qglobal.h), a class (QString) or a
# file of Qt's own (qglobal.h), unless a header of the project has that name.
QT_HEADER = re.compile(r"^(?:Qt|Q[A-Z]|q\w*\.h$)")


def layer_of(path):
    """The layer of a path relative to the root: its two leading folders under res/ and
    ui/, else its first folder; None outside the layers."""
    parts = path.split("/")
    for depth in (2, 1):
        name = "/".join(parts[:depth])
        if len(parts) > depth and name in LAYERS:
            return name
    return None


def source_files(root):
    for top in sorted({layer.split("/")[0] for layer in LAYERS}):
        for folder, dirs, files in os.walk(os.path.join(root, top)):
            dirs.sort()
            for name in sorted(files):
                if name.endswith(SOURCE_SUFFIXES):
                    yield os.path.relpath(os.path.join(folder, name), root)


def circles(graph):
    """The strongly connected components of more than one unit (Tarjan), each sorted: the
    groups of files that include each other in a circle."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []

    def visit(unit):
        index[unit] = low[unit] = len(index)
        stack.append(unit)
        on_stack.add(unit)
        for target in sorted(graph.get(unit, ())):
            if target not in index:
                visit(target)
                low[unit] = min(low[unit], low[target])
            elif target in on_stack:
                low[unit] = min(low[unit], index[target])
        if low[unit] == index[unit]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == unit:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for unit in sorted(graph):
        if unit not in index:
            visit(unit)
    return found


NAMESPACE_OPEN = re.compile(r"^namespace(?:\s+([A-Za-z_][\w:]*))?\s*\{")
NAMESPACE_CLOSE = re.compile(r"^\}\s*//\s*namespace")
ATTRIBUTE = r"(?:\[\[.*?\]\]|alignas\s*\((?:[^()]|\([^()]*\))*\)|__attribute__\s*\(\(.*?\)\))"
TYPE_DEFINITION = re.compile(
    r"^(?:template\s*<.*>\s*)?(?:struct|class|union|enum(?:\s+class|\s+struct)?)\s+"
    rf"(?:{ATTRIBUTE}\s*)*([A-Za-z_]\w*(?:<[^;{{]*>)?)(?:\s+final)?\s*(?:[:{{]|$)")


def defined_types(text):
    """The names of the types text defines at namespace scope outside anonymous namespaces,
    each with its enclosing named namespaces ("a::b::Name"). Reads the layout the formatter
    gives: namespace-scope definitions start in the first column."""
    names = []
    stack = []
    for line in text.splitlines():
        opened = NAMESPACE_OPEN.match(line)
        if opened:
            stack.append(opened.group(1) or "")
            continue
        if NAMESPACE_CLOSE.match(line) and stack:
            stack.pop()
            continue
        match = TYPE_DEFINITION.match(line)
        if match and "" not in stack:
            names.append("::".join(stack + [match.group(1)]))
    return names


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    root = os.path.abspath(root)
    files = list(source_files(root))
    errors = []

    headers = {}
    for path in files:
        if path.endswith(".h"):
            headers.setdefault(os.path.basename(path), []).append(path)
    for name, paths in sorted(headers.items()):
        if len(paths) > 1:
            errors.append(f"header name {name} is not unique: {', '.join(paths)}")

    definitions = {}
    for path in files:
        with open(os.path.join(root, path), encoding="utf-8") as source:
            for name in defined_types(source.read()):
                definitions.setdefault(name, []).append(path)
    for name, paths in sorted(definitions.items()):
        if len(paths) > 1:
            errors.append(f"type {name} is defined more than once: {', '.join(paths)}")

    graph = {}
    for path in files:
        layer = layer_of(path)
        unit = os.path.splitext(path)[0]
        graph.setdefault(unit, set())
        with open(os.path.join(root, path), encoding="utf-8") as source:
            text = source.read()
        if layer in WITHOUT_QT:
            for include in ANY_INCLUDE.findall(text):
                if QT_HEADER.match(include) and os.path.basename(include) not in headers:
                    errors.append(f"{path}: includes the Qt header <{include}>")
        for include in LOCAL_INCLUDE.findall(text):
            targets = headers.get(os.path.basename(include))
            if not targets:
                continue  # a generated header or one of a library
            target = targets[0]
            target_layer = layer_of(target)
            allowed = LAYERS.get(layer)
            if allowed is not None and target_layer != layer and target_layer not in allowed:
                errors.append(f"{path}: {layer}/ may not include {target} ({target_layer}/)")
            target_unit = os.path.splitext(target)[0]
            if target_unit != unit:
                graph[unit].add(target_unit)

    sys.setrecursionlimit(10000)
    for component in circles(graph):
        errors.append("files include each other in a circle: " + ", ".join(component))

    for error in errors:
        print(error)
    if errors:
        print(f"{len(errors)} violations of the layers")
        return 1
    print(f"layers kept: {len(files)} files, {sum(len(v) for v in graph.values())} includes")
    return 0


if __name__ == "__main__":
    sys.exit(main())
