// Choosing the language the rabbit speaks.
#include "windows/language_choice.h"

#include "preferences/preferences.h"
#include "windows/language_resources.h"
#include "windows/preferences_file.h"
#include "windows/rabbit_menu.h"

void speakChosenLanguage() {
    setCurrentLanguage(preferences.language.value_or(displayLanguage()));
}

void switchLanguage(Language language) {
    // Choosing the language Windows asks for is a choice too: it stays when Windows changes.
    if (preferences.language == language) {
        return;
    }
    preferences.language = language;
    setCurrentLanguage(language);
    reloadRabbitMenu();
    savePreferences();
}
