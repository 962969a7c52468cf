// The grade as the status dialog shows it: its text and its picture.
#pragma once

#include <windows.h>

#include <string>

// UTF-8.
extern std::string gradeText;
// Loaded by evaluateGrade; whoever shows it deletes it, evaluateGrade never does.
extern HBITMAP gradeBitmap;
