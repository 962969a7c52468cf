// The language the rabbit speaks from its start.
#include "windows/language_choice.h"

#include "windows/chosen_preferences.h"
#include "windows/language_resources.h"

void speakChosenLanguage() {
    setCurrentLanguage(chosenPreferences().language.value_or(displayLanguage()));
}
