// Resets every subsystem's running state together.
#include "app/program_state.h"

#include "app/app_state.h"
#include "pet/care.h"
#include "pet/life_clock.h"
#include "pet/pet_record.h"
#include "pet/random.h"
#include "sprite/idle_animations.h"
#include "sprite/pose_table.h"
#include "sprite/walking.h"
#include "storage/settings.h"

void resetProgramState() {
    resetAppState();
    resetPetState();
    resetSettings();
    resetRandom();
    resetPose();
    resetIdleAnimations();
    resetWalking();
    resetCareSequences();
    resetLifeClock();
}
