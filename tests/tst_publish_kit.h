#pragma once

// Helpers shared by the tests of publishing: tables to publish, and readers that take the
// exported CSV and HTML apart again as a spreadsheet or a strict XML parser would.
#include "bench/playedleague.h"
#include "core/league/score.h"
#include "core/publish/publishedtables.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <memory>

namespace publishkit {

using benchkit::playedLeague;

// Four teams, one half: Гамма wins everything; Альфа and Бета draw 1:1 and end on 1 point
// each, Альфа with the better goal difference (-2 against -4); Дельта has 3. Goals against
// order them differently from the ranking.
inline std::unique_ptr<soccer::League> smallLeague() {
    auto league = std::make_unique<soccer::League>();
    league->teamCount = 4;
    league->teamNames = {QString(), QStringLiteral("Альфа"), QStringLiteral("Бета"),
                         QStringLiteral("Гамма"), QStringLiteral("Дельта")};
    league->tablePath = QStringLiteral("/home/league/Весна 2016.TFL");
    soccer::CrossTable &first = league->crossTables[1];
    soccer::enterScore(first, 3, 1, QStringLiteral("2 0"));
    soccer::enterScore(first, 3, 2, QStringLiteral("5 4"));
    soccer::enterScore(first, 3, 4, QStringLiteral("1 0"));
    soccer::enterScore(first, 1, 2, QStringLiteral("1 1"));
    soccer::enterScore(first, 4, 2, QStringLiteral("3 0"));
    return league;
}

// The column of a published table headed `header`, or -1.
inline int columnHeaded(const soccer::PublishedTable &table, const QString &header) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].header == header)
            return int(i);
    }
    return -1;
}

// The texts of one column of a published table, top to bottom.
inline QStringList columnTexts(const soccer::PublishedTable &table, int column) {
    QStringList texts;
    for (const auto &row : table.rows)
        texts.append(row[std::size_t(column)].text);
    return texts;
}

// RFC 4180 with ';' between fields and CR LF between records; the byte-order mark is checked
// by the caller. A malformed file gives a record holding "<malformed>".
inline QList<QStringList> parseCsv(const QByteArray &bytes) {
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (ch == u'"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == u'"' && field.isEmpty()) {
            quoted = true;
        } else if (ch == u';') {
            record.append(field);
            field.clear();
        } else if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            ++i;
        } else if (ch == u'"' || ch == u'\r' || ch == u'\n') {
            return {{QStringLiteral("<malformed>")}};
        } else {
            field += ch;
        }
    }
    if (quoted || !field.isEmpty() || !record.isEmpty())
        return {{QStringLiteral("<malformed>")}};
    return records;
}

struct HtmlTable {
    QString caption;
    QStringList headers;      // the texts of the header row
    QStringList headerTitles; // their title attributes
    QList<QStringList> rows;  // every body cell's text, the row header included
    QList<QStringList> rowClasses;
};

struct HtmlPage {
    QString error; // the XML parser's complaint or a markup rule broken; empty when none
    QString lang;
    QString title;
    QString heading;
    QString date; // the datetime attribute of <time>
    QList<HtmlTable> tables;
};

// Reads the page as XML, strictly: any error ends the reading and is reported. Header cells
// must say their scope: "col" in the header row, "row" in the body.
inline HtmlPage readHtmlPage(const QByteArray &bytes) {
    HtmlPage page;
    QXmlStreamReader xml(bytes);
    bool inHead = false;
    while (!xml.atEnd() && page.error.isEmpty()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            if (xml.isEndElement() && xml.name() == QLatin1String("thead"))
                inHead = false;
            continue;
        }
        const QStringView name = xml.name();
        const QXmlStreamAttributes attributes = xml.attributes();
        if (name == QLatin1String("html")) {
            page.lang = attributes.value(QLatin1String("lang")).toString();
        } else if (name == QLatin1String("title")) {
            page.title = xml.readElementText();
        } else if (name == QLatin1String("h1")) {
            page.heading = xml.readElementText();
        } else if (name == QLatin1String("time")) {
            page.date = attributes.value(QLatin1String("datetime")).toString();
        } else if (name == QLatin1String("table")) {
            page.tables.append(HtmlTable());
        } else if (name == QLatin1String("caption") && !page.tables.isEmpty()) {
            page.tables.back().caption = xml.readElementText();
        } else if (name == QLatin1String("thead")) {
            inHead = true;
        } else if (name == QLatin1String("tr") && !inHead && !page.tables.isEmpty()) {
            page.tables.back().rows.append(QStringList());
            page.tables.back().rowClasses.append(QStringList());
        } else if ((name == QLatin1String("th") || name == QLatin1String("td")) &&
                   !page.tables.isEmpty()) {
            HtmlTable &table = page.tables.back();
            const QString scope = attributes.value(QLatin1String("scope")).toString();
            const QString wanted = name == QLatin1String("td") ? QString()
                                   : inHead                    ? QStringLiteral("col")
                                                               : QStringLiteral("row");
            if (scope != wanted)
                page.error = QStringLiteral("a cell without its scope");
            else if (inHead) {
                table.headerTitles.append(attributes.value(QLatin1String("title")).toString());
                table.headers.append(xml.readElementText());
            } else if (!table.rows.isEmpty()) {
                table.rowClasses.back().append(attributes.value(QLatin1String("class")).toString());
                table.rows.back().append(xml.readElementText());
            }
        }
    }
    if (page.error.isEmpty() && xml.hasError())
        page.error = xml.errorString();
    return page;
}

} // namespace publishkit
