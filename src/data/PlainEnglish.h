#pragma once

#include <string>
#include <string_view>

namespace vellumark {

/// A verse's English text (as EnglishOT.html holds it after the anchor) as
/// plain text: tags dropped, character entities decoded (named ones of HTML 4
/// text, and numeric ones such as «&#35;» for "#"), blanks around removed.
/// «<i>was</i> A&amp;B &#35;1» gives «was A&B #1».
std::string PlainEnglish(std::string_view html);

}  // namespace vellumark
