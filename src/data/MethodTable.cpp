// The letter values and the table of the counting methods.
#include "data/Gematria.h"

namespace vellumark {

namespace {

/// Each form's letter in alphabet order (0 alef … 21 tav): a final form is its letter.
constexpr std::array<int, kLetterForms> kAlphabetPlace = {0,  1,  2,  3,  4,  5,  6,  7,  8,
                                                          9,  10, 10, 11, 12, 12, 13, 13, 14,
                                                          15, 16, 16, 17, 17, 18, 19, 20, 21};
constexpr int kPlaces = 22;

constexpr std::int32_t StandardOfPlace(int place) {
    constexpr std::array<std::int32_t, kPlaces> kByPlace = {
        1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400};
    return kByPlace[static_cast<std::size_t>(place)];
}

template <typename ValueOfForm>
constexpr LetterTable MakeTable(ValueOfForm value) {
    LetterTable table{};
    for (int form = 0; form < kLetterForms; ++form)
        table[static_cast<std::size_t>(form)] =
            value(form, kAlphabetPlace[static_cast<std::size_t>(form)]);
    return table;
}

/// ך ם ן ף ץ, by form index.
constexpr std::array<int, 5> kFinalForms = {10, 13, 15, 19, 21};

/// The place of a final form among the finals (0 for ך … 4 for ץ), or -1.
constexpr int FinalRank(int form) {
    for (std::size_t k = 0; k < kFinalForms.size(); ++k)
        if (kFinalForms[k] == form) return static_cast<int>(k);
    return -1;
}

/// The standard value of the letter that `partner` gives for each place.
template <typename Partner>
constexpr LetterTable Substituted(Partner partner) {
    return MakeTable([partner](int, int place) { return StandardOfPlace(partner(place)); });
}

constexpr LetterTable kStandard = MakeTable([](int, int place) { return StandardOfPlace(place); });
constexpr LetterTable kFinal = MakeTable([](int form, int place) {
    const int rank = FinalRank(form);
    return rank < 0 ? StandardOfPlace(place) : 500 + 100 * rank;
});
constexpr LetterTable kOrdinal = MakeTable([](int, int place) { return place + 1; });
constexpr LetterTable kOrdinalFinal = MakeTable([](int form, int place) {
    const int rank = FinalRank(form);
    return rank < 0 ? place + 1 : kPlaces + 1 + rank;
});
constexpr LetterTable kReduced = MakeTable([](int, int place) {
    std::int32_t value = StandardOfPlace(place);
    while (value % 10 == 0) value /= 10;
    return value;
});
constexpr LetterTable kAtbash = Substituted([](int place) { return kPlaces - 1 - place; });
constexpr LetterTable kAlbam = Substituted([](int place) { return (place + 11) % kPlaces; });
constexpr LetterTable kAvgad = Substituted([](int place) { return (place + 1) % kPlaces; });
constexpr LetterTable kAvgadReverse =
    Substituted([](int place) { return (place + kPlaces - 1) % kPlaces; });
constexpr LetterTable kSquares = MakeTable([](int, int place) {
    const std::int32_t value = StandardOfPlace(place);
    return value * value;
});
constexpr LetterTable kCubes = MakeTable([](int, int place) {
    const std::int32_t value = StandardOfPlace(place);
    return value * value * value;
});
constexpr LetterTable kTriangular = MakeTable([](int, int place) {
    std::int32_t sum = 0;
    for (int p = 0; p <= place; ++p) sum += StandardOfPlace(p);
    return sum;
});
constexpr LetterTable kLettersAdded =
    MakeTable([](int, int place) { return StandardOfPlace(place) + 1; });

/// The standard values of the letters' spelled-out names but ה and ו (א אלף,
/// ב בית, ג גימל, ד דלת, ז זין, ח חית, ט טית, י יוד, כ כף, ל למד, מ מם, נ נון,
/// ס סמך, ע עין, פ פא, צ צדי, ק קוף, ר ריש, ש שין, ת תו), by place.
constexpr std::array<std::int32_t, kPlaces> kNames = {111, 412, 83,  434, 0,   0,   67,  418,
                                                      419, 20,  100, 74,  80,  106, 120, 130,
                                                      81,  104, 186, 510, 360, 406};

/// The fillings, named by the value they give יהוה: ה as הי, הי, הא, הה and ו
/// as ויו, ואו, ואו, וו.
constexpr LetterTable Milui(std::int32_t he, std::int32_t vav, bool hidden) {
    return MakeTable([=](int, int place) {
        const std::int32_t name = place == 4 ? he : place == 5 ? vav : kNames[place];
        return hidden ? name - StandardOfPlace(place) : name;
    });
}
constexpr LetterTable kMilui72 = Milui(15, 22, false), kHidden72 = Milui(15, 22, true);
constexpr LetterTable kMilui63 = Milui(15, 13, false), kHidden63 = Milui(15, 13, true);
constexpr LetterTable kMilui45 = Milui(6, 13, false), kHidden45 = Milui(6, 13, true);
constexpr LetterTable kMilui52 = Milui(10, 12, false), kHidden52 = Milui(10, 12, true);

static_assert(kFinal[10] == 500 && kFinal[21] == 900 && kOrdinalFinal[21] == 27);
static_assert(kAtbash[0] == 400 && kReduced[26] == 4 && kAlbam[0] == 30 && kAvgad[26] == 1);
static_assert(kTriangular[26] == 1495 && kCubes[26] == 64'000'000);
static_assert(kMilui72[9] + kMilui72[4] + kMilui72[5] + kMilui72[4] == 72 &&
              kMilui52[9] + kMilui52[4] + kMilui52[5] + kMilui52[4] == 52);

using G = MethodGroup;
using R = WordRule;
constexpr std::array<MethodInfo, kMethodCount> kTable = {{
    {Method::StandardAndFinal, "Standard and final letters", "standard-final", G::StandardValues,
     R::Letters, &kStandard, true},
    {Method::Standard, "Standard", "standard", G::StandardValues, R::Letters, &kStandard, true},
    {Method::Final, "Final letters", "final", G::StandardValues, R::Letters, &kFinal, true},
    {Method::Ordinal, "Ordinal", "ordinal", G::StandardValues, R::Letters, &kOrdinal, true},
    {Method::Reduced, "Reduced", "reduced", G::StandardValues, R::Letters, &kReduced, true},
    {Method::Atbash, "Atbash", "atbash", G::Substitutions, R::Letters, &kAtbash, true},
    {Method::OrdinalFinal, "Ordinal with finals", "ordinal-final", G::StandardValues, R::Letters,
     &kOrdinalFinal, true},
    {Method::IntegralReduced, "Integral reduced", "integral-reduced", G::StandardValues, R::Letters,
     &kStandard, false},
    {Method::Albam, "Albam", "albam", G::Substitutions, R::Letters, &kAlbam, true},
    {Method::Avgad, "Avgad", "avgad", G::Substitutions, R::Letters, &kAvgad, true},
    {Method::AvgadReverse, "Reverse avgad", "avgad-reverse", G::Substitutions, R::Letters,
     &kAvgadReverse, true},
    {Method::Squares, "Squares (perati)", "squares", G::SquaresAndSums, R::Letters, &kSquares,
     true},
    {Method::Cubes, "Cubes (meshulash)", "cubes", G::SquaresAndSums, R::Letters, &kCubes, true},
    {Method::Triangular, "Triangular (kidmi)", "triangular", G::SquaresAndSums, R::Letters,
     &kTriangular, true},
    {Method::Building, "Building (boneh)", "building", G::SquaresAndSums, R::Building, &kStandard,
     true},
    {Method::Position, "Position (ha-achor)", "position", G::SquaresAndSums, R::Position,
     &kStandard, true},
    {Method::Kolel, "Kolel", "kolel", G::SquaresAndSums, R::Kolel, &kStandard, true},
    {Method::LettersAdded, "Added letters (musafi)", "letters-added", G::SquaresAndSums, R::Letters,
     &kLettersAdded, true},
    {Method::Milui72, "Milui 72", "milui-72", G::Fillings, R::Letters, &kMilui72, true},
    {Method::Milui63, "Milui 63", "milui-63", G::Fillings, R::Letters, &kMilui63, true},
    {Method::Milui45, "Milui 45", "milui-45", G::Fillings, R::Letters, &kMilui45, true},
    {Method::Milui52, "Milui 52", "milui-52", G::Fillings, R::Letters, &kMilui52, true},
    {Method::Hidden72, "Hidden (ne'elam) 72", "hidden-72", G::Fillings, R::Letters, &kHidden72,
     true},
    {Method::Hidden63, "Hidden (ne'elam) 63", "hidden-63", G::Fillings, R::Letters, &kHidden63,
     true},
    {Method::Hidden45, "Hidden (ne'elam) 45", "hidden-45", G::Fillings, R::Letters, &kHidden45,
     true},
    {Method::Hidden52, "Hidden (ne'elam) 52", "hidden-52", G::Fillings, R::Letters, &kHidden52,
     true},
}};

constexpr bool TableInEnumOrder() {
    for (std::size_t k = 0; k < kTable.size(); ++k)
        if (kTable[k].method != kMethods[k] || static_cast<std::size_t>(kTable[k].method) != k)
            return false;
    return true;
}
static_assert(TableInEnumOrder());

}  // namespace

const MethodInfo& InfoOf(Method method) {
    const auto index = static_cast<std::size_t>(method);
    return kTable[index < kTable.size() ? index : 0];
}

std::string_view MethodName(Method method) { return InfoOf(method).name; }

std::string_view GroupName(MethodGroup group) {
    switch (group) {
        case MethodGroup::Substitutions:
            return "Substitutions";
        case MethodGroup::SquaresAndSums:
            return "Squares and sums";
        case MethodGroup::Fillings:
            return "Fillings";
        default:
            return "Standard values";
    }
}

std::optional<Method> MethodOfKey(std::string_view key) {
    for (const MethodInfo& info : kTable)
        if (info.key == key) return info.method;
    return std::nullopt;
}

const LetterTable& LetterValues(Method method) { return *InfoOf(method).letters; }

}  // namespace vellumark
