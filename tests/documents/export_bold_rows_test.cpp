// The tables of an exported trip sheet: a row is set in bold exactly when its
// first cell is empty; the routes' "Viso:" row is not. Read from the written
// document's main text.

#include "documents/docx_package.h"
#include "tests/documents/sheet_fixture.h"

#include <QDomDocument>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

class ExportedTables : public SheetFixture {
protected:
    void SetUp() override
    {
        SheetFixture::SetUp();
        // A home of its own: tests running side by side must not see each other's documents.
        savedHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
    }
    void TearDown() override
    {
        qputenv("HOME", savedHome);
        SheetFixture::TearDown();
    }

    QTemporaryDir home;
    QByteArray savedHome;
};

TEST_F(ExportedTables, OnlyRowsWithAnEmptyFirstCellAreBold)
{
    // A line without a fuel norm gives a norm summary row without a name.
    record("O4000200", fields({{"TransportTripID", sheet}, {"Distance", 10.0}, {"FuelNormByDistance", 12.0},
                               {"Date", QDateTime(QDate(2026, 11, 5), QTime(7, 0))}}));
    installShippedTemplate();
    const vx::CallResult result = open()->Methods(QStringLiteral("ExportToWord"), QString());
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();

    documents::DocxPackage package;
    documents::DocumentError error;
    ASSERT_TRUE(package.read(result.Value.toString(), &error)) << error.text.toStdString();
    QDomDocument xml;
    ASSERT_TRUE(xml.setContent(package.part(QStringLiteral("word/document.xml"))));
    QStringList bold, plain; // the first cells' texts
    const QDomNodeList rows = xml.elementsByTagName(QStringLiteral("w:tr"));
    for (int r = 0; r < rows.size(); ++r) {
        const QDomElement row = rows.at(r).toElement();
        if (!row.elementsByTagName(QStringLiteral("w:tblHeader")).isEmpty())
            continue;
        const QDomElement first = row.firstChildElement(QStringLiteral("w:tc"));
        // A merged first cell stands for an empty one and shows the second.
        const bool merged = !first.elementsByTagName(QStringLiteral("w:gridSpan")).isEmpty();
        const QString text = merged ? QStringLiteral("(merged) ") + first.text() : first.text();
        (row.elementsByTagName(QStringLiteral("w:b")).isEmpty() ? plain : bold) << text;
    }
    EXPECT_EQ(bold, QStringList{QStringLiteral("(merged) 12")});
    EXPECT_TRUE(plain.contains(QStringLiteral("Viso:"))) << plain.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(plain.contains(QStringLiteral("Vasara")));
}

} // namespace
