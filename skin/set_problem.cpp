// A set's problem in words.
#include "skin/set_problem.h"

#include "language/texts.h"

namespace {
struct FaultText {
    SetFault fault;
    TextId text;
};

const FaultText faultTexts[] = {
    {SetFault::NAME_NOT_PLAIN, TextId::SKIN_NAME_NOT_PLAIN},
    {SetFault::NO_FOLDER, TextId::SKIN_NO_FOLDER},
    {SetFault::NO_PICTURES, TextId::SKIN_NO_PICTURES},
    {SetFault::TWO_FILES, TextId::SKIN_TWO_FILES},
    {SetFault::TOO_LARGE, TextId::SKIN_TOO_LARGE},
    {SetFault::NOT_A_PICTURE, TextId::SKIN_NOT_A_PICTURE},
    {SetFault::WRONG_SIZE, TextId::SKIN_WRONG_SIZE},
};
} // namespace

std::string describeProblem(const std::string& setName, const SetProblem& problem) {
    std::string words;
    for (const FaultText& entry : faultTexts) {
        if (entry.fault == problem.fault) {
            words = fillIn(entry.text, {{"file", problem.file},
                                        {"other", problem.otherFile},
                                        {"width", std::to_string(problem.found.width)},
                                        {"height", std::to_string(problem.found.height)},
                                        {"wantedWidth", std::to_string(problem.wanted.width)},
                                        {"wantedHeight", std::to_string(problem.wanted.height)}});
        }
    }
    return fillIn(TextId::SKIN_UNUSABLE, {{"set", setName}, {"problem", words}});
}
