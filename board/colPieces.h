#pragma once

#include "board/clsPath.h"
#include "board/clsPiece.h"

#include <cstdint>
#include <memory>
#include <vector>

// The board: its cells in cell-index order (column by column, top to bottom), with the
// whole-board questions and the route search. Cells are shared, so one handed out stays valid
// for its holder after the board lets go of it.
class colPieces {
public:
    using Cells = std::vector<std::shared_ptr<clsPiece>>;

    std::shared_ptr<clsPiece> Add(int32_t Left, int32_t Top, int32_t Bottom, int32_t Right,
                                  int32_t Row, int32_t Col);
    const std::shared_ptr<clsPiece>& Item(int32_t vntIndexKey) const {
        if (vntIndexKey < 1 || vntIndexKey > Count()) {
            ThrowOutOfRange();
        }
        return mcolCells[static_cast<size_t>(vntIndexKey - 1)];
    }
    int32_t Count() const { return static_cast<int32_t>(mcolCells.size()); }
    void RemoveAll();
    void Remove(int32_t vntIndexKey);
    const Cells& NewEnum() const { return mcolCells; }
    int32_t GetSelectedPieceIndex() const;
    int32_t PopulatedPieceCount() const;
    int32_t SelectedPieceCount() const;
    bool FindRoute(int32_t lngID, int32_t lngSelectedPieceIndex);
    void BuildRoutes();

private:
    [[noreturn]] static void ThrowOutOfRange();

    Cells mcolCells;
    clsPath mclsSearchPath;
};
