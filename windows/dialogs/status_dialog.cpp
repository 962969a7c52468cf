// The status dialog: shows the needs and age, renames the rabbit, paints the grade.
#include "windows/dialogs/status_dialog.h"

#include "desktop/desktop.h"
#include "desktop/display_scale.h"
#include "rabbit/grade.h"
#include "rabbit/pet_record.h"
#include "rabbit/status_texts.h"
#include "res/resource.h"
#include "windows/dialogs/modal_dialog.h"
#include "windows/dialogs/name_field.h"
#include "windows/evaluate_grade.h"
#include "windows/wide_text.h"

namespace {
// Where the grade picture's top-left corner goes, in client pixels at 96 DPI, inside its
// group box; the dialog and the picture grow with the DPI.
constexpr int GRADE_PICTURE_X = 285;
constexpr int GRADE_PICTURE_Y = 20;

void setText(HWND dialog, int id, const std::string& utf8) {
    SetDlgItemTextW(dialog, id, widen(utf8).c_str());
}

void fillStatus(HWND dialog) {
    const StatusTexts texts = statusTexts(pet);
    const struct {
        int id;
        const std::string& text;
    } fields[] = {
        {IDC_FOOD, texts.food},           {IDC_WATER, texts.water},     {IDC_AGE, texts.age},
        {IDC_FATIGUE, texts.fatigue},     {IDC_STAMINA, texts.stamina}, {IDC_HEALTH, texts.health},
        {IDC_HAPPINESS, texts.happiness},
    };
    for (const auto& field : fields) {
        setText(dialog, field.id, field.text);
    }
    fillNameField(GetDlgItem(dialog, IDC_NAME), pet.name, PET_NAME_BYTES);
}

// Painted straight onto the dialog, once per click: covering the dialog erases it.
void showGrade(HWND dialog) {
    evaluateGrade();
    setText(dialog, IDC_GRADE_TEXT, gradeText);
    HDC windowDc = GetDC(dialog);
    BITMAP size = {};
    GetObjectW(gradeBitmap, sizeof size, &size);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HGDIOBJ previous = SelectObject(memoryDc, gradeBitmap);
    const int dpi = GetDeviceCaps(windowDc, LOGPIXELSX);
    // Whole blocks of one colour at a whole factor; smoothed between the pixels otherwise.
    if (dpi % BASE_DPI == 0) {
        SetStretchBltMode(windowDc, COLORONCOLOR);
    } else {
        SetStretchBltMode(windowDc, HALFTONE);
        SetBrushOrgEx(windowDc, 0, 0, nullptr);
    }
    StretchBlt(windowDc, MulDiv(GRADE_PICTURE_X, dpi, BASE_DPI),
               MulDiv(GRADE_PICTURE_Y, dpi, BASE_DPI), MulDiv(size.bmWidth, dpi, BASE_DPI),
               MulDiv(size.bmHeight, dpi, BASE_DPI), memoryDc, 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(memoryDc, previous);
    DeleteDC(memoryDc);
    ReleaseDC(dialog, windowDc);
    DeleteObject(gradeBitmap);
    gradeBitmap = nullptr;
}

void closeStatus(HWND dialog, int result) {
    takeNameField(GetDlgItem(dialog, IDC_NAME), pet.name);
    saveState();
    EndDialog(dialog, result);
}
} // namespace

INT_PTR CALLBACK statusDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        placeOnOwnersMonitor(dialog);
        saveState();
        fillStatus(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    if (isCloseCommand(wParam)) {
        closeStatus(dialog, LOWORD(wParam));
        return TRUE;
    }
    if (LOWORD(wParam) == IDC_NAME && HIWORD(wParam) == EN_CHANGE) {
        checkNameField(reinterpret_cast<HWND>(lParam));
    } else if (LOWORD(wParam) == IDC_NAME && HIWORD(wParam) == EN_MAXTEXT) {
        explainNameTooLong(reinterpret_cast<HWND>(lParam));
    } else if (LOWORD(wParam) == IDC_SHOW_GRADE) {
        showGrade(dialog);
    }
    return FALSE;
}

void openStatusDialog(HWND owner) {
    runModalDialog(IDD_STATUS, owner, statusDlgProc);
}
