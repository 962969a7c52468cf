// Taking a picture set into the sprite bank, at start or when chosen.
#include "windows/skin_choice.h"

#include "animation/pose_table.h"
#include "desktop/desktop.h"
#include "language/texts.h"
#include "windows/chosen_preferences.h"
#include "windows/main_window.h"
#include "windows/skin_folder.h"
#include "windows/sprite_bank.h"

namespace {
std::string inUse;

// The set's pictures in the bank, or its problem and the bank as it was.
SetProblem takeSkin(const std::string& name) {
    LoadedSet set;
    if (!name.empty()) {
        set = loadSet(name);
    }
    if (set.problem.fault == SetFault::NONE) {
        replaceSpriteBitmaps(set.pictures);
        inUse = name;
    }
    return set.problem;
}
} // namespace

const std::string& skinInUse() {
    return inUse;
}

void takeRememberedSkin() {
    inUse.clear();
    if (!chosenPreferences().skin.empty()) {
        takeSkin(chosenPreferences().skin);
    }
}

bool wearSkin(const std::string& name) {
    const SetProblem problem = takeSkin(name);
    if (problem.fault != SetFault::NONE) {
        showReport(describeProblem(name, problem), text(TextId::SKIN_CAPTION));
        return false;
    }
    rebuildSpriteRegions(mainWindow);
    applySpriteRegion(shownPicture());
    return true;
}
