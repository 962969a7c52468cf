// The texts in English, written for the rabbit rather than word for word.
#include "language/text_table.h"

namespace {
const TextEntry entries[] = {
    {TextId::FREE_ACTIVITY, "Wa&nder"},
    {TextId::STOP_ACTIVITY, "Stop Wa&ndering"},

    {TextId::BORN, "A sweet baby rabbit is born!\nYou can give it a name in the Status window."},
    {TextId::ADOPT_CAPTION, "Adopt a Rabbit"},
    {TextId::ADOPT_AGAIN, "Do you want to adopt a new rabbit?"},
    {TextId::DEFAULT_NAME, "Bunny"},

    {TextId::DIED, "{name} went too long without food or water and has died."},
    {TextId::DIED_CAPTION, "Your Rabbit Has Died"},
    {TextId::HUNGRY, "{name} is very hungry. Feed it soon, or it will die."},
    {TextId::HUNGRY_CAPTION, "Hungry"},
    {TextId::THIRSTY, "{name} is very thirsty. Give it water soon, or it will die."},
    {TextId::THIRSTY_CAPTION, "Thirsty"},
    {TextId::BIRTHDAY,
     "{name} is a year older and has grown:\nMax food +10   Max water +10\nMax stamina +10"},
    {TextId::BIRTHDAY_CAPTION, "Birthday"},

    {TextId::FOOD_FULL, "{name} is full. No need to feed it."},
    {TextId::NO_CARROTS, "You have no carrots to feed {name}."},
    {TextId::FEED_CAPTION, "Food & Drink"},
    {TextId::WATER_FULL, "{name} isn't thirsty. No need for water."},
    {TextId::NO_WATER, "You have no water to give your rabbit."},
    {TextId::LABOUR_REFUSED, "Don't be so cruel! {name} has no strength left."},
    {TextId::LABOUR_CAPTION, "Work"},
    {TextId::ATE_FILL, "{name} has eaten its fill!"},
    {TextId::ATE_FILL_CAPTION, "Full"},
    {TextId::ATE_HAPPILY, "{name} enjoyed the meal!"},
    {TextId::ATE_CAPTION, "Eating"},
    {TextId::DRANK_FILL, "{name} has drunk its fill!"},
    {TextId::DRANK_HAPPILY, "{name} enjoyed the drink!"},
    {TextId::DRANK_CAPTION, "Drinking"},
    {TextId::EXHAUSTED, "{name} was too tired to work and earned nothing. Let it rest more!"},
    {TextId::EXHAUSTED_CAPTION, "Tired Rabbit"},
    {TextId::TOO_TIRED, "{name} is very tired!\nMaking it work anyway has made it unhappy."},
    {TextId::TOO_TIRED_CAPTION, "Overworked"},
    {TextId::REWARD_TWO_CARROTS, "{name} worked hard and earned two carrots!"},
    {TextId::REWARD_ONE_CARROT, "{name} worked hard and earned a carrot!"},
    {TextId::REWARD_TWO_BOTTLES, "{name} worked especially hard and earned two bottles of water!"},
    {TextId::REWARD_ONE_BOTTLE, "{name} worked hard and earned a bottle of water!"},
    {TextId::REWARD_NONE, "{name} worked, but not hard enough to earn anything."},

    {TextId::GRADE_ANGEL, "Raised to be an angel rabbit"},
    {TextId::GRADE_DEVIL, "Raised to be a devil rabbit"},
    {TextId::GRADE_CARED, "Loved and cared for by its owner"},
    {TextId::GRADE_SAD, "Poorly cared for and very sad"},
    {TextId::GRADE_GOOD, "Well cared for and well behaved"},
    {TextId::GRADE_HUNGRY, "Underfed, it often runs away"},
    {TextId::GRADE_BABY, "Still a baby: care for it well"},

    {TextId::AGE, "{years} yr {months} mo"},
    {TextId::NAME_REFUSED_TITLE, "Not Allowed in a Name"},
    {TextId::NAME_CHARACTER_REFUSED,
     "A name can only use characters in the Big5 character set: Traditional Chinese "
     "characters, English letters and digits."},
    {TextId::NAME_TOO_LONG, "A name can be at most 16 letters or 8 Chinese characters long."},

    {TextId::WARNING_CAPTION, "Warning"},
    {TextId::SAVE_READ_ERROR, "The save file rabbit.dat could not be read."},
    {TextId::SAVE_WRITE_ERROR, "The save file rabbit.dat could not be written."},
    {TextId::SETTINGS_WRITE_ERROR, "The settings file varnok.ini could not be written."},
    {TextId::AUTO_START_STAYS, "The rabbit starts with Windows for every user of this computer. "
                               "To stop that, run it once as administrator and clear this check box."},

    {TextId::TRAY_SHOW, "&Show Rabbit"},
    {TextId::TRAY_LANGUAGE, "&Language"},
    {TextId::TRAY_MAIN_MENU, "&Main Menu"},

    {TextId::HOTKEY_TAKEN, " (in use by another program)"},
    {TextId::HOTKEY_TAKEN_BOX,
     "These keys are already in use by another program. The hotkey has not been changed."},
    {TextId::HOTKEY_KEY_REFUSED,
     "A hotkey needs Ctrl, Alt or Win, and one of the keys A to Z, 0 to 9 or F1 to F24 "
     "(except F12)."},

    {TextId::SKIN_MENU, "&Appearance"},
    {TextId::SKIN_BUILT_IN, "&Default"},
    {TextId::SKIN_EXPORT, "&Export Template…"},
    {TextId::SKIN_CAPTION, "Appearance"},
    {TextId::SKIN_UNUSABLE,
     "The picture set \"{set}\" can't be used: {problem}\nThe rabbit keeps its current look."},
    {TextId::SKIN_NAME_NOT_PLAIN, "that is not the name of a folder in the skins folder."},
    {TextId::SKIN_NO_FOLDER, "there is no such folder in the skins folder."},
    {TextId::SKIN_NO_PICTURES,
     "the folder contains none of the pictures 133.png to 166.png (or .bmp)."},
    {TextId::SKIN_TWO_FILES,
     "{file} and {other} are two files for the same picture; keep only one."},
    {TextId::SKIN_TOO_LARGE, "{file} is larger than 1 MB."},
    {TextId::SKIN_NOT_A_PICTURE, "{file} is not a readable PNG or BMP picture."},
    {TextId::SKIN_WRONG_SIZE, "{file} is {width} x {height} pixels; it must be {wantedWidth} x "
                              "{wantedHeight}, the size of the template's picture."},
    {TextId::SKIN_EXPORTED,
     "The template has been saved to:\n{folder}\nCopy that folder under a new name, paint "
     "over its pictures, then choose it under Appearance."},
    {TextId::SKIN_EXPORT_FAILED, "{file} could not be written: the template is incomplete."},

    {TextId::TEMPLATE_README,
     "[English]\n"
     "\n"
     "This is the template of a picture set for the Varnok rabbit: its 34 pictures,\n"
     "one file each, named by the picture's number.\n"
     "\n"
     "To make a rabbit of your own:\n"
     "1. Copy the template folder within the skins folder and give the copy a name\n"
     "   of your own, such as winter.\n"
     "2. Paint over the pictures in any drawing program and save them as PNG (or as\n"
     "   BMP under the same number). Delete the ones you don't change: the rabbit\n"
     "   uses its own pictures for those.\n"
     "3. Right-click the rabbit's icon in the notification area, choose Appearance,\n"
     "   then your folder. After painting more, choose it again to see the changes.\n"
     "\n"
     "Size: each picture must keep the size of the template's picture of its number\n"
     "(width x height in pixels, listed below), and no file may be larger than 1 MB.\n"
     "Background: the color of a picture's top-left pixel is its background, and\n"
     "every pixel of that color is transparent (pure green in the template). In a\n"
     "PNG with transparency, pixels less than half opaque (alpha below 128) are\n"
     "transparent too. The rabbit's window takes the shape of the pixels left.\n"
     "Give 133 and 146 the same outline: after a blink the rabbit shows 146 in\n"
     "133's outline.\n"
     "A single picture that breaks these rules makes the whole set unusable; the\n"
     "rabbit then says which file is wrong and why.\n"
     "\n"
     "What each number shows, in the order they play:"},
    {TextId::SHOWS_STANDING, "standing, front view"},
    {TextId::SHOWS_BLINK, "blinking: eyes wide open"},
    {TextId::SHOWS_WALK_LEFT, "walking left"},
    {TextId::SHOWS_WALK_RIGHT, "walking right"},
    {TextId::SHOWS_EATING, "eating: a carrot held to its mouth"},
    {TextId::SHOWS_DRINKING, "drinking from a bottle"},
    {TextId::SHOWS_LABOUR, "working: unclogging a toilet with a plunger"},
    {TextId::SHOWS_FIRST_PLAY,
     "first play: bending forward step by step, a small yellow puddle behind it in the last two"},
    {TextId::SHOWS_SLEEPING, "sleeping: a close-up of its sleeping face, with Z's"},
    {TextId::SHOWS_SECOND_PLAY, "second play: bowing forward in five steps"},
    {TextId::SHOWS_STRETCH,
     "stretching: mouth open, mouth wide open, rubbing its eyes, then standing again (146)"},
    {TextId::SHOWS_DOWN_LEFT, "moving down and left"},
    {TextId::SHOWS_DOWN_RIGHT, "moving down and right"},
};
} // namespace

const TextTable englishTexts = {entries, sizeof entries / sizeof entries[0]};
