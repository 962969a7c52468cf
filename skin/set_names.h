// The names in a picture set: the folder it lives in under skins\ beside the program, and the
// files of its pictures, "133.png" to "166.png" or ".bmp".
#pragma once

#include <optional>
#include <string>

constexpr char SKINS_FOLDER[] = "skins";
// The folder the template is exported to, and its readme.
constexpr char TEMPLATE_SET[] = "template";
constexpr char TEMPLATE_README_FILE[] = "README.txt";
// A picture of at most 98 x 106 pixels needs far less; anything larger is not one.
constexpr unsigned long LARGEST_PICTURE_BYTES = 1024 * 1024;

// The picture a file of a set stands for, by its name in any case; none for any other file.
std::optional<int> pictureOfFile(const std::string& fileName);
// The template's file of a picture: "133.png".
std::string pngFileName(int id);

// A name that stays one folder right under skins\ on Windows: not empty, no separator,
// drive or other character Windows refuses, no dot or space at the end (which Windows drops,
// so "." and ".." too), and not a device name such as CON or COM1.
bool isPlainSetName(const std::string& name);
