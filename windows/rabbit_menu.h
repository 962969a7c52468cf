// The rabbit's own right-click menu in the language spoken now.
#pragma once

#include "language/texts.h"

// Loads it at creation, greyed and titled as the resource has it.
void loadRabbitMenu();
// Loads it again in the language spoken now, every item greyed and retitled as it was.
void reloadRabbitMenu();
// Gives an item a title of its own, which it keeps in every language.
void retitleRabbitMenuItem(int commandId, TextId title);
