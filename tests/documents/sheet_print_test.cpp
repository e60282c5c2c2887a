// The printed trip sheet: header lines in order, the own-account distance and
// its correction when the end reading is too small, the four sections with
// their rows and the route totals, and "Print" showing a preview or writing a PDF.

#include "documents/sheet_print.h"
#include "tests/documents/sheet_fixture.h"
#include "tests/support/shown_state.h"

#include <QAction>
#include <QFileInfo>
#include <QScreen>

namespace {

// A report document that notes what it is given, one text per call.
class NotedReport final : public vx::VxReportDocument {
public:
    void setBaseFont(const QString& family, double size) override
    {
        notes << QStringLiteral("font %1 %2").arg(family).arg(size);
    }
    void addLine(const QString& text, double size, int style) override
    {
        notes << (size > 0 ? QStringLiteral("[%1/%2] ").arg(size).arg(style) : QString()) + text;
    }
    void addTable(const QList<Column>& columns) override
    {
        QStringList parts;
        for (const Column& c : columns)
            parts << QStringLiteral("%1 %2 %3").arg(c.caption).arg(c.widthCm, 0, 'g', 6).arg(c.alignment);
        notes << QStringLiteral("table: ") + parts.join(QStringLiteral(" | "));
    }
    void addRow(const QStringList& cells, bool bold) override
    {
        notes << (bold ? QStringLiteral("bold: ") : QStringLiteral("row: ")) + cells.join(QStringLiteral(" | "));
    }
    void show(const QString&) override {}
    bool writePdf(const QString&, QString*) override { return true; }

    QStringList notes;
};

class SheetPrint : public SheetFixture {
protected:
    QStringList print(UIO4000100& editor)
    {
        NotedReport report;
        documents::fillReport(report, documents::readSheet(editor, editor.title()));
        return report.notes;
    }
};

TEST_F(SheetPrint, HeaderLinesAndSectionsFollowInOrderWithTheSheetsRowsAndRouteTotals)
{
    storeStates(documents::tables::routes, QStringLiteral("TransportRouteNote#2#TransportFuelNormDurationValue#2"));
    const QStringList notes = print(*open());
    EXPECT_EQ(notes.mid(0, 18).join(QStringLiteral(" / ")),
              QStringLiteral("font Microsoft Sans Serif 8 / [12/2] Kelionės lapas /  / Pradžios data: 2026.11.03 / "
                             "Pabaigos data: 2026.11.05 / Numeris: KL-0007 / Kodas: A&B <7> / "
                             "Automobilis: Volvo FH 500 / Automobilio numeris: KLM 214 / Vairuotojas: Jonas Jonaitis /  / "
                             "Spidometro parodymai pradžioje: 1000 / Nuvažiuotas atstumas: 120 / "
                             "Nuvažiuota savo sąskaita: 30 / Spidometro parodymai pabaigoje: 1150 /  / [12/2] Atkarpos / "));
    EXPECT_TRUE(messages.messages.isEmpty());

    const QStringList sections = notes.filter(QStringLiteral("[12/2]"));
    EXPECT_EQ(sections.join(u'/'), QStringLiteral("[12/2] Kelionės lapas/[12/2] Atkarpos/[12/2] Čekiai/"
                                                  "[12/2] Kuro sunaudojimo normų suvestinė/[12/2] Kuro bakai"));
    const QStringList tables = notes.filter(QStringLiteral("table: "));
    ASSERT_EQ(tables.size(), 4);
    EXPECT_EQ(tables.at(0), QStringLiteral("table: Data 1.9 0 | Atkarpa 4.85 0 | Atstumas 1.5 1 | Trukmė 1.5 1 | "
                                           "Kuro tipas 1.9 0 | Kuro normos pavadinimas 2 0 | "
                                           "Norma pagal atstumą 1.5 1 | Vairuotojas 3.55 0"));
    EXPECT_TRUE(tables.at(1).endsWith(QStringLiteral("Grynais 1.2 2")));

    const qsizetype routeTable = notes.indexOf(tables.at(0));
    EXPECT_EQ(notes.at(routeTable + 1), QStringLiteral("row: 2026.11.03 08:30 | Vilnius – Šiauliai | 100 | 1,5 | "
                                                       "Dyzelinas EN590 | Vasara | 30 | Jonas Jonaitis"));
    EXPECT_EQ(notes.at(routeTable + 2).section(QStringLiteral(" | "), -1), QStringLiteral("Rūta Žukauskienė"));
    EXPECT_EQ(notes.at(routeTable + 3), QStringLiteral("bold: Viso: |  | 120 | 2 |  |  |  | "));
    const qsizetype chequeTable = notes.indexOf(tables.at(1));
    EXPECT_TRUE(notes.at(chequeTable + 1).startsWith(QStringLiteral("row: 2026.11.04 | 215000 | ")));
    EXPECT_TRUE(notes.at(chequeTable + 1).endsWith(QStringLiteral(" | 1")));
}

TEST_F(SheetPrint, NegativeOwnAccountIsToldAndTheEndReadingRaisedButNotSaved)
{
    {
        const auto editor = open();
        editor->Fields().setValue(QStringLiteral("DistanceEnd"), 1100.0);
        ASSERT_EQ(editor->Save().Code, 0);
    }
    const auto editor = open();
    const QStringList notes = print(*editor);
    EXPECT_TRUE(notes.contains(QStringLiteral("Nuvažiuota savo sąskaita: ")));
    EXPECT_TRUE(notes.contains(QStringLiteral("Spidometro parodymai pabaigoje: 1120")));
    EXPECT_EQ(testhost::takeShown(messages),
              "Critical|Kelmira|Įrašykite kelionės lapą bendro nuvažiuoto atstumo atnaujinimui!|Ok");
    EXPECT_EQ(editor->Fields().value(QStringLiteral("DistanceEnd")).toDouble(), 1120.0);
    EXPECT_EQ(stored(sheetId)->Fields().value(QStringLiteral("DistanceEnd")).toDouble(), 1100.0);
}

// "Print" without a path shows the preview (which also saves a PDF); with a
// path it writes the PDF without asking (its text is kelmiractl's test, which prints the same way).
TEST_F(SheetPrint, PrintShowsThePreviewOrWritesThePdfItIsGiven)
{
    testhost::ScriptedDialogs dialogs;
    dialogs.answer([](QDialog& preview) {
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Kelionės lapas KL-0007"));
        EXPECT_TRUE(preview.findChild<QAction*>(QStringLiteral("actSavePdf")));
        EXPECT_LE(preview.height(), preview.screen()->availableGeometry().height()) << "fits the screen";
        return int(QDialog::Rejected);
    });
    const vx::CallResult shown = open()->Methods(QStringLiteral("Print"), QString());
    EXPECT_EQ(shown.Code, 0) << shown.Message.toStdString();
    EXPECT_EQ(dialogs.shown, QStringList{QStringLiteral("dlgPrintPreview")});

    const QString pdf = programPath.filePath(QStringLiteral("lapas.pdf"));
    const vx::CallResult result = open()->Methods(QStringLiteral("Print"), QStringLiteral("'%1'").arg(pdf));
    ASSERT_EQ(result.Code, 0) << result.Message.toStdString();
    EXPECT_EQ(dialogs.shown.size(), 1) << "no preview for a PDF";
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

} // namespace
