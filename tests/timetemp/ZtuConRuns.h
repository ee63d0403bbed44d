// What the tests of the two continuous ZTU lessons' runs share: a cooling run played tick by tick
// without a form, on PaintBoxLog's 348 × 274 pixels, and the check that a curve passes its
// telling points.
#pragma once

#include "diagrams/ZtaZtuDiagram.h"

#include <gtest/gtest.h>
#include <vector>

namespace ztutest {

struct Played {
    int ticks = 0;
    std::vector<wb::TPoint> lines; // LineTo targets
    std::vector<wb::Box> markers;
    std::vector<wb::TColor> fills;
    std::vector<wb::TPoint> labels;
};

inline Played playCooling(const wb::ztaztu::CoolingRun& run)
{
    Played p;
    int x = 0;
    float y = 0;
    while (p.ticks < 1000) {
        ++p.ticks;
        const wb::ztaztu::RunTick t = wb::ztaztu::coolingTick(run, x, y, 274);
        p.lines.insert(p.lines.end(), t.lines, t.lines + t.lineCount);
        if (t.marker) {
            p.markers.push_back(t.markerBox);
            p.fills.push_back(t.marker->fill);
        }
        if (t.ended) {
            for (const wb::ztaztu::RunLabel& label : run.labels)
                p.labels.push_back(wb::ztaztu::labelAt(label, x, y));
            break;
        }
    }
    return p;
}

// Whether `part` occurs in `whole` in this order, not necessarily side by side.
inline ::testing::AssertionResult inOrder(const std::vector<wb::TPoint>& whole, const std::vector<wb::TPoint>& part)
{
    size_t i = 0;
    for (const wb::TPoint& p : whole)
        if (i < part.size() && p == part[i])
            ++i;
    if (i == part.size())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the curve misses (" << part[i].X << ", " << part[i].Y << ")";
}

} // namespace ztutest
