#!/usr/bin/env python3
"""Checks that what README.md and docs/*.md write as code still names something real.

Over every code span and code block line of those files:
  - a path into the source tree (its first folder one of the checkout's) exists; a bare file
    name with a source suffix exists somewhere in the tree; "*" and "<...>" match anything;
  - a path into a build folder names a folder of a preset, and, for the build folder the
    check runs in, exists there;
  - "--preset NAME" names a preset and "-L LABEL" a test label;
  - "pelvar-engine ARGS" runs with status 0, its upper-case placeholders filled in; a command
    written without its arguments is run with --help.
Install paths (absolute, or outside the checkout's folders) are left alone.
Usage: check_docs.py SOURCE_ROOT BUILD_DIR ENGINE. Prints every dead name and exits with 1
if there is one.
"""
import glob
import json
import os
import re
import shlex
import subprocess
import sys

SOURCE_SUFFIXES = (".h", ".cpp", ".sh", ".py", ".cmake", ".md", ".json")
CODE_SPAN = re.compile(r"`([^`\n]+)`")
PLACEHOLDERS = {"D": "2", "MS": "10", "POS": "........................ 9 9 W",
                "[--no-random]": "--no-random"}


def code_texts(markdown):
    """The code spans outside code blocks and the lines inside them, comments cut off."""
    texts, in_block = [], False
    for line in markdown.splitlines():
        if line.startswith("```"):
            in_block = not in_block
        elif in_block:
            texts.append(line.split(" #")[0])
        else:
            texts.extend(CODE_SPAN.findall(line))
    return texts


def exists(base, path):
    return bool(glob.glob(os.path.join(base, re.sub(r"<[^>]*>", "*", path))))


def check_path(token, root, build_dir, presets, tree_files):
    path = token.rstrip("/")
    first = path.split("/")[0]
    if first in presets:
        in_this_build = first == os.path.basename(build_dir.rstrip("/"))
        rest = path[len(first) + 1:]
        if in_this_build and rest and not exists(build_dir, rest):
            return f"{token}: not in {first}/"
        return None
    if first.startswith("build") or first == "<build>":
        return None if first == "<build>" else f"{token}: no preset builds in {first}/"
    if "/" in path and os.path.exists(os.path.join(root, first)):
        return None if exists(root, path) else f"{token}: no such path"
    if "/" not in path and path.endswith(SOURCE_SUFFIXES) and path not in tree_files:
        return f"{token}: no such file in the tree"
    return None


def main():
    root, build_dir, engine = (os.path.abspath(arg) for arg in sys.argv[1:4])
    with open(os.path.join(root, "CMakePresets.json"), encoding="utf-8") as presets_file:
        preset_data = json.load(presets_file)
    presets = {preset["binaryDir"].split("/")[-1] for preset in
               preset_data["configurePresets"] if "binaryDir" in preset}
    preset_names = {preset["name"] for kind in preset_data.values() if isinstance(kind, list)
                    for preset in kind}
    labels, tree_files = set(), set()
    for folder, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if not d.startswith((".git", "build"))]
        tree_files.update(files)
        if "CMakeLists.txt" in files:
            with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as cmake:
                labels.update(re.findall(r"LABELS\s+(\w+)", cmake.read()))

    documents = ["README.md"] + sorted(
        os.path.join("docs", name) for name in os.listdir(os.path.join(root, "docs"))
        if name.endswith(".md"))
    errors = []
    for document in documents:
        with open(os.path.join(root, document), encoding="utf-8") as source:
            texts = code_texts(source.read())
        for text in texts:
            try:
                words = shlex.split(text)
            except ValueError:
                words = text.split()
            for i, word in enumerate(words):
                if word == "--preset" and i + 1 < len(words) and words[i + 1] not in preset_names:
                    errors.append(f"{document}: {text}: no preset {words[i + 1]}")
                if word == "-L" and i + 1 < len(words) and words[i + 1] not in labels:
                    errors.append(f"{document}: {text}: no test label {words[i + 1]}")
                if ("/" in word or word.endswith(SOURCE_SUFFIXES)) and not word.startswith(
                        ("/", "~", "$", "-", "(")) and "=" not in word and "://" not in word:
                    path = word.rstrip(",;:).")
                    error = check_path(path[2:] if path.startswith("./") else path, root,
                                       build_dir, presets, tree_files)
                    if error:
                        errors.append(f"{document}: {error}")
            if words and os.path.basename(words[0]) == "pelvar-engine" and len(words) > 1:
                args = [PLACEHOLDERS.get(word, word) for word in words[1:]]
                # A command named without its arguments must be one the help lists.
                named = len(args) == 1 and args[0] not in ("bench", "--help")
                run = subprocess.run([engine] + (["--help"] if named else args),
                                     capture_output=True, text=True, check=False)
                if run.returncode != 0 or named and f"\n  {args[0]} " not in run.stdout:
                    errors.append(f"{document}: {text}: ended with status {run.returncode}"
                                  + (" or not in the help" if named else ""))
    for error in errors:
        print(error)
    if errors:
        print(f"{len(errors)} dead names in the documents")
        return 1
    print(f"documents checked: {', '.join(documents)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
