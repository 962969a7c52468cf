// Reading an INI text line by line, and changing one key's line without touching the rest.
#include "preferences/ini_lines.h"

#include "language/ascii_case.h"

namespace {
const char BYTE_ORDER_MARK[] = "\xEF\xBB\xBF";
constexpr std::size_t BYTE_ORDER_MARK_BYTES = 3;

std::string trimmed(const std::string& text) {
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The file's own line end, as its first line has it.
std::string lineEndOf(const std::string& text) {
    const std::size_t feed = text.find('\n');
    return feed == std::string::npos || (feed > 0 && text[feed - 1] == '\r') ? "\r\n" : "\n";
}

// Takes the line's section or key from its text.
void classify(const std::string& raw, IniLine& line, std::string& section) {
    const std::string content = trimmed(raw);
    if (content.size() >= 2 && content.front() == '[' && content.back() == ']') {
        section = asciiLower(trimmed(content.substr(1, content.size() - 2)));
        line.opensSection = true;
    } else if (raw.find('=') != std::string::npos) {
        const std::size_t equals = raw.find('=');
        line.key = asciiLower(trimmed(raw.substr(0, equals)));
        // A changed value keeps the blanks that the user put after the "=".
        const std::size_t value = raw.find_first_not_of(" \t", equals + 1);
        line.valueBegin = line.begin + (value == std::string::npos ? raw.size() : value);
    }
    line.section = section;
}
} // namespace

std::size_t iniBodyBegin(const std::string& text) {
    return text.compare(0, BYTE_ORDER_MARK_BYTES, BYTE_ORDER_MARK) == 0 ? BYTE_ORDER_MARK_BYTES : 0;
}

std::vector<IniLine> iniLines(const std::string& text) {
    std::vector<IniLine> lines;
    std::string section;
    for (std::size_t begin = iniBodyBegin(text); begin < text.size();) {
        IniLine line;
        line.begin = begin;
        const std::size_t feed = text.find('\n', begin);
        line.next = feed == std::string::npos ? text.size() : feed + 1;
        line.end = feed == std::string::npos                ? text.size()
                   : feed > begin && text[feed - 1] == '\r' ? feed - 1
                                                            : feed;
        classify(text.substr(begin, line.end - begin), line, section);
        lines.push_back(line);
        begin = line.next;
    }
    return lines;
}

std::string iniValue(const std::string& text, const IniLine& line) {
    return trimmed(text.substr(line.valueBegin, line.end - line.valueBegin));
}

std::string withIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value) {
    // The first opening of the section, then its last key: where a new key goes.
    const std::vector<IniLine> lines = iniLines(text);
    const IniLine* insertAfter = nullptr;
    bool inFirstOpening = false;
    for (const IniLine& line : lines) {
        if (line.opensSection) {
            inFirstOpening = line.section == section && insertAfter == nullptr;
            insertAfter = inFirstOpening ? &line : insertAfter;
        } else if (line.section == section && line.key == key && !key.empty()) {
            return text.substr(0, line.valueBegin) + value + text.substr(line.end);
        } else if (inFirstOpening && !line.key.empty()) {
            insertAfter = &line;
        }
    }
    const std::string lineEnd = lineEndOf(text);
    const std::string added = key + "=" + value + lineEnd;
    if (insertAfter != nullptr) {
        // The last line of a file may have no line end of its own.
        const std::string before = insertAfter->next == insertAfter->end ? lineEnd : "";
        return text.substr(0, insertAfter->next) + before + added + text.substr(insertAfter->next);
    }
    const bool lastLineOpen = text.size() > iniBodyBegin(text) && text.back() != '\n';
    return text + (lastLineOpen ? lineEnd : "") + "[" + section + "]" + lineEnd + added;
}
