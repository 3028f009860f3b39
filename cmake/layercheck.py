#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the project's layers only look down and that no include circle exists.

The layers are read from layers.txt at the top of the tree. Each folder belongs to a layer; a file
may include the headers of its own folder and of the layers below its own, and a folder's tests,
benchmarks and fuzz targets may also include the test support. Test code may also use the test
helpers of the folders below it. A source file in a folder that no layer names is a problem too. A
circle is looked for between components (a header and its source count as one), so that two
classes calling each other through their headers are found even when no single file includes
itself.

    layercheck.py SOURCE_DIR [--graph]

Exit status 1 names every climb, every circle and every include that could mean two headers.
"""

import os
import re
import sys
from collections import defaultdict

def read_layers(root):
    """The layers file: (folder, layer) from the bottom, and the folder of the test support."""
    layers, test_support = [], None
    with open(os.path.join(root, "layers.txt"), encoding="utf-8") as handle:
        for line in handle:
            words = line.split()
            if not words or words[0].startswith("#"):
                continue
            layers.append((words[1], int(words[0])))
            if len(words) > 2 and words[2] == "test":
                test_support = words[1]
    return layers, test_support


LAYERS = []
TEST_SUPPORT = None
# Folders of code that only tests, benchmarks and fuzz targets use.
TEST_PARTS = ("tests", "bench", "fuzz")

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".cpp")


def folder_of(path):
    """The layer folder a file belongs to, and whether it is test code."""
    parts = path.split("/")
    best = None
    for folder, _ in LAYERS:
        fparts = folder.split("/")
        if parts[: len(fparts)] == fparts and (best is None or len(fparts) > len(best.split("/"))):
            best = folder
    if best is None:
        return None, False
    rest = parts[len(best.split("/")) : -1]
    return best, any(p in TEST_PARTS for p in rest)


def layer(folder):
    return dict(LAYERS)[folder]


def may_include(src_folder, src_test, dst_folder, dst_test):
    if dst_folder == src_folder:
        return src_test or not dst_test
    if dst_test:
        # Test helpers of a folder serve the tests of the folders above it, and of its siblings.
        return src_test and layer(dst_folder) <= layer(src_folder)
    if dst_folder == TEST_SUPPORT:
        return src_test or src_folder == TEST_SUPPORT
    if src_folder == TEST_SUPPORT:
        return layer(dst_folder) < layer(TEST_SUPPORT)
    return layer(dst_folder) < layer(src_folder)


def project_files(root):
    """The project's sources under a layer's folder, and those that no layer's folder holds."""
    files, unplaced = [], []
    for dirpath, dirnames, filenames in os.walk(root):
        dirnames[:] = [d for d in dirnames if not d.startswith(".") and not d.startswith("build")]
        for name in filenames:
            if name.endswith(SOURCE_SUFFIXES):
                rel = os.path.relpath(os.path.join(dirpath, name), root).replace(os.sep, "/")
                (files if folder_of(rel)[0] is not None else unplaced).append(rel)
    return sorted(files), sorted(unplaced)


def resolve(root, src, target, by_name):
    """The project file an include names, or None for a header that is not the project's."""
    here = os.path.dirname(src)
    for candidate in (os.path.normpath(os.path.join(here, target)), os.path.normpath(target)):
        candidate = candidate.replace(os.sep, "/")
        if os.path.isfile(os.path.join(root, candidate)) and folder_of(candidate)[0]:
            return [candidate]
    return by_name.get(os.path.basename(target), [])


def component(path):
    return os.path.splitext(path)[0]


def find_cycles(edges):
    """Strongly connected components with more than one member (Tarjan)."""
    index, low, stack, on_stack, result = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(edges.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            members = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                members.append(member)
                if member == node:
                    break
            if len(members) > 1:
                result.append(sorted(members))

    sys.setrecursionlimit(10000)
    for node in sorted(edges):
        if node not in index:
            visit(node)
    return result


def main(argv):
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    root = argv[1]
    show_graph = "--graph" in argv[2:]
    global LAYERS, TEST_SUPPORT
    LAYERS, TEST_SUPPORT = read_layers(root)
    files, unplaced = project_files(root)
    by_name = defaultdict(list)
    for f in files:
        if f.endswith(".h"):
            by_name[os.path.basename(f)].append(f)

    problems = [f"{f}: no layer in layers.txt names its folder" for f in unplaced]
    for name, headers in sorted(by_name.items()):
        product = [h for h in headers if not folder_of(h)[1]]
        if len(product) > 1:
            problems.append(f'"{name}" names {len(product)} product headers: {", ".join(product)}')
    for folder, _ in LAYERS:
        if not os.path.isdir(os.path.join(root, folder)):
            problems.append(f"layers.txt: {folder} is not a folder")
    component_edges = defaultdict(set)
    folder_edges = defaultdict(int)
    for src in files:
        with open(os.path.join(root, src), encoding="utf-8", errors="replace") as handle:
            text = handle.read()
        src_folder, src_test = folder_of(src)
        for target in INCLUDE.findall(text):
            found = resolve(root, src, target, by_name)
            if not found:
                continue  # generated (ui_*.h, moc) or not the project's
            if len(found) > 1:
                # As the compiler looks: the file's own folder first, then its target's.
                here = [f for f in found if os.path.dirname(f) == os.path.dirname(src)]
                if not here:
                    here = [f for f in found if folder_of(f)[0] == src_folder]
                if len(here) != 1:
                    problems.append(f'{src}: "{target}" could mean {", ".join(found)}')
                    continue
                found = here
            dst = found[0]
            dst_folder, dst_test = folder_of(dst)
            if not may_include(src_folder, src_test, dst_folder, dst_test):
                problems.append(f'{src}: includes "{target}" ({dst}), which lies above or beside its layer')
            if dst_folder != src_folder:
                folder_edges[(src_folder + ("/tests" if src_test else ""), dst_folder)] += 1
            if component(dst) != component(src):
                component_edges[component(src)].add(component(dst))

    for members in find_cycles(component_edges):
        problems.append("include circle: " + " -> ".join(members))

    if show_graph:
        print("folder -> folder it includes (number of includes):")
        for (src, dst), count in sorted(folder_edges.items()):
            print(f"  {src} -> {dst} ({count})")
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} layer problems", file=sys.stderr)
        return 1
    print(f"{len(files)} files: every include looks down, no circle")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
