// Files, folders, and programs built beside the tests, such as the save file's driver.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Little-endian 32-bit words inside file bytes.
int32_t wordAt(const std::string& bytes, std::size_t offset);
void putWord(std::string& bytes, std::size_t offset, int32_t value);

// The whole file, or an empty string when it cannot be read.
std::string readFileBytes(const std::wstring& path);
bool fileExists(const std::wstring& path);
void writeFileBytes(const std::wstring& path, const std::string& bytes);
// Deletes a folder with everything in it, read-only files included.
void removeTree(const std::wstring& folder);

// The file a save writes before it renames it to the save file.
std::wstring newFileOf(const std::wstring& saveFile);

// The save driver's name as built.
constexpr wchar_t SAVE_DRIVER_NAME[] = L"varnok_save_driver.exe";

// Makes the folder (and its parents) and copies the save driver into it; returns the copy.
std::wstring installSaveDriver(const std::wstring& folder,
                               const std::wstring& name = SAVE_DRIVER_NAME);
// Starts the driver with the given arguments, its folder as current directory.
bool startSaveDriver(const std::wstring& exe, const std::wstring& arguments,
                     PROCESS_INFORMATION& process);
// Runs the driver to its end; a run that outlasts `timeoutMs` is killed and counts as -1.
long runSaveDriver(const std::wstring& exe, const std::wstring& arguments, DWORD timeoutMs);

// Another program that opens `path` without sharing and lets go `ms` milliseconds after
// the constructor returns; the destructor waits for it to end.
class FileHolder {
  public:
    FileHolder(const std::wstring& path, int ms);
    ~FileHolder();
    FileHolder(const FileHolder&) = delete;
    FileHolder& operator=(const FileHolder&) = delete;
    bool holds() const { return holds_; }

  private:
    PROCESS_INFORMATION process_ = {};
    bool holds_ = false;
};

// Under Wine, runs a host command with the Unix form of `path` as its last argument and
// waits until the folder lists `path` (or no longer does); false elsewhere or on time-out.
bool runOnHost(const std::wstring& command, const std::wstring& path, bool leavesPath);
