// Resets every subsystem's running state together.
#include "life/program_state.h"

#include "animation/idle_animations.h"
#include "animation/perching.h"
#include "animation/pose_table.h"
#include "animation/walking.h"
#include "desktop/running_state.h"
#include "language/language.h"
#include "life/care.h"
#include "life/life_clock.h"
#include "rabbit/pet_record.h"
#include "rabbit/random.h"
#include "rabbit/settings.h"

void resetProgramState() {
    resetRunningState();
    resetPetState();
    resetSettings();
    resetRandom();
    resetPose();
    resetIdleAnimations();
    resetWalking();
    resetPerching();
    resetCareSequences();
    resetLifeClock();
    setCurrentLanguage(Language::TRADITIONAL_CHINESE);
}
