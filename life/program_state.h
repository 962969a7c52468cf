// Every subsystem's running state at once, for whoever starts a fresh run of the
// rabbit's logic in one process: the tests and the soak.
#pragma once

// As at program start: no rabbit, every sequence idle, the random sequence from its seed,
// Traditional Chinese spoken.
void resetProgramState();
