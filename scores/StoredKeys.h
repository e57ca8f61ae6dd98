#pragma once

#include <QString>

// The sections and keys of the settings file, each named once here. The
// lifetime figures' own keys (played, sets, ...) are listed with their
// fields in LifetimeStats.cpp.
namespace StoredKey {
// The options, the window's placement and the high-score table.
inline const QString Common = QStringLiteral("common");
inline const QString Sound = QStringLiteral("sound");
inline const QString Music = QStringLiteral("music");
inline const QString Detector = QStringLiteral("hint");
inline const QString Tongue = QStringLiteral("tongue"); // 1 German, 0 any other
// The code of a language beyond German and English ("fr", "pt_BR", ...),
// stored only while one of them is chosen.
inline const QString Language = QStringLiteral("language");
inline const QString BackMode = QStringLiteral("backmode");
inline const QString Palette = QStringLiteral("palette");
inline const QString Placement = QStringLiteral("MainForm");
inline const QString Player = QStringLiteral("player");
inline const QString HighscoreRows = QStringLiteral("hs"); // followed by the row, 0..14

// The figures of the games played.
inline const QString Stats = QStringLiteral("stats");
inline const QString LastGame = QStringLiteral("last");
// The last game's deal code, followed by " again" when that deal had been
// played before.
inline const QString LastDeal = QStringLiteral("lastdeal");
inline const QString ShowReview = QStringLiteral("review");
} // namespace StoredKey
