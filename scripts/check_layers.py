#!/usr/bin/env python3
"""Fails when the source tree breaks its layering.

- src/core/ includes no platform header: it must build and be tested on any host.
- A folder includes only from its own folder or the ones below it, in this order:
  core < platform < render < library < export < windows < app (resources holds only ids and
  pictures and may be included by any Windows layer).
- No two units (a .cpp with its .h) use each other, directly or through others: the unit graph of
  quoted includes has no cycle."""

import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "src")
LAYERS = ["core", "platform", "render", "library", "export", "windows", "app"]
PLATFORM_HEADERS = re.compile(r"^(windows|windowsx|commctrl|commdlg|shellapi|winbase|wingdi|winuser)\.h$", re.I)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)


def sources():
    for folder, _, files in os.walk(ROOT):
        for name in files:
            if name.endswith((".h", ".cpp")):
                path = os.path.join(folder, name)
                yield os.path.relpath(path, ROOT).replace(os.sep, "/"), path


def main():
    problems = []
    graph = {}
    for relative, path in sources():
        folder = relative.split("/")[0]
        with open(path, encoding="utf-8") as source:
            includes = INCLUDE.findall(source.read())
        unit = relative.rsplit(".", 1)[0]
        graph.setdefault(unit, [])
        for kind, target in includes:
            if folder == "core" and PLATFORM_HEADERS.match(os.path.basename(target)):
                problems.append("%s: the core includes <%s>" % (relative, target))
            if kind != '"':
                continue
            if target.rsplit(".", 1)[0] != unit:
                graph[unit].append(target.rsplit(".", 1)[0])
            target_folder = target.split("/")[0]
            if folder not in LAYERS and folder != "resources":
                problems.append("%s: folder %s is not one of the layers" % (relative, folder))
            elif target_folder == "resources":
                if folder == "core":
                    problems.append("%s: the core includes %s" % (relative, target))
            elif target_folder not in LAYERS:
                problems.append("%s: includes %s, outside the layers" % (relative, target))
            elif folder in LAYERS and LAYERS.index(target_folder) > LAYERS.index(folder):
                problems.append("%s: includes %s from a layer above it" % (relative, target))

    # Unit-level cycles, by depth-first search over the quoted includes.
    state = {}

    def visit(node, trail):
        state[node] = "open"
        for target in graph.get(node, []):
            if target not in graph:
                continue
            if state.get(target) == "open":
                cycle = trail[trail.index(target):] + [target]
                problems.append("include cycle: " + " -> ".join(cycle))
            elif target not in state:
                visit(target, trail + [target])
        state[node] = "done"

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])

    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        sys.exit(1)
    print("layers: %d units, includes follow %s, no cycles" % (len(graph), " < ".join(LAYERS)))


if __name__ == "__main__":
    main()
