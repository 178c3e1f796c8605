#include "black_runs.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace monocl {

void BlackRuns::reset(int width, int height, bool black)
{
    m_width = width;
    m_height = height;
    const auto rows = static_cast<std::size_t>(std::max(height, 0));
    m_runs.resize(rows * RowCapacity);
    m_counts.assign(rows, black && width > 0 ? 1 : 0);
    if (black && width > 0) {
        for (std::size_t y = 0; y < rows; ++y)
            m_runs[y * RowCapacity] = {0, width - 1};
    }
    m_valid = true;
}

void BlackRuns::paint(int row, int left, int right, bool black)
{
    if (!m_valid)
        return;
    Run* const runs = m_runs.data() + static_cast<std::size_t>(row) * RowCapacity;
    unsigned char& count = m_counts[static_cast<std::size_t>(row)];
    const int n = count;
    // The runs [first, last) meet the span: a black span merges with the runs
    // it overlaps or touches, any other colour cuts away what it overlaps.
    const int reachLeft = black ? left - 1 : left;
    const int reachRight = black ? right + 1 : right;
    int first = 0;
    while (first < n && runs[first].right < reachLeft)
        ++first;
    int last = first;
    while (last < n && runs[last].left <= reachRight)
        ++last;
    // What takes the place of the runs that meet the span: the merged run,
    // or the parts of the outer two that stick out of the span.
    Run pieces[2];
    int kept = 0;
    if (black) {
        pieces[kept++] = {first < last ? std::min(left, runs[first].left) : left,
                          first < last ? std::max(right, runs[last - 1].right) : right};
    } else {
        if (first == last)
            return;
        if (runs[first].left < left)
            pieces[kept++] = {runs[first].left, left - 1};
        if (runs[last - 1].right > right)
            pieces[kept++] = {right + 1, runs[last - 1].right};
    }
    const int m = n - (last - first) + kept;
    if (m > RowCapacity) {
        m_valid = false;
        return;
    }
    // The runs right of the span move to make room or to close the gap.
    std::memmove(runs + first + kept, runs + last, static_cast<std::size_t>(n - last) * sizeof(Run));
    std::copy(pieces, pieces + kept, runs + first);
    count = static_cast<unsigned char>(m);
}

const std::vector<BlackRuns::Span>& BlackRuns::regionAt(int x, int y)
{
    m_region.clear();
    m_pending.clear();
    constexpr int GapsPerRow = RowCapacity + 1;
    m_taken.assign(static_cast<std::size_t>(m_height) * GapsPerRow, 0);

    // Gap k of a row lies left of its run k; the last gap right of the last
    // run. The first and the last gap are empty where a run meets the edge.
    const auto rowRuns = [&](int r) { return m_runs.data() + static_cast<std::size_t>(r) * RowCapacity; };
    const auto gapCount = [&](int r) { return m_counts[static_cast<std::size_t>(r)] + 1; };
    const auto gap = [&](int r, int k) {
        const Run* runs = rowRuns(r);
        const int n = m_counts[static_cast<std::size_t>(r)];
        return Span{r, k == 0 ? 0 : runs[k - 1].right + 1, k == n ? m_width - 1 : runs[k].left - 1};
    };
    const auto take = [&](int r, int k) {
        unsigned char& taken = m_taken[static_cast<std::size_t>(r) * GapsPerRow + static_cast<std::size_t>(k)];
        if (taken)
            return;
        taken = 1;
        m_pending.push_back({r, k, 0});
    };

    // The seed's gap: the one before the first run that does not end left of
    // it, unless that run holds the seed.
    {
        const Run* runs = rowRuns(y);
        const int n = m_counts[static_cast<std::size_t>(y)];
        int k = 0;
        while (k < n && runs[k].right < x)
            ++k;
        if (k < n && runs[k].left <= x)
            return m_region;
        take(y, k);
    }
    while (!m_pending.empty()) {
        const int r = m_pending.back().row;
        const int k = m_pending.back().left;
        m_pending.pop_back();
        const Span span = gap(r, k);
        m_region.push_back(span);
        // The gaps of the rows above and below that share a column with it.
        for (const int next : {r - 1, r + 1}) {
            if (next < 0 || next >= m_height)
                continue;
            const int gaps = gapCount(next);
            for (int j = 0; j < gaps; ++j) {
                const Span other = gap(next, j);
                if (other.left > span.right)
                    break;
                if (other.left <= other.right && other.right >= span.left)
                    take(next, j);
            }
        }
    }
    return m_region;
}

} // namespace monocl
