// Hiding the rabbit for a moment (a presentation, a screen share) and showing it again
// in the same place. Its life goes on while it is hidden; every start shows it.
#pragma once

bool rabbitHidden();
void hideRabbit();
// Shows the rabbit if it is hidden; every box and dialog it opens calls this first.
void showRabbit();
void toggleRabbitHidden();
