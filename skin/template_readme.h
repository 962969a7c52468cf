// The template's README.txt: how to make a set, its rules and what each number shows.
#pragma once

#include <string>

// The whole file in every language the program speaks, one section each: UTF-8 with a byte
// order mark, so that Notepad reads it as such, and CRLF line ends.
std::string templateReadme();
