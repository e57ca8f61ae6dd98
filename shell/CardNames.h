#pragma once

#include <QString>

// A card in words, in the language in use, as a screen reader says it: "two
// red hatched triangles", "zwei rote schraffierte Dreiecke"; "empty" for no
// card. With the colours that are easy to tell apart, green and red are
// named as the cards show them: black and orange.
QString CardName(int code, bool easyColours = false);
