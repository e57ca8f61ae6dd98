#pragma once

#include <QImage>

#include <map>
#include <string>
#include <vector>

// Every image of one bitmap list, by index; indices not in the map stay
// empty in the list.
using TArtList = std::map<int, QImage>;

// Each at a scale: 1, or 2 for screens of twice the pixel density.
TArtList MakeGameButtonFaces(int scale); // bmps 6..17
TArtList MakeDialogArt(int scale);       // dlgs
TArtList MakeOptionFaces(int scale);     // opts
// The faces of the languages beyond German and English, French to Russian:
// two each (up, and under the pointer).
TArtList MakeLanguageFaces(int scale); // langs
TArtList MakeProgramFaces(int scale);    // btns, with the Tip button's faces at 19..21
QImage MakeProgramIcon();
// The program icon's drawing for the desktop, at any size in pixels.
QImage MakeDesktopIcon(int size);
