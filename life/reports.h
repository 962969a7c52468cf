// The rabbit's messages: each language puts the rabbit's name where its sentence needs it.
#pragma once

#include <string>

#include "language/texts.h"

// The text in the language spoken now, with the rabbit's name in its place.
std::string aboutRabbit(TextId id);
