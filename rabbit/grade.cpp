// The grade: a line of text and a picture chosen by the sum and balance of the points.
#include "rabbit/grade.h"

#include "rabbit/wrap32.h"
#include "res/resource.h"

namespace {
struct GradeRow {
    uint32_t lowestLevel;
    bool angelLeads;
    Grade grade;
};

// A level read as unsigned puts a negative sum from a tampered file among the finished
// grades; equal counts count as devil.
const GradeRow gradeTable[] = {
    {10, true, {"兔子被培育成天使兔", IDB_GRADE_ANGEL}},
    {10, false, {"兔子被培育成魔鬼兔", IDB_GRADE_DEVIL}},
    {4, true, {"兔子得到主人的細心照料", IDB_GRADE_CARED}},
    {4, false, {"照顧不周﹐兔子很悲傷", IDB_GRADE_SAD}},
    {1, true, {"兔子得到細心照料﹐很乖巧", IDB_GRADE_GOOD}},
    {1, false, {"兔子吃不飽，不時去流浪", IDB_GRADE_HUNGRY}},
};

const Grade babyGrade = {"現在是兔寶寶，細心照料哦", IDB_GRADE_BABY};
} // namespace

Grade gradeFor(int32_t devilPoints, int32_t angelPoints) {
    const int32_t level = wrapAdd(devilPoints, angelPoints) / 100;
    // The counts are compared unsigned like the level, so a tampered negative devil
    // count cannot make the angel lead.
    const bool angelLeads = static_cast<uint32_t>(devilPoints) < static_cast<uint32_t>(angelPoints);
    for (const GradeRow& row : gradeTable) {
        if (static_cast<uint32_t>(level) >= row.lowestLevel && row.angelLeads == angelLeads) {
            return row.grade;
        }
    }
    // Under a hundred points the rabbit is a baby, whoever leads.
    return babyGrade;
}
