// The rename field of the status dialog: at most 16 bytes of code page 950 text, the
// most the save file's name field holds with its terminator, whatever the system's
// own code page.
#pragma once

#include <windows.h>

#include <cstddef>

constexpr std::size_t NAME_FIELD_BYTES = 16;

// Shows the name, at most capacity - 1 bytes of it, as the field's accepted text.
void fillNameField(HWND field, const char* name, std::size_t capacity);
// For the field's EN_CHANGE: an edit that code page 950 cannot hold, or that grows the
// text beyond 16 bytes, is undone, and a balloon on the field says why.
void checkNameField(HWND field);
// For the field's EN_MAXTEXT: typing stopped at the field's length says why too.
void explainNameTooLong(HWND field);
// Copies the accepted text into the name with its terminator; a name still as loaded
// keeps its bytes, even ones code page 950 does not know.
void takeNameField(HWND field, char* name);
