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
    // The notification icon's menu.
    TRAY_SHOW,
    TRAY_LANGUAGE,
    TRAY_MAIN_MENU,
    // The hotkey dialog.
    HOTKEY_TAKEN,
    HOTKEY_TAKEN_BOX,
    HOTKEY_KEY_REFUSED,
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
