#include "core/import/csvscanner.h"

#include <array>

namespace soccer {

namespace {

constexpr int kSampleLines = 20;
constexpr int kMatchFields = 4;

int linesOfFourFields(QStringView text, QChar separator) {
    CsvScanner scanner(text, separator);
    CsvRecord record;
    int seen = 0;
    int wide = 0;
    while (seen < kSampleLines && scanner.next(record, false)) {
        if (record.blank())
            continue;
        ++seen;
        wide += record.fieldCount >= kMatchFields ? 1 : 0;
    }
    return wide;
}

} // namespace

bool CsvScanner::next(CsvRecord &record, bool keep) {
    if (pos_ >= text_.size())
        return false;
    record.line = line_;
    record.fieldCount = 0;
    record.fields.clear();
    record.unclosedQuote = false;
    record.hasText = false;
    for (;;) {
        const bool kept = keep && record.fieldCount < kKeptCsvFields;
        QString field = readField(record, kept);
        if (kept)
            record.fields.push_back(std::move(field));
        ++record.fieldCount;
        if (pos_ < text_.size() && text_[pos_] == separator_) {
            ++pos_;
            continue;
        }
        consumeLineEnd();
        return true;
    }
}

void CsvScanner::consumeLineEnd() {
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == u'\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')
        ++pos_;
    ++pos_;
    ++line_;
}

QString CsvScanner::readField(CsvRecord &record, bool keep) {
    qsizetype look = pos_;
    while (look < text_.size() && isBlank(text_[look]))
        ++look;
    QString quoted;
    const bool isQuoted = look < text_.size() && text_[look] == u'"';
    if (isQuoted) {
        pos_ = look + 1;
        record.hasText = true;
        readQuoted(record.unclosedQuote, keep ? &quoted : nullptr);
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != separator_ && !isLineEnd(text_[pos_])) {
        record.hasText = record.hasText || !isBlank(text_[pos_]);
        ++pos_;
    }
    if (!keep)
        return {};
    // The usual unquoted field costs one copy; blanks around it are not kept.
    const QStringView rest = text_.sliced(start, pos_ - start);
    if (!isQuoted)
        return rest.trimmed().toString();
    quoted += rest;
    return std::move(quoted).trimmed();
}

// Reads up to the closing quote, into `field` unless it is null.
void CsvScanner::readQuoted(bool &unclosedQuote, QString *field) {
    qsizetype start = pos_;
    const auto take = [&](qsizetype end) {
        if (field)
            *field += text_.sliced(start, end - start);
    };
    while (pos_ < text_.size()) {
        const QChar ch = text_[pos_];
        if (ch == u'"') {
            take(pos_);
            if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'"') {
                if (field)
                    *field += u'"';
                pos_ += 2;
                start = pos_;
                continue;
            }
            ++pos_;
            return;
        }
        if (ch == u'\n' || (ch == u'\r' && !(pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\n')))
            ++line_;
        ++pos_;
    }
    unclosedQuote = true;
    take(pos_);
}

QChar detectCsvSeparator(QStringView text) {
    const std::array<QChar, 3> candidates = {QLatin1Char('\t'), QLatin1Char(';'), QLatin1Char(',')};
    QChar best = QLatin1Char(',');
    int bestCount = 0;
    for (QChar candidate : candidates) {
        const int count = linesOfFourFields(text, candidate);
        if (count > bestCount) {
            best = candidate;
            bestCount = count;
        }
    }
    return best;
}

} // namespace soccer
