#pragma once

#include <QString>

// The folder that holds the rules and the music, with a trailing separator:
// the program's own folder when they lie next to it (a build tree, or a copy
// in a folder of its own), otherwise where a package puts them beside the
// program's folder (<prefix>/share/games/trivolo for <prefix>/games).
QString DataFolder(const QString& programFolder);
