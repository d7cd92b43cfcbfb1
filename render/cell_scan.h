#pragma once
// The view-triangle cell scan: every grid cell whose square meets the inside of the view triangle,
// each once, rows from north to south and cells from west to east within a row. Drawing order does
// not depend on it, since the polygons are depth-sorted afterwards; it only has to find every cell
// that may be seen without visiting one twice.
#include <cstdint>

// A point of the grid plane in 22.10 grid coordinates: a cell is 1024 wide.
struct SScanPoint {
    int32_t x = 0;
    int32_t y = 0;
};

class SCellVisitor {
public:
    virtual void VisitCell(int32_t x, int32_t y) = 0;

protected:
    ~SCellVisitor() = default;
};

// One side of the triangle, followed from the top vertex down to the bottom one: the left side
// bounds the columns of a row from below, the right side from above. Each row's bound comes from
// the exact crossing of the side with the row's two boundaries and from a corner the side turns at
// inside the row, so that neither a cell the triangle only touches nor one it enters by less than
// a unit is decided by rounding.
class GridEdgeWalker {
public:
    // The chain of two or three vertices from the top to the bottom.
    void Init(const SScanPoint* chain, int count);
    // The bound of the row between the last y the walker stood at and y (further down): the
    // first column of the row when the walker follows the triangle's left side, the last when it
    // follows the right side.
    int32_t StepLeft(int32_t y) { return step(y, true); }
    int32_t StepRight(int32_t y) { return step(y, false); }
    // The column bound of a point x + numerator / denominator (denominator > 0): the left bound is
    // the column holding the point; the right bound the last column starting before it, which
    // differs when the point lies on a column boundary.
    static int32_t RoundX(int64_t numerator, int64_t denominator, bool left);

private:
    int32_t step(int32_t y, bool left);
    int32_t columnAt(int32_t y, bool left) const;

    const SScanPoint* m_chain = nullptr;
    int m_count = 0;
    int m_edge = 0;  // the edge from vertex m_edge to m_edge + 1
    bool m_started = false;
    int32_t m_lastColumn = 0;
};

// Visits the cells of the triangle; a triangle without an inside visits none.
void ScanViewTriangle(const SScanPoint (&triangle)[3], SCellVisitor& visitor);
