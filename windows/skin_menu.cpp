// The submenu of the rabbit's looks: built afresh with the sets of the moment, and its commands.
#include "windows/skin_menu.h"

#include <string>
#include <vector>

#include "language/texts.h"
#include "res/resource.h"
#include "windows/chosen_preferences.h"
#include "windows/skin_choice.h"
#include "windows/skin_folder.h"
#include "windows/skin_template.h"
#include "windows/wide_text.h"

namespace {
// Each set's access key in turn: the digits, then the letters the built-in pictures' "&R"
// and the export's "&E" leave free.
const char SET_ACCESS_KEYS[] = "1234567890ABCDFGHIJKLMNOPQSTUVWXYZ";

// The sets the menu listed, in the order of their commands.
std::vector<std::string> listedSets;

UINT setCommand(std::size_t index) {
    return static_cast<UINT>(IDM_SKIN_FIRST_SET + index);
}

// The folder's name as it is, its "&" doubled so that none of them is taken for a key.
std::wstring setItemText(std::size_t index, const std::string& name) {
    std::wstring item;
    if (index < sizeof SET_ACCESS_KEYS - 1) {
        item = std::wstring(L"&") + static_cast<wchar_t>(SET_ACCESS_KEYS[index]) + L" ";
    }
    for (wchar_t c : widen(name)) {
        item += c == L'&' ? L"&&" : std::wstring(1, c);
    }
    return item;
}
} // namespace

void insertSkinMenu(HMENU menu, UINT position) {
    listedSets = listSets();
    if (listedSets.size() > MOST_LISTED_SETS) {
        listedSets.resize(MOST_LISTED_SETS);
    }
    HMENU looks = CreatePopupMenu();
    AppendMenuW(looks, MF_STRING, IDM_SKIN_BUILT_IN, widen(text(TextId::SKIN_BUILT_IN)).c_str());
    UINT inUse = IDM_SKIN_BUILT_IN;
    for (std::size_t i = 0; i < listedSets.size(); ++i) {
        AppendMenuW(looks, MF_STRING, setCommand(i), setItemText(i, listedSets[i]).c_str());
        if (listedSets[i] == skinInUse()) {
            inUse = setCommand(i);
        }
    }
    // The sets' commands follow the built-in pictures' without a gap.
    CheckMenuRadioItem(looks, IDM_SKIN_BUILT_IN,
                       static_cast<UINT>(IDM_SKIN_BUILT_IN + listedSets.size()), inUse,
                       MF_BYCOMMAND);
    AppendMenuW(looks, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(looks, MF_STRING, IDM_SKIN_EXPORT, widen(text(TextId::SKIN_EXPORT)).c_str());
    InsertMenuW(menu, position, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(looks),
                widen(text(TextId::SKIN_MENU)).c_str());
}

bool runSkinCommand(int command) {
    const int set = command - IDM_SKIN_FIRST_SET;
    if (command == IDM_SKIN_EXPORT) {
        exportTemplate();
    } else if (command == IDM_SKIN_BUILT_IN) {
        setSkin(std::string());
    } else if (set >= 0 && set < static_cast<int>(listedSets.size())) {
        setSkin(listedSets[static_cast<std::size_t>(set)]);
    } else {
        return false;
    }
    return true;
}
