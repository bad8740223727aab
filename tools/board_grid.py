"""The board as the scripted players see it: a dict from a cell's place, a pair of numbers, to
its colour or "empty". Either order of row and column will do: both rules are symmetric."""


def reachable(grid, start):
    """The empty cells a route of empty cells joins to the start."""
    seen, todo = {start}, [start]
    while todo:
        a, b = todo.pop()
        for cell in ((a + 1, b), (a - 1, b), (a, b + 1), (a, b - 1)):
            if grid.get(cell) == "empty" and cell not in seen:
                seen.add(cell)
                todo.append(cell)
    return seen - {start}


def line(grid, cell, colour):
    """The longest line of one colour that a ball of that colour on the cell would make."""
    best = 0
    for da, db in ((1, 0), (0, 1), (1, 1), (1, -1)):
        length = 1
        for sign in (1, -1):
            a, b = cell
            while grid.get((a := a + da * sign, b := b + db * sign)) == colour:
                length += 1
        best = max(best, length)
    return best
