#!/usr/bin/env python3
"""Prints "x y width height" of the visible window with the given app id, and the given title
if one is given, in sway's tree (read from standard input, as swaymsg -t get_tree writes it):
where its content stands in the layout, in logical pixels. A tiled window smaller than its tile
stands in the tile's middle. Fails when there is none."""
import json
import sys


def find(node, app_id, title):
    if node.get("app_id") == app_id and node.get("visible") and title in (None, node.get("name")):
        rect, inner, own = node["rect"], node["window_rect"], node["geometry"]
        x = rect["x"] + inner["x"] + max(0, inner["width"] - own["width"]) // 2
        y = rect["y"] + inner["y"] + max(0, inner["height"] - own["height"]) // 2
        return "%d %d %d %d" % (x, y, min(own["width"], inner["width"]),
                                min(own["height"], inner["height"]))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        found = find(child, app_id, title)
        if found:
            return found
    return None


found = find(json.load(sys.stdin), sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None)
if not found:
    sys.exit(1)
print(found)
