// Writing the template's readme from the language tables and the pictures' catalogue.
#include "skin/template_readme.h"

#include "skin/picture_catalogue.h"
#include "skin/set_names.h"

namespace {
const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
const char LINE_END[] = "\r\n";

void addLines(std::string& file, const std::string& text) {
    for (char c : text) {
        if (c == '\n') {
            file += LINE_END;
        } else {
            file += c;
        }
    }
    file += LINE_END;
}

// Each activity's name, then its pictures one a line: "    136.png   63 x 89".
void addCatalogue(std::string& file, Language language) {
    for (std::size_t i = 0; i < SPRITE_COUNT; ++i) {
        const CataloguedPicture& picture = pictureCatalogue[i];
        if (i == 0 || pictureCatalogue[i - 1].shows != picture.shows) {
            addLines(file, textIn(language, picture.shows));
        }
        addLines(file, "    " + pngFileName(picture.id) + "   " +
                           std::to_string(picture.size.width) + " x " +
                           std::to_string(picture.size.height));
    }
}
} // namespace

std::string templateReadme() {
    std::string file = BYTE_ORDER_MARK;
    for (Language language : allLanguages) {
        addLines(file, textIn(language, TextId::TEMPLATE_README));
        addCatalogue(file, language);
        file += LINE_END;
    }
    return file;
}
