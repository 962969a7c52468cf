// Every text the program shows at run time, in each language it speaks. The menus and
// dialogs are the resource script's, one block per language; these are the rest.
#pragma once

#include <initializer_list>
#include <string>

#include "language/language.h"

enum class TextId {
    // The rabbit's menu, retitled by free activity.
    FREE_ACTIVITY,
    STOP_ACTIVITY,
    // Adoption.
    BORN,
    ADOPT_CAPTION,
    ADOPT_AGAIN,
    DEFAULT_NAME,
    // The life clock.
    DIED,
    DIED_CAPTION,
    HUNGRY,
    HUNGRY_CAPTION,
    THIRSTY,
    THIRSTY_CAPTION,
    BIRTHDAY,
    BIRTHDAY_CAPTION,
    // Care.
    FOOD_FULL,
    NO_CARROTS,
    FEED_CAPTION,
    WATER_FULL,
    NO_WATER,
    LABOUR_REFUSED,
    LABOUR_CAPTION,
    ATE_FILL,
    ATE_FILL_CAPTION,
    ATE_HAPPILY,
    ATE_CAPTION,
    DRANK_FILL,
    DRANK_HAPPILY,
    DRANK_CAPTION,
    EXHAUSTED,
    EXHAUSTED_CAPTION,
    TOO_TIRED,
    TOO_TIRED_CAPTION,
    REWARD_TWO_CARROTS,
    REWARD_ONE_CARROT,
    REWARD_TWO_BOTTLES,
    REWARD_ONE_BOTTLE,
    REWARD_NONE,
    // The grade.
    GRADE_ANGEL,
    GRADE_DEVIL,
    GRADE_CARED,
    GRADE_SAD,
    GRADE_GOOD,
    GRADE_HUNGRY,
    GRADE_BABY,
    // The status dialog.
    AGE,
    NAME_REFUSED_TITLE,
    NAME_CHARACTER_REFUSED,
    NAME_TOO_LONG,
    // The files.
    WARNING_CAPTION,
    SAVE_READ_ERROR,
    SAVE_WRITE_ERROR,
    SETTINGS_WRITE_ERROR,
    // Start with Windows.
    AUTO_START_STAYS,
    // The notification icon's menu.
    TRAY_SHOW,
    TRAY_LANGUAGE,
    TRAY_MAIN_MENU,
    // The hotkey dialog.
    HOTKEY_TAKEN,
    HOTKEY_TAKEN_BOX,
    HOTKEY_KEY_REFUSED,
    // Picture sets: the menu, its boxes and what makes a set unusable.
    SKIN_MENU,
    SKIN_BUILT_IN,
    SKIN_EXPORT,
    SKIN_CAPTION,
    SKIN_UNUSABLE,
    SKIN_NAME_NOT_PLAIN,
    SKIN_NO_FOLDER,
    SKIN_NO_PICTURES,
    SKIN_TWO_FILES,
    SKIN_TOO_LARGE,
    SKIN_NOT_A_PICTURE,
    SKIN_WRONG_SIZE,
    SKIN_EXPORTED,
    SKIN_EXPORT_FAILED,
    // The template's README.txt: its rules, and what the pictures of each activity show.
    TEMPLATE_README,
    SHOWS_STANDING,
    SHOWS_BLINK,
    SHOWS_WALK_LEFT,
    SHOWS_WALK_RIGHT,
    SHOWS_EATING,
    SHOWS_DRINKING,
    SHOWS_LABOUR,
    SHOWS_FIRST_PLAY,
    SHOWS_SLEEPING,
    SHOWS_SECOND_PLAY,
    SHOWS_STRETCH,
    SHOWS_DOWN_LEFT,
    SHOWS_DOWN_RIGHT,
    // Not a text: how many there are. New texts go above.
    COUNT,
};
constexpr int TEXT_COUNT = static_cast<int>(TextId::COUNT);

// The text in the language spoken now, UTF-8.
const char* text(TextId id);
const char* textIn(Language language, TextId id);

// A blank in a text, "{name}", and what fills it.
struct Blank {
    const char* name;
    std::string value;
};
// The text in the language spoken now with its blanks filled: each language puts the
// rabbit's name, or a number, where its own sentence needs it.
std::string fillIn(TextId id, std::initializer_list<Blank> blanks);
