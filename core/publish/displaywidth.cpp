#include "core/publish/displaywidth.h"

#include <QList>
#include <QStringView>
#include <algorithm>
#include <array>

namespace soccer {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// The blocks of characters that terminals draw two columns wide (East Asian Width W and F):
// Hangul, CJK, kana, full-width forms and the pictographs. Sorted for a binary search.
constexpr std::array<Range, 44> kWide = {{
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
    {0x23F0, 0x23F0},   {0x23F3, 0x23F3},   {0x25FD, 0x25FE},   {0x2614, 0x2615},
    {0x2648, 0x2653},   {0x267F, 0x267F},   {0x2693, 0x2693},   {0x26A1, 0x26A1},
    {0x26AA, 0x26AB},   {0x26BD, 0x26BE},   {0x26C4, 0x26C5},   {0x26CE, 0x26CE},
    {0x26D4, 0x26D4},   {0x26EA, 0x26EA},   {0x26F2, 0x26F3},   {0x26F5, 0x26F5},
    {0x26FA, 0x26FA},   {0x26FD, 0x26FD},   {0x2705, 0x2705},   {0x270A, 0x270B},
    {0x2728, 0x2728},   {0x274C, 0x274C},   {0x2E80, 0x303E},   {0x3041, 0x33FF},
    {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},
    {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},   {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},
    {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x16FE0, 0x1B2FF}, {0x1F004, 0x1F004},
    {0x1F200, 0x1F251}, {0x1F300, 0x1F64F}, {0x1F680, 0x1FAFF}, {0x20000, 0x3FFFD},
}};

bool isWide(char32_t ch) {
    const auto after =
        std::upper_bound(kWide.begin(), kWide.end(), ch,
                         [](char32_t value, Range range) { return value < range.first; });
    return after != kWide.begin() && ch <= std::prev(after)->last;
}

bool isZeroWidth(char32_t ch) {
    switch (QChar::category(ch)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
        return ch != 0x00AD; // the soft hyphen is drawn
    default:
        return ch == 0x200B || (ch >= 0x1160 && ch <= 0x11FF);
    }
}

bool isControl(char32_t ch) {
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

} // namespace

int displayWidth(const QString &text) {
    int width = 0;
    for (char32_t ch : QStringView(text).toUcs4()) {
        if (isZeroWidth(ch))
            continue;
        width += isWide(ch) ? 2 : 1;
    }
    return width;
}

QString withoutControls(const QString &text) {
    QString out = text;
    for (QChar &ch : out) {
        if (isControl(ch.unicode()))
            ch = QChar::ReplacementCharacter;
    }
    return out;
}

} // namespace soccer
