#pragma once

class QComboBox;

/// The item data of "All methods" in a method drop-down; every other entry
/// holds its Method as an int.
inline constexpr int kAllMethodsItem = -1;

/// Fills a search's Method drop-down: the default method first, then "All
/// methods", then the other search methods under the headings of their groups
/// (Standard values, Substitutions, Squares and sums, Fillings). Headings are
/// shown in bold and cannot be chosen. Integral reduced is no search method:
/// with `rangeTotals` (a list that also serves Range Totals) it is an entry
/// "Integral reduced (Range Totals only)"; otherwise a note under Standard
/// values, which cannot be chosen, says it is not for searches.
void FillSearchMethods(QComboBox* box, bool rangeTotals = false);
