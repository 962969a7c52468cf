// Help for the dialog tests: the program's instance and save file set up without the
// rabbit window, dialogs opened modelessly with their real procedures, and control texts.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "win_test_support.h"

// A dialog from the program's templates, created hidden and without an owner.
HWND openModeless(int templateId, DLGPROC procedure);
// Ends a modeless dialog through its procedure's own command, then destroys it.
void closeModeless(HWND dialog, int command);

std::string controlText(HWND dialog, int id); // UTF-8
void setControlText(HWND dialog, int id, const std::string& utf8);
bool controlEnabled(HWND dialog, int id);
// A click on a dialog button, as the dialog procedure receives it.
void clickButton(HWND dialog, int id);

// The GDI and USER objects the process holds, as Windows counts them and, for GDI, by
// handle as Wine answers. They are compared from the tenth opening of a dialog on: the
// first ones load what Windows then keeps (the dialog's font, the theme's parts).
constexpr int WARM_UP_OPENINGS = 10;
struct GuiObjectCount {
    DWORD gdi;
    DWORD user;
    int gdiByHandle;
};
GuiObjectCount countGuiObjectsNow();
// What grew since `before`, or "" when nothing did.
std::string guiObjectGrowth(const GuiObjectCount& before);

// Every subsystem in its start-up state, the instance and cursors loaded, and no save file.
class DialogTest : public ::testing::Test {
  protected:
    ModalBoxAnswerer boxes;
    void SetUp() override;
    void TearDown() override;
};
