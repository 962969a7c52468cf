// Listing the sets in skins\ and reading one from its files.
#include "windows/skin_folder.h"

#include <algorithm>
#include <array>

#include <windows.h>

#include "skin/background_rule.h"
#include "skin/set_names.h"
#include "windows/file_retry.h"
#include "windows/picture_codec.h"
#include "windows/save_file.h"
#include "windows/wide_text.h"

namespace {
// A set's files by picture, and a second file of the same picture where there is one.
struct SetFiles {
    std::array<std::string, SPRITE_COUNT> names;
    std::array<std::string, SPRITE_COUNT> secondNames;
    bool any = false;
};

// Runs `visit` with every entry of `folder` but "." and "..", and whether it is a folder;
// false when the folder cannot be read.
template <class Visit> bool forEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found;
    HANDLE search =
        folder.empty() ? INVALID_HANDLE_VALUE : FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") {
            visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

std::size_t slotOf(int id) {
    return static_cast<std::size_t>(id - FIRST_SPRITE_ID);
}

bool findFiles(const std::wstring& folder, SetFiles& files) {
    return forEachEntry(folder, [&files](const std::wstring& wideName, bool isFolder) {
        const std::string name = narrow(wideName);
        const std::optional<int> id = pictureOfFile(name);
        if (isFolder || !id) {
            return;
        }
        if (files.names[slotOf(*id)].empty()) {
            files.names[slotOf(*id)] = name;
        } else {
            files.secondNames[slotOf(*id)] = name;
        }
        files.any = true;
    });
}

// The file's bytes, unless it is larger than a picture may be; false when it cannot be read.
bool readPictureFile(const std::wstring& path, std::string& bytes, bool& tooLarge) {
    HANDLE file = openFileWhenFree(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    LARGE_INTEGER size = {};
    bool read = GetFileSizeEx(file, &size) != FALSE;
    tooLarge = size.QuadPart > static_cast<LONGLONG>(LARGEST_PICTURE_BYTES);
    bytes.resize(read && !tooLarge ? static_cast<std::size_t>(size.QuadPart) : 0);
    DWORD got = 0;
    if (!bytes.empty()) {
        read = ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) &&
               got == bytes.size();
    }
    CloseHandle(file);
    return read;
}

// A picture of the set's colours as a 32-bit bitmap, which the outline code and the paint
// read as they read the built-in ones.
HBITMAP bitmapOf(const std::vector<uint32_t>& pixels, PictureSize size) {
    const BITMAPINFO format = topDownColourFormat(size.width, size.height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        std::copy(pixels.begin(), pixels.end(), static_cast<uint32_t*>(bits));
    }
    return bitmap;
}

// One picture of the set; null with the problem when it cannot be used.
HBITMAP loadPicture(const ImagingSession& imaging, const std::wstring& folder, int id,
                    const std::string& name, SetProblem& problem) {
    std::string bytes;
    bool tooLarge = false;
    const PictureSize wanted = builtInSize(id);
    DecodedPicture decoded;
    if (readPictureFile(folder + widen(name), bytes, tooLarge) && !tooLarge) {
        decoded =
            imaging.decode(bytes, [id](PictureSize size) { return hasBuiltInSize(id, size); });
    }
    if (decoded.result == Decoding::DONE) {
        return bitmapOf(keyedPixels(decoded.pixels), wanted);
    }
    problem.fault = tooLarge                                 ? SetFault::TOO_LARGE
                    : decoded.result == Decoding::WRONG_SIZE ? SetFault::WRONG_SIZE
                                                             : SetFault::NOT_A_PICTURE;
    problem.file = name;
    problem.found = decoded.size;
    problem.wanted = wanted;
    return nullptr;
}

SetProblem problemOf(SetFault fault) {
    SetProblem problem;
    problem.fault = fault;
    return problem;
}

SetProblem twoFiles(const std::string& first, const std::string& second) {
    SetProblem problem = problemOf(SetFault::TWO_FILES);
    problem.file = std::min(first, second);
    problem.otherFile = std::max(first, second);
    return problem;
}
} // namespace

std::wstring skinsFolder() {
    const std::wstring folder = besideSaveFile(widen(SKINS_FOLDER));
    return folder.empty() ? folder : folder + L"\\";
}

std::vector<std::string> listSets() {
    std::vector<std::wstring> folders;
    forEachEntry(skinsFolder(), [&folders](const std::wstring& name, bool isFolder) {
        if (isFolder) {
            folders.push_back(name);
        }
    });
    std::sort(folders.begin(), folders.end(), [](const std::wstring& a, const std::wstring& b) {
        return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    std::vector<std::string> names;
    for (const std::wstring& folder : folders) {
        names.push_back(narrow(folder));
    }
    return names;
}

LoadedSet loadSet(const std::string& name) {
    LoadedSet set;
    SetFiles files;
    const std::wstring skins = skinsFolder();
    const std::wstring folder = skins + widen(name) + L"\\";
    if (!isPlainSetName(name)) {
        set.problem = problemOf(SetFault::NAME_NOT_PLAIN);
    } else if (skins.empty() || !findFiles(folder, files)) {
        set.problem = problemOf(SetFault::NO_FOLDER);
    } else if (!files.any) {
        set.problem = problemOf(SetFault::NO_PICTURES);
    }
    if (set.problem.fault != SetFault::NONE) {
        return set;
    }
    const ImagingSession imaging;
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID && set.problem.fault == SetFault::NONE;
         ++id) {
        const std::string& file = files.names[slotOf(id)];
        if (!files.secondNames[slotOf(id)].empty()) {
            set.problem = twoFiles(file, files.secondNames[slotOf(id)]);
        } else if (!file.empty()) {
            set.pictures[slotOf(id)] = loadPicture(imaging, folder, id, file, set.problem);
        }
    }
    if (set.problem.fault != SetFault::NONE) {
        for (HBITMAP& picture : set.pictures) {
            DeleteObject(picture);
            picture = nullptr;
        }
    }
    return set;
}
