// The texts in English, written for the rabbit rather than word for word.
#include "language/text_table.h"

namespace {
const TextEntry entries[] = {
    {TextId::FREE_ACTIVITY, "Wa&nder"},
    {TextId::STOP_ACTIVITY, "Stop Wa&ndering"},

    {TextId::BORN, "A sweet baby rabbit is born!\nYou can give it a name in its Status window."},
    {TextId::ADOPT_CAPTION, "Adopt a Rabbit"},
    {TextId::ADOPT_AGAIN, "Do you want to adopt a new rabbit?"},
    {TextId::DEFAULT_NAME, "Bunny"},

    {TextId::DIED, "{name} went too long without food or water, and died!"},
    {TextId::DIED_CAPTION, "Your Rabbit Died"},
    {TextId::HUNGRY, "{name} is very hungry. Feed it soon, or it will die!"},
    {TextId::HUNGRY_CAPTION, "Hungry"},
    {TextId::THIRSTY, "{name} is very thirsty. Give it water soon, or it will die."},
    {TextId::THIRSTY_CAPTION, "Thirsty"},
    {TextId::BIRTHDAY,
     "{name} is a year older, and has grown:\nMost food +10   Most water +10\nMost stamina +10"},
    {TextId::BIRTHDAY_CAPTION, "Birthday"},

    {TextId::FOOD_FULL, "{name} is full. No need to feed it."},
    {TextId::NO_CARROTS, "You have no carrots to feed {name}!"},
    {TextId::FEED_CAPTION, "Feed the Rabbit"},
    {TextId::WATER_FULL, "{name} isn't thirsty. No need for water."},
    {TextId::NO_WATER, "You have no water. What would it drink?"},
    {TextId::LABOUR_REFUSED, "Don't be so cruel! {name} has no strength left."},
    {TextId::LABOUR_CAPTION, "Work"},
    {TextId::ATE_FILL, "{name} has eaten its fill!"},
    {TextId::ATE_FILL_CAPTION, "Full"},
    {TextId::ATE_HAPPILY, "{name} enjoyed the meal!"},
    {TextId::ATE_CAPTION, "Eating"},
    {TextId::DRANK_FILL, "{name} has drunk its fill!"},
    {TextId::DRANK_HAPPILY, "{name} is happy after a drink!"},
    {TextId::DRANK_CAPTION, "Drinking"},
    {TextId::EXHAUSTED, "{name} is too tired to work and earned nothing. Let it rest more!"},
    {TextId::EXHAUSTED_CAPTION, "Tired Rabbit"},
    {TextId::TOO_TIRED, "{name} is very tired!\nHaving to work on makes it unhappy!"},
    {TextId::TOO_TIRED_CAPTION, "Rabbit at Work"},
    {TextId::REWARD_TWO_CARROTS, "{name} worked hard and earned two carrots!"},
    {TextId::REWARD_ONE_CARROT, "{name} worked hard and earned a carrot!"},
    {TextId::REWARD_TWO_BOTTLES, "{name} worked especially hard and earned two bottles of water!"},
    {TextId::REWARD_ONE_BOTTLE, "{name} worked hard and earned a bottle of water!"},
    {TextId::REWARD_NONE, "{name} worked, but not hard enough to earn anything."},

    {TextId::GRADE_ANGEL, "Raised into an angel rabbit"},
    {TextId::GRADE_DEVIL, "Raised into a devil rabbit"},
    {TextId::GRADE_CARED, "Loved and cared for by its owner"},
    {TextId::GRADE_SAD, "Poorly looked after, and very sad"},
    {TextId::GRADE_GOOD, "Well looked after, and very good"},
    {TextId::GRADE_HUNGRY, "Underfed, it keeps running off"},
    {TextId::GRADE_BABY, "Still a baby: look after it well"},

    {TextId::AGE, "{years} yr {months} mo"},
    {TextId::NAME_REFUSED_TITLE, "Not Allowed in a Name"},
    {TextId::NAME_CHARACTER_REFUSED,
     "A name can only use characters of Big5: Traditional Chinese, English letters and digits."},
    {TextId::NAME_TOO_LONG, "A name holds at most 16 letters, or 8 Chinese characters."},

    {TextId::WARNING_CAPTION, "Warning"},
    {TextId::SAVE_READ_ERROR, "The save file rabbit.dat could not be read!"},
    {TextId::SAVE_WRITE_ERROR, "The save file rabbit.dat could not be written!"},
    {TextId::SETTINGS_WRITE_ERROR, "The settings file varnok.ini could not be written!"},

    {TextId::TRAY_SHOW, "&Show Rabbit"},
    {TextId::TRAY_LANGUAGE, "&Language"},
    {TextId::TRAY_MAIN_MENU, "&Main Menu"},

    {TextId::HOTKEY_TAKEN, " (in use by another program)"},
    {TextId::HOTKEY_TAKEN_BOX,
     "Another program already uses these keys. The hotkey stays as it was."},
    {TextId::HOTKEY_KEY_REFUSED,
     "A hotkey needs Ctrl, Alt or Win and one of the keys A to Z, 0 to 9 or F1 to F24 but F12."},
};
} // namespace

const TextTable englishTexts = {entries, sizeof entries / sizeof entries[0]};
