#pragma once

#include <QChar>
#include <QString>
#include <QStringView>
#include <vector>

namespace soccer {

// Fields beyond this are counted but not kept: a line of a million commas must not cost a
// million texts. Wide exports (betting odds after the score) keep their first columns.
constexpr int kKeptCsvFields = 64;

// One record of a CSV text: usually one line, more when a quoted field holds line breaks.
struct CsvRecord {
    int line = 0; // the line it starts on, from 1
    int fieldCount = 0;
    std::vector<QString> fields; // the first kKeptCsvFields, without surrounding blanks
    bool unclosedQuote = false;  // a quote runs to the end of the text
    bool hasText = false;        // anything but blanks and separators

    bool blank() const { return !hasText; }
    // The field, or the empty text for one the record does not have.
    QString field(int index) const {
        return index >= 0 && index < int(fields.size()) ? fields[std::size_t(index)] : QString();
    }
};

// Splits a text into records by RFC 4180: a field in double quotes may hold the separator,
// line breaks and doubled quotes; what follows a closing quote up to the separator is kept,
// as most readers do. Line ends are LF, CR LF or CR. Lines are counted as it goes, so every
// record knows the line it starts on.
class CsvScanner {
  public:
    CsvScanner(QStringView text, QChar separator) : text_(text), separator_(separator) {}

    // The next record; with `keep` false only its fields are counted.
    bool next(CsvRecord &record, bool keep = true);

  private:
    bool isLineEnd(QChar ch) const { return ch == u'\n' || ch == u'\r'; }
    bool isBlank(QChar ch) const { return (ch == u' ' || ch == u'\t') && ch != separator_; }
    void consumeLineEnd();
    QString readField(CsvRecord &record, bool keep);
    void readQuoted(bool &unclosedQuote, QString *field);

    QStringView text_;
    QChar separator_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

// The one of tab, ';' and ',' that splits the most of the first 20 non-blank lines into four
// fields or more; a tie goes to tab, then ';'; ',' when none does.
QChar detectCsvSeparator(QStringView text);

} // namespace soccer
