// Reading and writing "rabbit.dat". A save never writes over the old file: it builds the
// new one beside it and swaps it in, so a crash or a full disk leaves the old rabbit whole.
// Another program's moment with either file is waited out before a failure is reported.
// The file counts the rabbit's place in the pixels of the size varnok.ini holds, whatever
// size the rabbit is drawn at now.
#include "windows/save_file.h"

#include <vector>

#include <windows.h>

#include "desktop/desktop.h"
#include "language/texts.h"
#include "save/save_image.h"
#include "windows/chosen_preferences.h"
#include "windows/file_retry.h"
#include "windows/main_window.h"
#include "windows/rabbit_size.h"

std::wstring saveFilePath;

namespace {
const wchar_t SAVE_FILE_NAME[] = L"\\rabbit.dat";
// The new file is written under this name beside the old one, then renamed over it.
const wchar_t NEW_FILE_SUFFIX[] = L".tmp";
constexpr DWORD LONGEST_MODULE_PATH = 32768;
constexpr DWORD TAIL_CHUNK_BYTES = 65536;
// The new file is made with these attributes of the old one, so that a hidden save file
// stays hidden whichever way the two are swapped.
constexpr DWORD KEPT_ATTRIBUTES = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// What became of the new file.
enum class NewFile { WRITTEN, REFUSED, FAILED };

void reportReadError() {
    showReport(text(TextId::SAVE_READ_ERROR), text(TextId::WARNING_CAPTION));
}
void reportWriteError() {
    showReport(text(TextId::SAVE_WRITE_ERROR), text(TextId::WARNING_CAPTION));
}

// A folder too deep for the plain form still opens in the extended one; the module
// path is already absolute and normalised, which that form needs.
std::wstring extendedForm(const std::wstring& path) {
    const std::size_t longestName = path.size() + sizeof NEW_FILE_SUFFIX / sizeof(wchar_t);
    if (longestName < MAX_PATH || path.compare(0, 4, L"\\\\?\\") == 0) {
        return path;
    }
    if (path.compare(0, 2, L"\\\\") == 0) {
        return L"\\\\?\\UNC\\" + path.substr(2);
    }
    return L"\\\\?\\" + path;
}

std::wstring newFilePath() {
    return saveFilePath + NEW_FILE_SUFFIX;
}

bool nothingAt(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetLastError() == ERROR_FILE_NOT_FOUND;
}

// No sharing, as the file has always been opened: a copy of the program that has it open
// makes the others' loads and saves fail rather than mix their writes.
HANDLE openUnshared(const std::wstring& path, DWORD access, DWORD disposition,
                    DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    return openFileWhenFree(path, access, 0, disposition, attributes);
}

// The old file opened for writing is the gate of every save: read-only, or held by another
// program, it refuses the save as writing in place would. Windows already refuses to open
// a read-only file for writing; the flag is checked as well for systems that let an
// administrator do so, where the rename would replace the file regardless.
HANDLE openOldFile(const std::wstring& path, DWORD& attributes) {
    HANDLE file = openUnshared(path, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    BY_HANDLE_FILE_INFORMATION about;
    if (file == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(file, &about)) {
        return file;
    }
    if ((about.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    attributes = about.dwFileAttributes;
    return file;
}

// A replace that moves the old file aside before it renames the new one (Wine's does, and
// Windows' may on some file systems) can be cut short between the two, leaving no save file
// and the new one whole: that one is the save.
void takeUpCutShortReplace() {
    const std::wstring newPath = newFilePath();
    if (nothingAt(saveFilePath) && !nothingAt(newPath)) {
        retryWhileBusy(saveFilePath, [&] {
            return MoveFileExW(newPath.c_str(), saveFilePath.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
        });
    }
}

// The blocks one read each; a failed read spoils what follows, so only the bytes before
// it are taken.
std::size_t readBlocks(HANDLE file, SaveImage& data) {
    std::size_t offset = 0;
    std::size_t taken = 0;
    bool whole = true;
    for (std::size_t size : saveBlockSizes) {
        DWORD got = 0;
        if (!ReadFile(file, &data[offset], static_cast<DWORD>(size), &got, nullptr)) {
            reportReadError();
            whole = false;
        } else if (whole) {
            taken = offset + got;
            whole = got == size;
        }
        offset += size;
    }
    return taken;
}

bool writeBlocks(HANDLE file, const SaveImage& image) {
    std::size_t offset = 0;
    bool written = true;
    for (std::size_t size : saveBlockSizes) {
        DWORD put = 0;
        if (!WriteFile(file, &image[offset], static_cast<DWORD>(size), &put, nullptr) ||
            put != size) {
            reportWriteError();
            written = false;
        }
        offset += size;
    }
    return written;
}

// Whatever lies beyond the 108 bytes belongs to someone else and goes along unread.
bool copyTail(HANDLE from, HANDLE to) {
    LARGE_INTEGER start;
    start.QuadPart = static_cast<LONGLONG>(SAVE_FILE_BYTES);
    if (!SetFilePointerEx(from, start, nullptr, FILE_BEGIN)) {
        return false;
    }
    std::vector<uint8_t> chunk(TAIL_CHUNK_BYTES);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(from, chunk.data(), TAIL_CHUNK_BYTES, &got, nullptr)) {
            return false;
        }
        if (got == 0) {
            return true;
        }
        DWORD put = 0;
        if (!WriteFile(to, chunk.data(), got, &put, nullptr) || put != got) {
            return false;
        }
    }
}

// The new file complete and on the disk; refused by a folder that lets the old file be
// changed but takes no new one; or failed, reported and not to be used.
NewFile writeNewFile(const std::wstring& path, const SaveImage& image, HANDLE oldFile,
                     DWORD oldAttributes) {
    const DWORD kept = oldAttributes & KEPT_ATTRIBUTES;
    HANDLE file =
        openUnshared(path, GENERIC_WRITE, CREATE_ALWAYS, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_ACCESS_DENIED) {
            return NewFile::REFUSED;
        }
        reportWriteError();
        return NewFile::FAILED;
    }
    bool written = writeBlocks(file, image);
    if (written && !(copyTail(oldFile, file) && FlushFileBuffers(file))) {
        reportWriteError();
        written = false;
    }
    CloseHandle(file);
    return written ? NewFile::WRITTEN : NewFile::FAILED;
}

// Where no new file may be made, the image goes over the old file's first bytes (the
// handle is still at the start) as it always did; the bytes beyond them stay.
void writeInPlace(HANDLE oldFile, const SaveImage& image) {
    if (writeBlocks(oldFile, image) && !FlushFileBuffers(oldFile)) {
        reportWriteError();
    }
}

} // namespace

std::wstring modulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(appInstance, &path[0], size);
        if (length == 0) {
            return std::wstring();
        }
        if (length < size) {
            path.resize(length);
            return path;
        }
        if (size >= LONGEST_MODULE_PATH) {
            return std::wstring();
        }
        path.resize(size * 2);
    }
}

void buildSaveFilePath() {
    const std::wstring module = modulePath();
    const std::size_t cut = module.rfind(L'\\');
    if (cut == std::wstring::npos) {
        // Without a folder there is no file: loads and saves then fail and say so.
        saveFilePath.clear();
        return;
    }
    saveFilePath = extendedForm(module.substr(0, cut) + SAVE_FILE_NAME);
}

std::wstring besideSaveFile(const std::wstring& name) {
    const std::size_t cut = saveFilePath.rfind(L'\\');
    return cut == std::wstring::npos ? std::wstring() : saveFilePath.substr(0, cut + 1) + name;
}

void loadState() {
    takeUpCutShortReplace();
    HANDLE file = openUnshared(saveFilePath, GENERIC_READ, OPEN_ALWAYS);
    if (file == INVALID_HANDLE_VALUE) {
        reportReadError();
        return;
    }
    SaveImage data{};
    const std::size_t taken = readBlocks(file, data);
    CloseHandle(file);
    decodeSaveImage(data.data(), taken);
    placeFromPixelsOf(sizeOnDisk());
}

void saveState() {
    takeUpCutShortReplace();
    SaveImage image = encodeSaveImage();
    const RabbitPoint place = placeInPixelsOf(sizeOnDisk());
    setSavedPlace(image, place.x, place.y);
    DWORD attributes = 0;
    HANDLE oldFile = openOldFile(saveFilePath, attributes);
    if (oldFile == INVALID_HANDLE_VALUE) {
        reportWriteError();
        return;
    }
    const std::wstring newPath = newFilePath();
    const NewFile made = writeNewFile(newPath, image, oldFile, attributes);
    if (made == NewFile::REFUSED) {
        writeInPlace(oldFile, image);
    }
    CloseHandle(oldFile);
    if (made == NewFile::FAILED) {
        DeleteFileW(newPath.c_str());
    }
    if (made != NewFile::WRITTEN) {
        return;
    }
    if (!swapInNewFile(saveFilePath, newPath)) {
        reportWriteError();
        // Without the old file the new one is the only whole save; the next save or load
        // takes it up.
        if (!nothingAt(saveFilePath)) {
            DeleteFileW(newPath.c_str());
        }
    }
}
