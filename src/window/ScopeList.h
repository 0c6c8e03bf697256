#pragma once

#include "data/Scope.h"

#include <vector>

class QComboBox;

/// The item data of the Scope drop-down's first two entries; every other
/// entry holds the index of its scope in the list FillScopes returns.
inline constexpr int kWholeTextItem = -1;
inline constexpr int kRangeBelowItem = -2;

/// Fills the main window's Scope drop-down: "Whole text", "The range below",
/// the Torah, the Prophets and the Writings, then the books and the weekly
/// portions of each book of the Torah under headings that cannot be chosen.
/// Returns the named scopes, as ParseScope names them for the reports.
std::vector<vellumark::Scope> FillScopes(QComboBox* box);
