#pragma once

#include <span>
#include <vector>

namespace monocl {

// Which pixels of a canvas are black, row by row: each row holds its black
// columns as sorted runs that neither overlap nor touch. The canvas paints
// every span through it, so the record stays in step with the pixels, and a
// fill bounded by black can then walk a few runs a row instead of every
// pixel.
//
// A row has room for a fixed number of runs. A paint that would need more
// leaves the record invalid: it says nothing more until the whole surface is
// painted in one colour again.
class BlackRuns {
public:
    // A row's span of columns, both ends included.
    struct Span {
        int row;
        int left;
        int right;
    };

    // The room of one row. A sketch needs five runs at most: the arcs' two
    // sides each and the rim.
    static constexpr int RowCapacity = 16;

    // A surface of the given size, all of one colour, black or not.
    void reset(int width, int height, bool black);

    bool valid() const { return m_valid; }
    void invalidate() { m_valid = false; }

    // Records that the columns [left, right] of the row were painted, black
    // or in another colour. The span must lie on the surface.
    void paint(int row, int left, int right, bool black);

    // The black runs of a row, left to right, as spans of that row.
    struct Run {
        int left;
        int right;
    };
    std::span<const Run> runsOf(int row) const
    {
        return {m_runs.data() + static_cast<std::size_t>(row) * RowCapacity, m_counts[static_cast<std::size_t>(row)]};
    }

    // The spans of the 4-connected region of non-black pixels that holds
    // (x, y), in no particular order; empty when that pixel is black. Needs a
    // valid record and a point on the surface. The result lives until the
    // next call.
    const std::vector<Span>& regionAt(int x, int y);

private:
    int m_width = 0;
    int m_height = 0;
    bool m_valid = false;
    std::vector<Run> m_runs;          // RowCapacity a row
    std::vector<unsigned char> m_counts; // runs in use a row
    // Scratch of regionAt: the gaps already taken, RowCapacity + 1 a row,
    // the gaps still to visit, and the answer.
    std::vector<unsigned char> m_taken;
    std::vector<Span> m_pending;
    std::vector<Span> m_region;
};

} // namespace monocl
