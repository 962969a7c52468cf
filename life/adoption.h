// Adoption: a fresh rabbit with its default needs, on the menu command "領養兔子".
#pragma once

// Makes a fresh rabbit, enables the care commands, saves and reports the birth.
void adoptRabbit();
// Menu command "領養兔子": asks first when a rabbit exists; the new rabbit's life
// clock starts at once.
void commandAdopt();
