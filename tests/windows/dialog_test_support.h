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

// Every subsystem in its start-up state, the instance and cursors loaded, and no save file.
class DialogTest : public ::testing::Test {
  protected:
    ModalBoxAnswerer boxes;
    void SetUp() override;
    void TearDown() override;
};
