#pragma once

#include <vector>

namespace zumbrel::arrange {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// A window's outer rectangle (its frame), or a screen's area, in desktop pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }  // one past the last column
    int bottom() const { return top + height; }
    Point topLeft() const { return {left, top}; }
    Point centre() const { return {left + width / 2, top + height / 2}; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    Box movedTo(Point p) const { return {p.x, p.y, width, height}; }
    Box movedBy(int dx, int dy) const { return {left + dx, top + dy, width, height}; }
    friend bool operator==(const Box&, const Box&) = default;
};

// The areas windows may use, one per monitor (without panels and docks), the primary first.
using Screens = std::vector<Box>;

// The screen that holds a window: the one under its centre, else the one it overlaps most,
// else the primary. Never called with no screen.
const Box& screenOf(const Screens& screens, const Box& window);

// The window moved (never resized) so that it lies inside the area; a window larger than the
// area keeps its top left corner on the area's.
Box clampInto(const Box& window, const Box& area);

}  // namespace zumbrel::arrange
