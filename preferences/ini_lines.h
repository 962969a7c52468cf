// The lines of an INI file's text as the program reads them, and one key's line changed in
// place: the user's own lines, comments and line ends stay byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct IniLine {
    std::size_t begin = 0;      // its first byte
    std::size_t end = 0;        // past its last byte, before its line end
    std::size_t next = 0;       // the next line's first byte
    std::string section;        // lower case: the section it lies in, or the one it opens
    bool opensSection = false;  // "[name]"
    std::string key;            // lower case, blanks trimmed; empty unless the line has a "="
    std::size_t valueBegin = 0; // past the "=" and the blanks after it
};

// Where the text begins, past a leading UTF-8 byte order mark.
std::size_t iniBodyBegin(const std::string& text);
// Every line after the byte order mark; a line ends at LF, its CR with it.
std::vector<IniLine> iniLines(const std::string& text);
// The line's value, blanks trimmed.
std::string iniValue(const std::string& text, const IniLine& line);

// The text with `key` set to `value` in `section` (both given in lower case), every other byte
// kept: the value on the key's first line is replaced; a missing key goes after the
// section's last key, and a missing section at the end. New lines end as the file's first
// line does, CRLF in a file that has none.
std::string withIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::string& value);
