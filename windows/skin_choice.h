// The rabbit's look: its built-in pictures or a set from skins\, taken at start and changed
// from the notification icon's menu.
#pragma once

#include <string>

// The set whose pictures the rabbit wears; empty for the built-in pictures.
const std::string& skinInUse();
// At start, before the outlines are cut: the remembered set's pictures in the sprite bank, or
// the built-in ones without a word where it cannot be used; varnok.ini stays as it is.
void takeRememberedSkin();
// From the menu: the set's pictures (empty: the built-in ones) on the rabbit at once and
// remembered in varnok.ini. A set that cannot be used is explained in a box and changes
// nothing. Choosing the set in use reads its files again.
void chooseSkin(const std::string& name);
