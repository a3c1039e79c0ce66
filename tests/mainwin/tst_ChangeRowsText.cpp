#include "DataTable.h"
#include "HistoryFixture.h"
#include "mainwin/ChangeRowsText.h"

#include <QLocale>

namespace {

// Below a "Search Result:" row: an undated line, a line outside ASCII (one character beyond the
// 16-bit range), an empty line, and blanks around a change whose day carries into the next month.
const QStringList SampleLines{"Version 1.0", "10.03.99 Added: caf\u00e9 \U0001F600", "",
                              "31.02.99   Fixed: carried   "};

QString day(int month, int dayOfMonth, const QString &format)
{
    return QLocale::system().toString(QDate(1999, month, dayOfMonth), format);
}

ChangeRows searchRows()
{
    return ChangeRows::listed(lineList({0, 1, 2, 3}), false, ChangeRows::HeaderPlace::Top);
}

// Every row of `rows` selected, given as overlapping spans that run past the end.
QString copyAll(const HistoryDocument &document, const ChangeRows &rows, const RowTextColumns &columns)
{
    return changeRowsText(document, rows, {RowSpan{3_row, ListRow(rows.size() + 5)}, RowSpan{0_row, 3_row}},
                          columns);
}

} // namespace

class tst_ChangeRowsText : public QObject
{
    Q_OBJECT

private slots:
    void copiesRows_data()
    {
        const auto row =
            addColumns<bool, QList<int>, QString, QString>({"separate", "order", "dayFormat", "expected"});
        row("Change heading first, day format with the day's number", true, {2, 0, 1}, "ddd d",
            "Search Result:\t\t\r\nVersion 1.0\t\t\r\nAdded: caf\u00e9 \U0001F600\t" + day(3, 10, "ddd d") +
                "\t10/03/1999\r\n\t\t\r\nFixed: carried\t" + day(3, 3, "ddd d") + "\t03/03/1999\r\n");
        row("one column holds the whole line", false, {0, 1, 2}, "dddd",
            "Search Result:\r\nVersion 1.0\r\n10.03.99 Added: caf\u00e9 \U0001F600\r\n\r\n"
            "31.02.99   Fixed: carried\r\n");
    }
    void copiesRows()
    {
        auto [separate, order, dayFormat] =
            fetch<bool, QList<int>, QString>({"separate", "order", "dayFormat"});
        const HistoryDocument document = makeDocument(SampleLines);
        RowTextColumns columns;
        columns.separateColumns = separate;
        columns.displayOrder = {order[0], order[1], order[2]};
        columns.dayFormat = dayFormat;
        QTEST(copyAll(document, searchRows(), columns), "expected");
    }

    // Spans that lie inside one another, in either order, copy each row once.
    void nestedSpansCopyEachRowOnce()
    {
        const HistoryDocument document = makeDocument(SampleLines);
        const ChangeRows rows = searchRows();
        RowTextColumns columns;
        columns.separateColumns = false;
        const QString expected = "10.03.99 Added: caf\u00e9 \U0001F600\r\n\r\n31.02.99   Fixed: carried\r\n";
        QCOMPARE(changeRowsText(document, rows, {RowSpan{2_row, 4_row}, RowSpan{3_row, 3_row}}, columns),
                 expected);
        QCOMPARE(changeRowsText(document, rows, {RowSpan{3_row, 4_row}, RowSpan{2_row, 4_row}}, columns),
                 expected);
    }

    // Lines are decoded from the file's own bytes straight into the copy, whole however long they are.
    void copiesWholeLinesOfEitherEncoding()
    {
        const QString longChange = QString(70000, QChar(0xe9));
        const QStringList lines{"Version 1.0 \u0153uvre", "10.03.99 Added: caf\u00e9 \u00fcber \u20ac",
                                "31.02.99 Fixed: " + longChange};
        const QString expected = "\t\tVersion 1.0 \u0153uvre\r\n" + day(3, 10, "dddd") +
                                 "\t10/03/1999\tAdded: caf\u00e9 \u00fcber \u20ac\r\n" + day(3, 3, "dddd") +
                                 "\t03/03/1999\tFixed: " + longChange + "\r\n";
        for (const TextEncoding encoding : {TextEncoding::Utf8, TextEncoding::Windows1252}) {
            const HistoryDocument document = makeDocument(lines, {}, encoding);
            QCOMPARE(copyAll(document, ChangeRows::everyLine(3, false), RowTextColumns{}), expected);
        }
    }

    // Enough rows to be copied in two halves side by side, on ten dates, in text outside ASCII.
    void manyRowsAreCopiedInOrder()
    {
        QStringList lines;
        QString expected;
        for (int i = 0; i < 60000; ++i) {
            const int dayOfMonth = 10 + i % 10;
            lines << QStringLiteral("%1.03.99 Fixed: \u00e9l\u00e8ve %2").arg(dayOfMonth).arg(i);
            expected += day(3, dayOfMonth, "dddd") +
                        QStringLiteral("\t%1/03/1999\tFixed: \u00e9l\u00e8ve %2\r\n").arg(dayOfMonth).arg(i);
        }
        const HistoryDocument document = makeDocument(lines);
        QCOMPARE(copyAll(document, ChangeRows::everyLine(int(lines.size()), false), RowTextColumns{}),
                 expected);
    }
};

QTEST_GUILESS_MAIN(tst_ChangeRowsText)
#include "tst_ChangeRowsText.moc"
