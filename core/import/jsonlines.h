#pragma once

#include <QByteArrayView>
#include <vector>

namespace soccer {

// The line each match object starts on in an openfootball JSON text, which QJsonDocument does
// not tell: `root` for the elements of the top-level "matches" array, `rounds[i]` for those of
// "matches" in element i of the top-level "rounds" array. A key given twice counts by its last
// occurrence, as QJsonDocument reads it. Lines count from 1.
struct JsonMatchLines {
    std::vector<int> root;
    std::vector<std::vector<int>> rounds;

    // 0 when the position is not known.
    int rootLine(std::size_t index) const { return index < root.size() ? root[index] : 0; }
    int roundLine(std::size_t round, std::size_t index) const {
        return round < rounds.size() && index < rounds[round].size() ? rounds[round][index] : 0;
    }
};

// A structural scan of UTF-8 JSON: strings, brackets and keys, no values. Text that is not
// JSON gives whatever positions were found; the caller reads the values with QJsonDocument.
JsonMatchLines locateJsonMatches(QByteArrayView json);

// The line of a byte offset (from 1).
int lineAtOffset(QByteArrayView text, qsizetype offset);

} // namespace soccer
