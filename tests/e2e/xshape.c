/* Prints the bounding shape of an X window as "x y width height" lines, one per
   rectangle, or nothing when the window is not shaped. Usage: xshape WINDOW-ID */
#include <X11/Xlib.h>
#include <X11/extensions/shape.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: xshape WINDOW-ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xshape: cannot open display\n");
        return 1;
    }
    int eventBase, errorBase;
    if (!XShapeQueryExtension(display, &eventBase, &errorBase)) {
        fprintf(stderr, "xshape: no SHAPE extension\n");
        return 1;
    }
    Window window = (Window)strtoul(argv[1], NULL, 0);
    int boundingShaped, clipShaped, xb, yb, xc, yc;
    unsigned int wb, hb, wc, hc;
    if (!XShapeQueryExtents(display, window, &boundingShaped, &xb, &yb, &wb, &hb, &clipShaped, &xc,
                            &yc, &wc, &hc)) {
        fprintf(stderr, "xshape: no such window\n");
        return 1;
    }
    if (boundingShaped) {
        int count = 0, ordering;
        XRectangle* rects = XShapeGetRectangles(display, window, ShapeBounding, &count, &ordering);
        for (int i = 0; i < count; i++)
            printf("%d %d %u %u\n", rects[i].x, rects[i].y, rects[i].width, rects[i].height);
        XFree(rects);
    }
    XCloseDisplay(display);
    return 0;
}
