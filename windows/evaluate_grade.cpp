// Works out the grade afresh from the points and loads its picture.
#include "windows/evaluate_grade.h"

#include "rabbit/grade.h"
#include "rabbit/pet_record.h"
#include "windows/main_window.h"

std::string gradeText;
HBITMAP gradeBitmap;

void evaluateGrade() {
    const Grade grade = gradeFor(gradePoints.devilPoints, gradePoints.angelPoints);
    gradeText = grade.text;
    gradeBitmap = LoadBitmapW(appInstance, MAKEINTRESOURCEW(grade.bitmapId));
}
