// The rabbit's look: its built-in pictures or a set from skins\, taken at start and put on
// when the user chooses one.
#pragma once

#include <string>

// The set whose pictures the rabbit wears; empty for the built-in pictures.
const std::string& skinInUse();
// At start, before the outlines are cut: the remembered set's pictures in the sprite bank, or
// the built-in ones without a word where it cannot be used.
void takeRememberedSkin();
// The set's pictures (empty: the built-in ones) on the rabbit at once, its files read afresh;
// false, with a box naming the set's first problem and the pictures as they were, when it
// cannot be used.
bool wearSkin(const std::string& name);
