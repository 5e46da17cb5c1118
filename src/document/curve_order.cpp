// Drawing order of the curves: moves of one curve and the title sorts.
#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "document/curve_operations.h"

namespace ordinax::document {

namespace {

// Halving-gap sort: for each gap from n / 2 down to 1, passes swap the pairs
// out of order at that distance until a pass swaps nothing. `perm` follows
// the curves so the caller can tell whether anything moved.
void gapSort(std::vector<Curve>& curves, std::vector<int>& perm, bool descending) {
    const std::size_t n = curves.size();
    for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (std::size_t i = gap; i < n; ++i) {
                const int order = compareTitles(curves[i - gap].title, curves[i].title);
                if (descending ? order >= 0 : order <= 0) continue;
                std::swap(curves[i - gap], curves[i]);
                std::swap(perm[i - gap], perm[i]);
                swapped = true;
            }
        }
    }
}

template <typename T>
void moveItem(std::vector<T>& v, int from, int to) {
    if (from < to) {
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    } else if (from > to) {
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
    }
}

}  // namespace

int compareTitles(std::string_view a, std::string_view b) {
    // Bytes compared as unsigned values: accented Windows-1252 letters sort
    // after the ASCII ones, and upper case before lower case.
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

OrderResult orderCurves(Diagram& diagram, OrderMove move, int chosen, int selected) {
    const int n = diagram.curveCount();
    std::vector<int> perm(static_cast<std::size_t>(n));
    std::iota(perm.begin(), perm.end(), 0);

    if (move == OrderMove::SortAZ || move == OrderMove::SortZA) {
        gapSort(diagram.curves, perm, move == OrderMove::SortZA);
        const bool changed = !std::is_sorted(perm.begin(), perm.end());
        return {changed, -1, -1};
    }

    if (chosen < 0 || chosen >= n) return {false, selected, -1};
    int target = chosen;
    switch (move) {
        case OrderMove::Top: target = 0; break;
        case OrderMove::Up: target = std::max(chosen - 1, 0); break;
        case OrderMove::Down: target = std::min(chosen + 1, n - 1); break;
        case OrderMove::Bottom: target = n - 1; break;
        default: break;
    }
    moveItem(diagram.curves, chosen, target);
    moveItem(perm, chosen, target);
    // The selection keeps pointing at the same curve after it moved.
    if (selected >= 0 && selected < n)
        selected = static_cast<int>(std::find(perm.begin(), perm.end(), selected) - perm.begin());
    return {target != chosen, selected, target};
}

}  // namespace ordinax::document
