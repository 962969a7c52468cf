// The rabbit's messages: most of them read "你的" + its name + a phrase.
#pragma once

#include <string>

std::string yourRabbit(const char* phrase);
