#!/usr/bin/env python3
"""Print the folder-to-folder include graph of the core (src/ without the hosts) and fail on a cycle, then check
the boundary between the core and the hosts (src/hosts/<name>).

A folder is the directory a file sits in, relative to src/ (dialogs/about, platform, ...). Only quoted
includes that resolve to a file under src/ count. The output lists the folders top-down with their layer
(0 includes no other folder) and the folders each includes; with a cycle it lists the folders on it and
exits 1. A host may include the platform interfaces, the core's entry points (HOST_ENTRY_POINTS) and its own
files, nothing else of the core; the core never includes a host. Either violation is listed and exits 1.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent / "src"
HOSTS = "hosts"
HOST_ENTRY_POINTS = ("app/meter_events.h", "app/meter_program.h")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)


def folder_of(path):
    return path.parent.relative_to(ROOT).as_posix()


def in_hosts(folder):
    return folder == HOSTS or folder.startswith(HOSTS + "/")


def host_of(folder):
    return "/".join(folder.split("/")[:2])


def sources():
    """Each source file with the files under src/ it includes."""
    for path in sorted(ROOT.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        included = []
        for name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            for candidate in (ROOT / name, path.parent / name):
                if candidate.is_file():
                    included.append(candidate.resolve())
                    break
        yield path, included


def build_graph():
    graph = {}
    for path, included in sources():
        source = folder_of(path)
        if in_hosts(source):
            continue
        edges = graph.setdefault(source, set())
        for target in map(folder_of, included):
            if target != source:
                edges.add(target)
    return graph


def boundary_violations():
    """Includes that cross the boundary between the core and a host the wrong way."""
    found = []
    for path, included in sources():
        source = folder_of(path)
        for target_path in included:
            target = folder_of(target_path)
            name = target_path.relative_to(ROOT).as_posix()
            if not in_hosts(source):
                allowed = not in_hosts(target)
            else:
                allowed = target == "platform" or name in HOST_ENTRY_POINTS or (
                    in_hosts(target) and host_of(target) == host_of(source))
            if not allowed:
                found.append(f"{path.relative_to(ROOT).as_posix()} -> {name}")
    return found


def strongly_connected(graph):
    """Tarjan's algorithm; returns the components with more than one folder."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for nxt in sorted(graph.get(node, ())):
            if nxt not in index:
                visit(nxt)
                low[node] = min(low[node], low[nxt])
            elif nxt in on_stack:
                low[node] = min(low[node], index[nxt])
        if low[node] == index[node]:
            component = []
            while True:
                top = stack.pop()
                on_stack.discard(top)
                component.append(top)
                if top == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def layers(graph):
    """Layer of each folder: 0 for one that includes no other, else one above its highest include."""
    level = {}

    def depth(node):
        if node not in level:
            level[node] = 0
            level[node] = 1 + max((depth(n) for n in graph.get(node, ())), default=-1)
        return level[node]

    for node in graph:
        depth(node)
    return level


def main():
    violations = boundary_violations()
    if violations:
        print("includes across the boundary between the core and the hosts:")
        for line in violations:
            print("  " + line)
        return 1
    graph = build_graph()
    cycles = strongly_connected(graph)
    if cycles:
        for node in sorted(graph):
            print(f"   {node:<17} -> {', '.join(sorted(graph[node])) or '-'}")
        print("include cycles between folders of src/:")
        for component in cycles:
            members = set(component)
            print("  " + ", ".join(component))
            for node in component:
                inner = sorted(n for n in graph[node] if n in members)
                print(f"    {node} -> {', '.join(inner)}")
        return 1
    level = layers(graph)
    for node in sorted(graph, key=lambda n: (-level[n], n)):
        print(f"{level[node]}  {node:<17} -> {', '.join(sorted(graph[node])) or '-'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
