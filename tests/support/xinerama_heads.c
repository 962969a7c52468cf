/* A stand-in libXinerama.so.1 that reports the monitors named in VARNOK_WINE_MONITORS,
 * "WxH+X+Y,WxH+X+Y,..." in X root coordinates, the first being the main one. Wine asks
 * Xinerama for the monitors when the X server has no RandR, so on an Xvfb started with
 * "-extension RANDR" this library, first on LD_LIBRARY_PATH, lays out Wine's monitors.
 *   gcc -shared -fPIC -o libXinerama.so.1 xinerama_heads.c */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* The layout of Xinerama.h's XineramaScreenInfo; callers free the array with XFree,
 * which is free. */
typedef struct {
    int screen_number;
    short x_org;
    short y_org;
    short width;
    short height;
} XineramaScreenInfo;

typedef struct _XDisplay Display;

/* Parses the heads; returns how many, or 0 when the variable is missing or malformed. */
static int readHeads(XineramaScreenInfo* heads, int room) {
    const char* text = getenv("VARNOK_WINE_MONITORS");
    int count = 0;
    while (text && *text && count < room) {
        int w, h, x, y, used;
        if (sscanf(text, "%dx%d+%d+%d%n", &w, &h, &x, &y, &used) != 4 || w <= 0 || h <= 0) {
            return 0;
        }
        if (heads) {
            heads[count] = (XineramaScreenInfo){count, (short)x, (short)y, (short)w, (short)h};
        }
        count++;
        text += used;
        if (*text == ',') {
            text++;
        } else if (*text) {
            return 0;
        }
    }
    return count;
}

enum { MOST_HEADS = 16 };

int XineramaQueryExtension(Display* display, int* eventBase, int* errorBase) {
    (void)display;
    *eventBase = 0;
    *errorBase = 0;
    return readHeads(NULL, MOST_HEADS) > 0;
}

int XineramaQueryVersion(Display* display, int* major, int* minor) {
    (void)display;
    *major = 1;
    *minor = 1;
    return 1;
}

int XineramaIsActive(Display* display) {
    (void)display;
    return readHeads(NULL, MOST_HEADS) > 0;
}

XineramaScreenInfo* XineramaQueryScreens(Display* display, int* number) {
    (void)display;
    XineramaScreenInfo* heads = malloc(MOST_HEADS * sizeof *heads);
    *number = heads ? readHeads(heads, MOST_HEADS) : 0;
    if (*number == 0) {
        free(heads);
        return NULL;
    }
    return heads;
}
