#include "data/Portions.h"

namespace vellumark {

namespace {
constexpr VerseScope V(std::int16_t book, std::int16_t c1, std::int16_t v1, std::int16_t c2,
                       std::int16_t v2) {
    return {{book, c1, v1}, {book, c2, v2}};
}
}  // namespace

// The boundaries as the published tables of the weekly readings give them
// (listed in the Sources section of EnglishOT.html), with one change: the
// source numbers Exodus 20 in 26 verses, the four short commandments each a
// verse of its own, so Yitro ends at 20:26 where tables that print the
// chapter in 23 verses end it at 20:23.
const std::array<Portion, kPortionCount> kPortions = {{
    {"Bereshit", V(1, 1, 1, 6, 8)},        {"Noach", V(1, 6, 9, 11, 32)},
    {"Lech-Lecha", V(1, 12, 1, 17, 27)},   {"Vayera", V(1, 18, 1, 22, 24)},
    {"Chayei Sarah", V(1, 23, 1, 25, 18)}, {"Toldot", V(1, 25, 19, 28, 9)},
    {"Vayetze", V(1, 28, 10, 32, 3)},      {"Vayishlach", V(1, 32, 4, 36, 43)},
    {"Vayeshev", V(1, 37, 1, 40, 23)},     {"Miketz", V(1, 41, 1, 44, 17)},
    {"Vayigash", V(1, 44, 18, 47, 27)},    {"Vayechi", V(1, 47, 28, 50, 26)},
    {"Shemot", V(2, 1, 1, 6, 1)},          {"Vaera", V(2, 6, 2, 9, 35)},
    {"Bo", V(2, 10, 1, 13, 16)},           {"Beshalach", V(2, 13, 17, 17, 16)},
    {"Yitro", V(2, 18, 1, 20, 26)},        {"Mishpatim", V(2, 21, 1, 24, 18)},
    {"Terumah", V(2, 25, 1, 27, 19)},      {"Tetzaveh", V(2, 27, 20, 30, 10)},
    {"Ki Tisa", V(2, 30, 11, 34, 35)},     {"Vayakhel", V(2, 35, 1, 38, 20)},
    {"Pekudei", V(2, 38, 21, 40, 38)},     {"Vayikra", V(3, 1, 1, 5, 26)},
    {"Tzav", V(3, 6, 1, 8, 36)},           {"Shemini", V(3, 9, 1, 11, 47)},
    {"Tazria", V(3, 12, 1, 13, 59)},       {"Metzora", V(3, 14, 1, 15, 33)},
    {"Acharei Mot", V(3, 16, 1, 18, 30)},  {"Kedoshim", V(3, 19, 1, 20, 27)},
    {"Emor", V(3, 21, 1, 24, 23)},         {"Behar", V(3, 25, 1, 26, 2)},
    {"Bechukotai", V(3, 26, 3, 27, 34)},   {"Bamidbar", V(4, 1, 1, 4, 20)},
    {"Naso", V(4, 4, 21, 7, 89)},          {"Behaalotecha", V(4, 8, 1, 12, 16)},
    {"Shelach", V(4, 13, 1, 15, 41)},      {"Korach", V(4, 16, 1, 18, 32)},
    {"Chukat", V(4, 19, 1, 22, 1)},        {"Balak", V(4, 22, 2, 25, 9)},
    {"Pinchas", V(4, 25, 10, 30, 1)},      {"Matot", V(4, 30, 2, 32, 42)},
    {"Masei", V(4, 33, 1, 36, 13)},        {"Devarim", V(5, 1, 1, 3, 22)},
    {"Vaetchanan", V(5, 3, 23, 7, 11)},    {"Eikev", V(5, 7, 12, 11, 25)},
    {"Re'eh", V(5, 11, 26, 16, 17)},       {"Shoftim", V(5, 16, 18, 21, 9)},
    {"Ki Teitzei", V(5, 21, 10, 25, 19)},  {"Ki Tavo", V(5, 26, 1, 29, 8)},
    {"Nitzavim", V(5, 29, 9, 30, 20)},     {"Vayelech", V(5, 31, 1, 31, 30)},
    {"Haazinu", V(5, 32, 1, 32, 52)},      {"Vezot Haberakhah", V(5, 33, 1, 34, 12)},
}};

}  // namespace vellumark
