#pragma once

#include <QImage>

#include <map>
#include <string>
#include <vector>

// Every image of one bitmap list, by index; indices not in the map stay
// empty in the list.
using TArtList = std::map<int, QImage>;

TArtList MakeGameButtonFaces(); // bmps 6..17
TArtList MakeDialogArt();       // dlgs
TArtList MakeOptionFaces();     // opts
TArtList MakeProgramFaces();    // btns, with the Tip button's faces at 19..21
QImage MakeProgramIcon();
