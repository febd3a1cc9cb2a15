#include "core/arrange/geometry.h"

#include <algorithm>

namespace zumbrel::arrange {
namespace {

long overlap(const Box& a, const Box& b) {
    const long w = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long h = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int clampAxis(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

}  // namespace

const Box& screenOf(const Screens& screens, const Box& window) {
    for (const Box& s : screens) {
        if (s.contains(window.centre())) return s;
    }
    const Box* best = &screens.front();
    long most = 0;
    for (const Box& s : screens) {
        if (const long o = overlap(s, window); o > most) {
            most = o;
            best = &s;
        }
    }
    return *best;
}

Box clampInto(const Box& window, const Box& area) {
    return {clampAxis(window.left, window.width, area.left, area.width),
            clampAxis(window.top, window.height, area.top, area.height), window.width,
            window.height};
}

}  // namespace zumbrel::arrange
