// Exporting the template set.
#include "windows/skin_template.h"

#include <windows.h>

#include "desktop/desktop.h"
#include "language/texts.h"
#include "skin/set_names.h"
#include "skin/template_readme.h"
#include "windows/file_retry.h"
#include "windows/main_window.h"
#include "windows/picture_codec.h"
#include "windows/skin_folder.h"
#include "windows/sprite_bank.h"
#include "windows/wide_text.h"

namespace {
// The built-in picture as a PNG file, from the resources: the bank may hold a set's.
std::string builtInPng(const ImagingSession& imaging, int id) {
    HBITMAP picture = loadBuiltInPicture(appInstance, id);
    const SIZE size = bitmapSize(picture);
    const std::string png = imaging.encodePng(bitmapColours(picture), {size.cx, size.cy});
    DeleteObject(picture);
    return png;
}
// Writes one file of the template; a failure, an empty picture's too, is told in a box.
bool writeTemplateFile(const std::wstring& folder, const std::string& name,
                       const std::string& bytes) {
    const std::wstring path = folder + widen(name);
    if (folder.empty() || bytes.empty() || !writeWholeFile(path, bytes)) {
        showReport(fillIn(TextId::SKIN_EXPORT_FAILED, {{"file", narrow(path)}}),
                   text(TextId::SKIN_CAPTION));
        return false;
    }
    return true;
}
} // namespace

void exportTemplate() {
    const std::wstring skins = skinsFolder();
    const std::wstring folder = skins.empty() ? skins : skins + widen(TEMPLATE_SET) + L"\\";
    // Folders that are there already stay as they are.
    CreateDirectoryW(skins.c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    const ImagingSession imaging;
    for (int id = FIRST_SPRITE_ID; id <= LAST_SPRITE_ID; ++id) {
        if (!writeTemplateFile(folder, pngFileName(id), builtInPng(imaging, id))) {
            return;
        }
    }
    if (writeTemplateFile(folder, TEMPLATE_README_FILE, templateReadme())) {
        showReport(fillIn(TextId::SKIN_EXPORTED, {{"folder", narrow(folder)}}),
                   text(TextId::SKIN_CAPTION));
    }
}
