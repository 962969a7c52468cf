// The status dialog: its texts, saving on opening and closing, the rename field's
// 16-byte limit and the grade it paints.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>

#include "dialog_test_support.h"
#include "language/texts.h"
#include "rabbit/pet_record.h"
#include "res/resource.h"
#include "save/save_image.h"
#include "windows/dialogs/status_dialog.h"
#include "windows/evaluate_grade.h"
#include "windows/wide_text.h"

namespace {
// Where the name sits in the save file: after the settings, the position and hasPet.
constexpr std::size_t NAME_OFFSET = 24;

class StatusDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        hasPet = 1;
        pet = PetRecord{};
        pet.ageMonths = 15;
        pet.foodMax = 100;
        pet.food = 80;
        pet.waterMax = 100;
        pet.water = -3;
        pet.staminaMax = 100;
        pet.stamina = 100;
        pet.health = 100;
        pet.happiness = 55;
        pet.fatigue = 0;
        setName("小白");
    }
    void TearDown() override {
        if (IsWindow(dialog)) {
            DestroyWindow(dialog);
        }
        DialogTest::TearDown();
    }

    static void setName(const std::string& utf8) {
        std::string big5;
        ASSERT_TRUE(wideToBig5(widen(utf8), big5));
        std::memset(pet.name, 0, sizeof pet.name);
        std::memcpy(pet.name, big5.data(), big5.size());
    }
    static std::string nameBig5() { return std::string(pet.name); }
    static std::string big5Of(const std::string& utf8) {
        std::string big5;
        wideToBig5(widen(utf8), big5);
        return big5;
    }

    HWND field() const { return GetDlgItem(dialog, IDC_NAME); }
    // Keyboard input as the edit receives it, one character at a time.
    void type(const std::wstring& text) const {
        for (wchar_t character : text) {
            SendMessageW(field(), WM_CHAR, character, 1);
        }
    }
    void caretToEnd() const { SendMessageW(field(), EM_SETSEL, 0x7FFF, 0x7FFF); }

    HWND dialog = nullptr;
};

TEST_F(StatusDialogTest, ShowsTheNeedsTheAgeAndTheName) {
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    wchar_t caption[32] = {};
    GetWindowTextW(dialog, caption, 32);
    EXPECT_EQ(std::wstring(caption), L"狀態");
    EXPECT_EQ(controlText(dialog, IDC_FOOD), "80/100");
    EXPECT_EQ(controlText(dialog, IDC_WATER), "-3/100");
    EXPECT_EQ(controlText(dialog, IDC_STAMINA), "100/100");
    EXPECT_EQ(controlText(dialog, IDC_HEALTH), "100%");
    EXPECT_EQ(controlText(dialog, IDC_HAPPINESS), "55%");
    EXPECT_EQ(controlText(dialog, IDC_FATIGUE), "0%");
    EXPECT_EQ(controlText(dialog, IDC_AGE), "1歲3月");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小白");
    EXPECT_EQ(controlText(dialog, IDC_GRADE_TEXT), "");
    EXPECT_EQ(controlText(dialog, IDC_SHOW_GRADE), "察看兔子等級");
}

TEST_F(StatusDialogTest, SavesOnOpeningEvenWhenClosedAtOnce) {
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    const SaveImage image = encodeSaveImage();
    EXPECT_EQ(readSaveFileBytes(), std::string(image.begin(), image.end()));
}

TEST_F(StatusDialogTest, ClosingEitherWayStoresTheNewNameAndSaves) {
    for (int command : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(command);
        setName("小白");
        dialog = openModeless(IDD_STATUS, statusDlgProc);
        removeSaveFile();
        const std::string renamed = command == IDOK ? "胡蘿蔔" : "Bunny";
        setControlText(dialog, IDC_NAME, renamed);
        closeModeless(dialog, command);
        EXPECT_EQ(nameBig5(), big5Of(renamed));
        const std::string saved = readSaveFileBytes();
        ASSERT_EQ(saved.size(), SAVE_FILE_BYTES);
        EXPECT_EQ(std::string(saved.c_str() + NAME_OFFSET), big5Of(renamed));
    }
}

TEST_F(StatusDialogTest, NameFieldHoldsSixteenBytesOfChineseOrLatin) {
    setName("");
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    type(L"一二三四五六七八九");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "一二三四五六七八");

    setControlText(dialog, IDC_NAME, "");
    type(L"abcdefghijklmnopq");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "abcdefghijklmnop");

    // Seven Chinese characters leave room for two Latin letters, not for three.
    setControlText(dialog, IDC_NAME, "");
    type(L"一二三四五六七xyz");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "一二三四五六七xy");

    closeModeless(dialog, IDOK);
    EXPECT_EQ(nameBig5(), big5Of("一二三四五六七xy"));
    EXPECT_EQ(nameBig5().size(), 16u);
}

TEST_F(StatusDialogTest, NameFieldRefusesWhatCodePage950CannotHold) {
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    caretToEnd();
    // Thai, katakana, and a letter that would be stored as a look-alike.
    type(L"\u0e01\u30a2\u00e9");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小白");
    type(L"兔");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小白兔");

    // A paste is taken whole or not at all.
    SendMessageW(field(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"ok\u0e01"));
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小白兔");
    SendMessageW(field(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"一二三四五六"));
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小白兔");

    closeModeless(dialog, IDOK);
    EXPECT_EQ(nameBig5(), big5Of("小白兔"));
}

TEST_F(StatusDialogTest, RefusedTypingLeavesTheCaretWhereItWas) {
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    SendMessageW(field(), EM_SETSEL, 1, 1);
    type(L"\u0e01");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(field(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 1u);
    type(L"a");
    EXPECT_EQ(controlText(dialog, IDC_NAME), "小a白");
}

TEST_F(StatusDialogTest, ASixteenByteNameSurvivesClosingAndReopening) {
    setName("一二三四五六七八");
    for (int round = 0; round < 2; ++round) {
        dialog = openModeless(IDD_STATUS, statusDlgProc);
        EXPECT_EQ(controlText(dialog, IDC_NAME), "一二三四五六七八");
        caretToEnd();
        type(L"a九");
        EXPECT_EQ(controlText(dialog, IDC_NAME), "一二三四五六七八");
        closeModeless(dialog, IDOK);
        EXPECT_EQ(nameBig5(), big5Of("一二三四五六七八"));
    }
}

TEST_F(StatusDialogTest, ANameLoadedLongerThanTheFieldCanBeShortenedAndKeepsItsBytes) {
    // The file can hold 19 bytes; the field lets them stand until they are edited.
    std::memset(pet.name, 0, sizeof pet.name);
    std::memcpy(pet.name, "abcdefghijklmnopqrs", 19);
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    closeModeless(dialog, IDOK);
    EXPECT_EQ(nameBig5(), "abcdefghijklmnopqrs");

    dialog = openModeless(IDD_STATUS, statusDlgProc);
    caretToEnd();
    SendMessageW(field(), WM_CHAR, VK_BACK, 1);
    EXPECT_EQ(controlText(dialog, IDC_NAME), "abcdefghijklmnopqr");
    closeModeless(dialog, IDOK);
    EXPECT_EQ(nameBig5(), "abcdefghijklmnopqr");
}

TEST_F(StatusDialogTest, AnEmptyNameIsStoredEmpty) {
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    setControlText(dialog, IDC_NAME, "");
    closeModeless(dialog, IDOK);
    EXPECT_EQ(pet.name[0], '\0');
}

TEST_F(StatusDialogTest, TheGradeButtonShowsTheTextAndPaintsThePictureOnce) {
    gradePoints.devilPoints = 400;
    gradePoints.angelPoints = 600;
    dialog = openModeless(IDD_STATUS, statusDlgProc);
    SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(dialog);

    // The first pictures, like a dialog's first openings, may load what Windows keeps.
    for (int i = 0; i < WARM_UP_OPENINGS; ++i) {
        clickButton(dialog, IDC_SHOW_GRADE);
    }
    const GuiObjectCount warm = countGuiObjectsNow();
    clickButton(dialog, IDC_SHOW_GRADE);
    EXPECT_EQ(controlText(dialog, IDC_GRADE_TEXT), "兔子被培育成天使兔");
    EXPECT_EQ(gradeBitmap, nullptr);
    EXPECT_EQ(guiObjectGrowth(warm), "");

    // The angel picture's own corner pixels now stand at (285, 20) and its far corner.
    HBITMAP angel = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_GRADE_ANGEL));
    BITMAP size = {};
    GetObjectW(angel, sizeof size, &size);
    HDC pictureDc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(pictureDc, angel);
    HDC dialogDc = GetDC(dialog);
    EXPECT_EQ(GetPixel(dialogDc, 285, 20), GetPixel(pictureDc, 0, 0));
    EXPECT_EQ(GetPixel(dialogDc, 285 + size.bmWidth - 1, 20 + size.bmHeight - 1),
              GetPixel(pictureDc, size.bmWidth - 1, size.bmHeight - 1));
    ReleaseDC(dialog, dialogDc);
    SelectObject(pictureDc, previous);
    DeleteDC(pictureDc);
    DeleteObject(angel);
}
} // namespace

namespace {
// The text of the balloon this thread shows, or "".
BOOL CALLBACK readBalloon(HWND window, LPARAM found) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (std::wstring(name) != TOOLTIPS_CLASSW || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t text[256] = {};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    SendMessageW(window, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool));
    *reinterpret_cast<std::string*>(found) = narrow(text);
    return FALSE;
}

std::string balloonShown() {
    std::string shown;
    EnumThreadWindows(GetCurrentThreadId(), readBalloon, reinterpret_cast<LPARAM>(&shown));
    return shown;
}

TEST_F(StatusDialogTest, RefusedTypingSaysWhyInABalloonInTheLanguageSpoken) {
    for (Language language : allLanguages) {
        setCurrentLanguage(language);
        setName("小白");
        dialog = openModeless(IDD_STATUS, statusDlgProc);
        ShowWindow(dialog, SW_SHOWNOACTIVATE);
        caretToEnd();
        type(L"\u0e01");
        EXPECT_EQ(balloonShown(), text(TextId::NAME_CHARACTER_REFUSED)) << languageKey(language);
        // Typing that is taken puts the balloon away; typing past the field's length says why.
        type(L"x");
        EXPECT_EQ(balloonShown(), "") << languageKey(language);
        type(L"abcdefghijklmnop");
        EXPECT_EQ(balloonShown(), text(TextId::NAME_TOO_LONG)) << languageKey(language);
        closeModeless(dialog, IDOK);
    }
}
} // namespace
