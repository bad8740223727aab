#!/usr/bin/env python3
"""Prints "x y width height" of the visible window with the given app id, and the given title
if one is given, in sway's tree (read from standard input, as swaymsg -t get_tree writes it);
fails when there is none."""
import json
import sys


def find(node, app_id, title):
    if node.get("app_id") == app_id and node.get("visible") and title in (None, node.get("name")):
        rect = node["rect"]
        return "%d %d %d %d" % (rect["x"], rect["y"], rect["width"], rect["height"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = find(child, app_id, title)
        if found:
            return found
    return None


found = find(json.load(sys.stdin), sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
if not found:
    sys.exit(1)
print(found)
