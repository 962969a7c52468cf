// The grade: a line of text and a picture chosen by the sum and balance of the points.
#include "rabbit/grade.h"

#include "language/texts.h"
#include "rabbit/wrap32.h"
#include "res/resource.h"

namespace {
struct GradeRow {
    uint32_t lowestLevel;
    bool angelLeads;
    TextId text;
    int bitmapId;
};

// A level read as unsigned puts a negative sum from a tampered file among the finished
// grades; equal counts count as devil.
const GradeRow gradeTable[] = {
    {10, true, TextId::GRADE_ANGEL, IDB_GRADE_ANGEL},
    {10, false, TextId::GRADE_DEVIL, IDB_GRADE_DEVIL},
    {4, true, TextId::GRADE_CARED, IDB_GRADE_CARED},
    {4, false, TextId::GRADE_SAD, IDB_GRADE_SAD},
    {1, true, TextId::GRADE_GOOD, IDB_GRADE_GOOD},
    {1, false, TextId::GRADE_HUNGRY, IDB_GRADE_HUNGRY},
};
} // namespace

Grade gradeFor(int32_t devilPoints, int32_t angelPoints) {
    const int32_t level = wrapAdd(devilPoints, angelPoints) / 100;
    // The counts are compared unsigned like the level, so a tampered negative devil
    // count cannot make the angel lead.
    const bool angelLeads = static_cast<uint32_t>(devilPoints) < static_cast<uint32_t>(angelPoints);
    for (const GradeRow& row : gradeTable) {
        if (static_cast<uint32_t>(level) >= row.lowestLevel && row.angelLeads == angelLeads) {
            return {text(row.text), row.bitmapId};
        }
    }
    // Under a hundred points the rabbit is a baby, whoever leads.
    return {text(TextId::GRADE_BABY), IDB_GRADE_BABY};
}
