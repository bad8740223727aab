#pragma once

#include "board/clsPath.h"
#include "board/clsPiece.h"

#include <cstdint>
#include <memory>
#include <vector>

// The board: its cells in cell-index order (column by column, top to bottom), with the
// whole-board questions and the route search. Indexing and range-for go through the cells in
// that order.
class colPieces {
public:
    using Cells = std::vector<std::shared_ptr<clsPiece>>;

    std::shared_ptr<clsPiece> Add(int32_t Left, int32_t Top, int32_t Bottom, int32_t Right,
                                  int32_t Row, int32_t Col);
    // A shared owner of the cell, so it stays valid for its holder after the board lets go.
    std::shared_ptr<clsPiece> Item(int32_t vntIndexKey) const { return Slot(vntIndexKey); }
    std::shared_ptr<clsPiece> operator[](int32_t vntIndexKey) const { return Item(vntIndexKey); }
    int32_t Count() const { return static_cast<int32_t>(mcolCells.size()); }
    void RemoveAll();
    void Remove(int32_t vntIndexKey);
    const Cells& NewEnum() const { return mcolCells; }
    Cells::const_iterator begin() const { return mcolCells.begin(); }
    Cells::const_iterator end() const { return mcolCells.end(); }
    int32_t GetSelectedPieceIndex() const;
    int32_t PopulatedPieceCount() const;
    int32_t SelectedPieceCount() const;
    bool FindRoute(int32_t lngID, int32_t lngSelectedPieceIndex);
    void BuildRoutes();

private:
    [[noreturn]] static void ThrowOutOfRange();
    const std::shared_ptr<clsPiece>& Slot(int32_t vntIndexKey) const {
        if (vntIndexKey < 1 || vntIndexKey > Count()) {
            ThrowOutOfRange();
        }
        return mcolCells[static_cast<size_t>(vntIndexKey - 1)];
    }
    // The board's own passes over its cells need no share of them.
    clsPiece& Cell(int32_t vntIndexKey) const { return *Slot(vntIndexKey); }

    Cells mcolCells;
    clsPath mclsSearchPath;
};
