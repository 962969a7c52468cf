// Hiding and showing the rabbit window. While hidden it is not painted, so it is not
// moved either: showing it paints it, and the paint puts it where its walks have got to.
#include "windows/rabbit_visibility.h"

#include "windows/main_window.h"

bool rabbitHidden() {
    return !IsWindowVisible(mainWindow);
}

void hideRabbit() {
    ShowWindow(mainWindow, SW_HIDE);
}

// Without activating it: a rabbit in ghost mode never takes the focus.
void showRabbit() {
    if (mainWindow != nullptr && rabbitHidden()) {
        ShowWindow(mainWindow, SW_SHOWNA);
    }
}

void toggleRabbitHidden() {
    if (rabbitHidden()) {
        showRabbit();
    } else {
        hideRabbit();
    }
}
