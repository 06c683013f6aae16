// Rectangles made disjoint, in bands, as a paint wants them. Needs no window: any record with
// integer left, top, right and bottom will do (canvas or client pixels).
#pragma once
#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// The union of the rectangles as disjoint rectangles in bands from top to bottom, a band's
// rectangles left to right with its top and bottom: each pixel of the union lies in exactly one.
// A band like the one directly above it only makes that one taller.
template <class Rect>
std::vector<Rect> DisjointBands(const Rect* rects, size_t count) {
    std::vector<int64_t> edges;
    for (size_t i = 0; i < count; ++i) {
        edges.push_back(rects[i].top);
        edges.push_back(rects[i].bottom);
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    std::vector<Rect> bands;
    std::vector<std::pair<int64_t, int64_t>> spans, above;
    size_t aboveStart = 0;  // where the band just above begins in `bands`
    for (size_t e = 0; e + 1 < edges.size(); ++e) {
        const int64_t top = edges[e], bottom = edges[e + 1];
        spans.clear();
        for (size_t i = 0; i < count; ++i)
            if (rects[i].top <= top && rects[i].bottom >= bottom && rects[i].left < rects[i].right)
                spans.emplace_back(rects[i].left, rects[i].right);
        std::sort(spans.begin(), spans.end());
        size_t merged = 0;
        for (const auto& span : spans) {
            if (merged && span.first <= spans[merged - 1].second)
                spans[merged - 1].second = std::max(spans[merged - 1].second, span.second);
            else
                spans[merged++] = span;
        }
        spans.resize(merged);
        if (!spans.empty() && spans == above) {
            for (size_t i = aboveStart; i < bands.size(); ++i)
                bands[i].bottom = decltype(bands[i].bottom)(bottom);
            continue;
        }
        aboveStart = bands.size();
        for (const auto& span : spans) {
            Rect band = {};
            band.left = decltype(band.left)(span.first);
            band.top = decltype(band.top)(top);
            band.right = decltype(band.right)(span.second);
            band.bottom = decltype(band.bottom)(bottom);
            bands.push_back(band);
        }
        above.swap(spans);
    }
    return bands;
}
