// A rectangle on the screen: a window's frame or a monitor.
#pragma once

// In screen pixels or rabbit pixels as its user says; right and bottom lie just outside it.
struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};

inline bool sameRect(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
