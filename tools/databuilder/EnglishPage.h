#pragma once

#include "databuilder/Sources.h"

#include <string>
#include <vector>

namespace databuilder {

/// For each Hebrew verse, what its English line shows: KJV verses, in order, or
/// for a psalm's superscription the KJV's title of the psalm, written as verse 0
/// of its chapter ({19, 3, 0} is the title of Psalm 3). KJV verses without text
/// are left out. A KJV verse that no Hebrew verse holds goes with the verse
/// before it; one without such a verse is named in `lost`.
using EnglishPlan = std::vector<std::vector<Ref>>;
EnglishPlan PlanEnglish(const std::vector<HebrewVerse>& verses,
                        const std::map<Ref, VerseMapEntry>& verseMap, const EnglishText& kjv,
                        std::vector<std::string>& lost);

/// For each Hebrew verse of the plan, the note that starts its English, or ""
/// when the line shows exactly the KJV verse of its own number. The note names
/// what the line shows, in the KJV's numbers, and the other Hebrew verses whose
/// lines show the very same (the KJV made one verse of two):
///   Gen 32:1  -> "(KJV 31:55)"          Neh 7:67 -> "(KJV 7:67–68)"
///   Ps 3:1    -> "(KJV title)"          Isa 63:19 -> "(KJV 63:19–64:1)"
///   1Sam 21:1 -> "(KJV 20:42, shared with Hebrew 20:42)"
/// A list that is not one run of KJV verses is written "(KJV 7:67, 7:69)".
std::vector<std::string> KjvNotes(const std::vector<HebrewVerse>& verses, const EnglishPlan& plan,
                                  const EnglishText& kjv);

/// The page's head, up to the first book: title, style, and the section
/// `id="sources"` on the sources, the counting rules and the KJV notes. One
/// string per line, without line ends; no line begins with a verse key.
std::vector<std::string> EnglishHead();

}  // namespace databuilder
