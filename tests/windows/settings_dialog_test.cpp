// The settings dialog and start with Windows, against the Wine prefix's own registry.
#include <windows.h>

#include <sddl.h>

#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "language/texts.h"
#include "rabbit/pet_record.h"
#include "rabbit/settings.h"
#include "res/resource.h"
#include "save_test_files.h"
#include "windows/autostart.h"
#include "windows/dialogs/settings_dialog.h"

namespace {
// The settings lead the save file, one 32-bit word each.
constexpr std::size_t AUTO_START_OFFSET = 0;

struct RunValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

RunValue readRunValue(HKEY root) {
    RunValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, RUN_SUBKEY, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return value;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key, RUN_VALUE_NAME, nullptr, &value.type, nullptr, &size) ==
        ERROR_SUCCESS) {
        value.present = true;
        value.data.resize(size);
        RegQueryValueExW(key, RUN_VALUE_NAME, nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(key);
    return value;
}

void writeRunValue(HKEY root) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, RUN_SUBKEY, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    const wchar_t stale[] = L"C:\\old\\varnok.exe";
    RegSetValueExW(key, RUN_VALUE_NAME, 0, REG_SZ, reinterpret_cast<const BYTE*>(stale),
                   sizeof stale);
    RegCloseKey(key);
}

void deleteRunValue(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, RUN_SUBKEY, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, RUN_VALUE_NAME);
        RegCloseKey(key);
    }
}

std::wstring programPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// A root that opens nothing, as the machine's key is for a user without the rights to it.
// No key ever has this value (Windows reads it as the process's own pseudo handle), so the
// registry refuses it whatever keys are open, where a closed key's value may come back as
// a new key's.
HKEY unusableRoot() {
    return static_cast<HKEY>(INVALID_HANDLE_VALUE);
}

// A root whose Run key holds the value and lets this user read it but not change it, as the
// machine's key does for a user without an administrator's rights; gone with the object.
class ReadOnlyRunRoot {
  public:
    ReadOnlyRunRoot() {
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, 0, KEY_READ, nullptr, &root,
                        nullptr);
        writeRunValue(root);
        allowOnRunKey(L"D:P(A;;KR;;;WD)");
    }
    ~ReadOnlyRunRoot() {
        allowOnRunKey(L"D:P(A;;KA;;;WD)");
        RegCloseKey(root);
        RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    }
    ReadOnlyRunRoot(const ReadOnlyRunRoot&) = delete;
    ReadOnlyRunRoot& operator=(const ReadOnlyRunRoot&) = delete;

    HKEY root = nullptr;

  private:
    const std::wstring name =
        L"Software\\Varnok test machine " + std::to_wstring(GetCurrentProcessId());

    // The owner may always change who may do what.
    void allowOnRunKey(const wchar_t* rights) const {
        HKEY run = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        RegOpenKeyExW(root, RUN_SUBKEY, 0, WRITE_DAC, &run);
        ConvertStringSecurityDescriptorToSecurityDescriptorW(rights, SDDL_REVISION_1, &descriptor,
                                                             nullptr);
        RegSetKeySecurity(run, DACL_SECURITY_INFORMATION, descriptor);
        LocalFree(descriptor);
        RegCloseKey(run);
    }
};

int32_t savedWord(std::size_t offset) {
    const std::string saved = readSaveFileBytes();
    if (saved.size() != SAVE_FILE_BYTES) {
        return -1;
    }
    return static_cast<int32_t>(static_cast<uint8_t>(saved[offset]) |
                                static_cast<uint8_t>(saved[offset + 1]) << 8 |
                                static_cast<uint8_t>(saved[offset + 2]) << 16 |
                                static_cast<uint8_t>(saved[offset + 3]) << 24);
}

class SettingsDialogTest : public DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        resetAutoStartRoots();
        deleteRunValue(HKEY_LOCAL_MACHINE);
        deleteRunValue(HKEY_CURRENT_USER);
    }
    void TearDown() override {
        if (IsWindow(dialog)) {
            DestroyWindow(dialog);
        }
        resetAutoStartRoots();
        deleteRunValue(HKEY_LOCAL_MACHINE);
        deleteRunValue(HKEY_CURRENT_USER);
        DialogTest::TearDown();
    }
    void open() { dialog = openModeless(IDD_SETTINGS, settingsDlgProc); }
    bool ticked(int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

    HWND dialog = nullptr;
};

TEST_F(SettingsDialogTest, FeedingBoxesNeedMoreThanAThousandPointsMostlyAngel) {
    const struct {
        int32_t devil;
        int32_t angel;
        bool enabled;
    } cases[] = {{400, 600, false}, {400, 601, true}, {600, 600, false},
                 {0, 1001, true},   {0, 1000, false}, {601, 400, false}};
    for (const auto& points : cases) {
        SCOPED_TRACE(testing::Message() << points.devil << " devil, " << points.angel << " angel");
        gradePoints = {points.devil, points.angel};
        open();
        EXPECT_EQ(controlEnabled(dialog, IDC_AUTO_EAT), points.enabled);
        EXPECT_EQ(controlEnabled(dialog, IDC_AUTO_DRINK), points.enabled);
        EXPECT_TRUE(controlEnabled(dialog, IDC_AUTO_START));
        DestroyWindow(dialog);
    }
}

TEST_F(SettingsDialogTest, BoxesShowTheSettingsEvenWhenFeedingIsLocked) {
    autoEat = 1;
    autoStart = 1;
    open();
    EXPECT_EQ(controlText(dialog, IDC_AUTO_START), "開機自動執行");
    EXPECT_EQ(controlText(dialog, IDC_AUTO_EAT), "自動吃東西");
    EXPECT_EQ(controlText(dialog, IDC_AUTO_DRINK), "自動喝東西");
    EXPECT_TRUE(ticked(IDC_AUTO_EAT));
    EXPECT_FALSE(controlEnabled(dialog, IDC_AUTO_EAT));
    EXPECT_FALSE(ticked(IDC_AUTO_DRINK));
    EXPECT_TRUE(ticked(IDC_AUTO_START));
}

TEST_F(SettingsDialogTest, FeedingClicksTakeEffectAtOnceAndCancelSavesThem) {
    gradePoints = {0, 2000};
    open();
    clickButton(dialog, IDC_AUTO_EAT);
    EXPECT_EQ(autoEat, 1);
    clickButton(dialog, IDC_AUTO_DRINK);
    clickButton(dialog, IDC_AUTO_DRINK);
    EXPECT_EQ(autoDrink, 0);
    EXPECT_EQ(readSaveFileBytes(), "");
    closeModeless(dialog, IDCANCEL);
    EXPECT_EQ(savedWord(4), 1);
    removeSaveFile();
    open();
    closeModeless(dialog, IDOK);
    EXPECT_EQ(savedWord(4), 1);
}

TEST_F(SettingsDialogTest, TickingWritesTheRunValueAtOnceAndUntickingDeletesIt) {
    open();
    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 1);
    EXPECT_TRUE(ticked(IDC_AUTO_START));
    EXPECT_EQ(savedWord(AUTO_START_OFFSET), 1);

    const RunValue value = readRunValue(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(value.data.size(), RUN_VALUE_BYTES);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(value.data.data())), programPath());
    EXPECT_FALSE(readRunValue(HKEY_CURRENT_USER).present);

    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 0);
    EXPECT_FALSE(ticked(IDC_AUTO_START));
    EXPECT_EQ(savedWord(AUTO_START_OFFSET), 0);
    EXPECT_FALSE(readRunValue(HKEY_LOCAL_MACHINE).present);
}

TEST_F(SettingsDialogTest, WithoutTheMachinesKeyTheUsersRunKeyIsUsed) {
    autoStartRoots[0] = unusableRoot();
    open();
    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 1);
    EXPECT_TRUE(ticked(IDC_AUTO_START));
    EXPECT_FALSE(readRunValue(HKEY_LOCAL_MACHINE).present);
    const RunValue value = readRunValue(HKEY_CURRENT_USER);
    ASSERT_TRUE(value.present);
    EXPECT_EQ(value.data.size(), RUN_VALUE_BYTES);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(value.data.data())), programPath());

    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 0);
    EXPECT_FALSE(readRunValue(HKEY_CURRENT_USER).present);
}

TEST_F(SettingsDialogTest, WhenNoRunKeyTakesTheValueTheBoxIsUntickedAgain) {
    autoStartRoots[0] = unusableRoot();
    autoStartRoots[1] = unusableRoot();
    open();
    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 0);
    EXPECT_FALSE(ticked(IDC_AUTO_START));
    EXPECT_EQ(readSaveFileBytes(), "");
    closeModeless(dialog, IDOK);
    EXPECT_EQ(savedWord(AUTO_START_OFFSET), 0);
}

TEST_F(SettingsDialogTest, UntickingRemovesTheValueFromBothRunKeys) {
    writeRunValue(HKEY_LOCAL_MACHINE);
    writeRunValue(HKEY_CURRENT_USER);
    autoStart = 1;
    open();
    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 0);
    EXPECT_FALSE(readRunValue(HKEY_LOCAL_MACHINE).present);
    EXPECT_FALSE(readRunValue(HKEY_CURRENT_USER).present);
}

// Ticked while run as administrator, the program wrote the machine's value; unticked later
// without those rights, the box stays ticked and says why rather than seem to have worked.
TEST_F(SettingsDialogTest, AValueThisUserCannotDeleteKeepsTheBoxTickedAndSaysWhy) {
    const ReadOnlyRunRoot machine;
    autoStartRoots[0] = machine.root;
    writeRunValue(HKEY_CURRENT_USER);
    autoStart = 1;
    open();
    boxes.seen.clear();
    clickButton(dialog, IDC_AUTO_START);
    EXPECT_EQ(autoStart, 1);
    EXPECT_TRUE(ticked(IDC_AUTO_START));
    ASSERT_EQ(boxes.seen.size(), 1u) << boxes.describe();
    EXPECT_EQ(boxes.seen[0].caption, "設定");
    EXPECT_EQ(boxes.seen[0].text, text(TextId::AUTO_START_STAYS));
    EXPECT_TRUE(readRunValue(machine.root).present);
    EXPECT_FALSE(readRunValue(HKEY_CURRENT_USER).present);
    closeModeless(dialog, IDOK);
    EXPECT_EQ(savedWord(AUTO_START_OFFSET), 1);
}

// Run from its own folder, the program names exactly itself, in double quotes when the
// path has a space (unquoted, Windows would try "C:\my.exe" for "C:\my rabbit\...").
TEST_F(SettingsDialogTest, RunValueIsQuotedOnlyWhenThePathHasASpace) {
    constexpr DWORD DRIVER_TIMEOUT_MS = 20000;
    for (const wchar_t* name : {L"my rabbit", L"rabbit"}) {
        const std::wstring folder = testFolder() + L"\\" + name;
        const std::wstring exe = installSaveDriver(folder);
        ASSERT_EQ(runSaveDriver(exe, L"autostart", DRIVER_TIMEOUT_MS), 0);
        RunValue value = readRunValue(HKEY_LOCAL_MACHINE);
        if (!value.present) {
            value = readRunValue(HKEY_CURRENT_USER);
        }
        ASSERT_TRUE(value.present);
        EXPECT_EQ(value.data.size(), RUN_VALUE_BYTES);
        const bool spaced = exe.find(L' ') != std::wstring::npos;
        EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(value.data.data())),
                  spaced ? L"\"" + exe + L"\"" : exe);
        deleteRunValue(HKEY_LOCAL_MACHINE);
        deleteRunValue(HKEY_CURRENT_USER);
        removeTree(folder);
    }
}
} // namespace
