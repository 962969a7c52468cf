// varnok.exe carries its manifest and its version information, read back as Windows does.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "res/version.h"
#include "win_test_support.h"
#include "windows/wide_text.h"

namespace {
std::wstring programPath() {
    return builtFolder() + L"\\varnok.exe";
}

std::string manifestOf(const std::wstring& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return "";
    }
    std::string text;
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
    if (found != nullptr) {
        text.assign(static_cast<const char*>(LockResource(LoadResource(module, found))),
                    SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

TEST(ProgramResources, ManifestAsksForThemedControlsOnTheUsersRightsAtTheScreensDpi) {
    const std::string manifest = manifestOf(programPath());
    ASSERT_FALSE(manifest.empty());
    const char* parts[] = {
        R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
        R"(level="asInvoker")",
        ">true</longPathAware>",
        ">true</dpiAware>",
        ">system</dpiAwareness>",
        ">false</gdiScaling>",
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // 10 and 11
    };
    for (const char* part : parts) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

TEST(ProgramResources, VersionIsTheProjectsInChineseAndEnglish) {
    const std::wstring program = programPath();
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const DWORD major = MAKELONG(VARNOK_VERSION_MINOR, VARNOK_VERSION_MAJOR);
    const DWORD minor = MAKELONG(0, VARNOK_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, major);
    EXPECT_EQ(fixed->dwFileVersionLS, minor);
    EXPECT_EQ(fixed->dwProductVersionMS, major);
    EXPECT_EQ(fixed->dwProductVersionLS, minor);

    WORD* translations = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translations), &length));
    ASSERT_EQ(length, 12u);
    EXPECT_EQ(std::vector<WORD>(translations, translations + 6),
              (std::vector<WORD>{0x0404, 1200, 0x0804, 1200, 0x0409, 1200}));

    const std::wstring version = widen(VARNOK_VERSION_TEXT);
    const struct {
        const wchar_t* name;
        std::wstring value; // empty: any text
    } fields[] = {{L"ProductName", L"Varnok"}, {L"OriginalFilename", L"varnok.exe"},
                  {L"FileVersion", version},   {L"ProductVersion", version},
                  {L"FileDescription", L""},   {L"LegalCopyright", L""}};
    for (const wchar_t* language : {L"040404b0", L"080404b0", L"040904b0"}) {
        for (const auto& field : fields) {
            const std::wstring query =
                std::wstring(L"\\StringFileInfo\\") + language + L"\\" + field.name;
            wchar_t* text = nullptr;
            const bool found = VerQueryValueW(info.data(), query.c_str(),
                                              reinterpret_cast<void**>(&text), &length);
            ASSERT_TRUE(found && length > 1) << narrow(query);
            if (!field.value.empty()) {
                EXPECT_EQ(std::wstring(text), field.value) << narrow(query);
            }
        }
    }
}
} // namespace
