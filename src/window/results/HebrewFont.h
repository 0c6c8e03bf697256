#pragma once

#include <QFont>

/// A font for Hebrew text, a little larger than `base`: the first of the
/// families known to hold the Hebrew letters that is installed, else `base`'s
/// family (the font system then falls back for the letters).
QFont HebrewFont(const QFont& base);
