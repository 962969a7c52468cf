// "匯出範本…": the 34 built-in pictures, for users to draw over, as skins\template\133.png to
// 166.png beside a README.txt of the rules.
#pragma once

// Writes the files over any of the same names, leaving everything else in the folder; a box
// then names the folder, or the file that could not be written.
void exportTemplate();
