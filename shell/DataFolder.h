#pragma once

#include <QString>

// The folder that holds the rules and the music, with a trailing separator:
// the program's own folder when they lie next to it (a build tree, or a copy
// in a folder of its own), otherwise where a package puts them beside the
// program's folder (<prefix>/share/games/trivolo for <prefix>/games).
QString DataFolder(const QString& programFolder);

// The player's own folder for what the program writes besides its settings
// (the rules viewer's log) and for music of their own in "music" below it:
// $XDG_DATA_HOME/trivolo, by default ~/.local/share/trivolo; no trailing
// separator.
QString UserDataFolder();
