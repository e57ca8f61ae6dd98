#pragma once

#include <QString>

// The error texts of the program's layers (settings, sound, rules viewer)
// are written in English; this gives each in the language in use. A text
// that is not in the catalogue (a system's own message) stays as it is.
QString SayError(const QString& english);
