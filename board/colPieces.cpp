#include "board/colPieces.h"

#include "board/BoardGeometry.h"

#include <algorithm>
#include <stdexcept>

std::shared_ptr<clsPiece> colPieces::Add(int32_t Left, int32_t Top, int32_t Bottom, int32_t Right,
                                         int32_t Row, int32_t Col) {
    auto cell = std::make_shared<clsPiece>();
    cell->setLeft(Left);
    cell->setTop(Top);
    cell->setBottom(Bottom);
    cell->setRight(Right);
    cell->setRow(Row);
    cell->setCol(Col);
    mcolCells.push_back(cell);
    return cell;
}

void colPieces::ThrowOutOfRange() {
    throw std::out_of_range("no cell at this index");
}

void colPieces::RemoveAll() {
    while (!mcolCells.empty()) {
        mcolCells.pop_back();
    }
}

void colPieces::Remove(int32_t vntIndexKey) {
    Slot(vntIndexKey); // the same range check
    mcolCells.erase(mcolCells.begin() + (vntIndexKey - 1));
}

int32_t colPieces::GetSelectedPieceIndex() const {
    const int32_t count = Count();
    for (int32_t i = 1; i <= count; ++i) {
        if (Cell(i).Selected()) {
            return i;
        }
    }
    return 0;
}

int32_t colPieces::PopulatedPieceCount() const {
    return static_cast<int32_t>(std::count_if(mcolCells.begin(), mcolCells.end(),
                                              [](const auto& cell) { return cell->Populated(); }));
}

int32_t colPieces::SelectedPieceCount() const {
    return static_cast<int32_t>(std::count_if(mcolCells.begin(), mcolCells.end(),
                                              [](const auto& cell) { return cell->Selected(); }));
}

bool colPieces::FindRoute(int32_t lngID, int32_t lngSelectedPieceIndex) {
    // A depth-first walk over the route links. The target is recognised as a link of the cell
    // being examined; at a dead end the walk backs up through the visit list in the reverse
    // order the cells were first reached, so it returns to the start only when every reachable
    // cell has been examined.
    const int32_t target = lngSelectedPieceIndex;
    mclsSearchPath.Clear();
    int32_t current = lngID;
    mclsSearchPath.Add(current);
    for (;;) {
        const clsPiece& cell = Cell(current);
        const int32_t links[] = {cell.AdjacentBottom(), cell.AdjacentTop(), cell.AdjacentLeft(),
                                 cell.AdjacentRight()};
        if (std::find(std::begin(links), std::end(links), target) != std::end(links)) {
            return true;
        }
        const auto next = std::find_if(std::begin(links), std::end(links), [&](int32_t link) {
            return link > -1 && !mclsSearchPath.IsInPath(link);
        });
        if (next != std::end(links)) {
            current = *next;
            mclsSearchPath.Add(current);
            continue;
        }
        if (current == lngID) {
            return false;
        }
        if (mclsSearchPath.Position() > 1) {
            mclsSearchPath.setPosition(mclsSearchPath.Position() - 1);
        }
        current = mclsSearchPath.GetPoint(mclsSearchPath.Position());
    }
}

void colPieces::BuildRoutes() {
    const int32_t count = Count();
    auto emptyAt = [&](int32_t index) { return !Cell(index).Populated(); };
    for (int32_t i = 1; i <= count; ++i) {
        clsPiece& c = Cell(i);
        c.setAdjacentTop(c.Row() > 1 && emptyAt(i - 1) ? i - 1 : -1);
        c.setAdjacentBottom(c.Row() < BOARD_SIDE && emptyAt(i + 1) ? i + 1 : -1);
        c.setAdjacentLeft(c.Col() > 1 && emptyAt(i - BOARD_SIDE) ? i - BOARD_SIDE : -1);
        c.setAdjacentRight(c.Col() < BOARD_SIDE && emptyAt(i + BOARD_SIDE) ? i + BOARD_SIDE : -1);
    }
}
