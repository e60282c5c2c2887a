#include "platform/shell/lithuanian_qt_texts.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace shell {
namespace {

// Qt's texts by their English source, whatever class shows them: the same
// word means the same on a button, in a menu or in a dialog.
const QHash<QString, QString>& texts()
{
    static const QHash<QString, QString> table = {
        // Standard buttons.
        {QStringLiteral("OK"), QStringLiteral("Gerai")},
        {QStringLiteral("Cancel"), QStringLiteral("Atšaukti")},
        {QStringLiteral("&Yes"), QStringLiteral("&Taip")},
        {QStringLiteral("&No"), QStringLiteral("&Ne")},
        {QStringLiteral("Yes to &All"), QStringLiteral("Taip &visiems")},
        {QStringLiteral("N&o to All"), QStringLiteral("N&e visiems")},
        {QStringLiteral("Save"), QStringLiteral("Įrašyti")},
        {QStringLiteral("&Save"), QStringLiteral("Į&rašyti")},
        {QStringLiteral("Save All"), QStringLiteral("Įrašyti viską")},
        {QStringLiteral("Open"), QStringLiteral("Atverti")},
        {QStringLiteral("&Open"), QStringLiteral("&Atverti")},
        {QStringLiteral("Close"), QStringLiteral("Užverti")},
        {QStringLiteral("&Close"), QStringLiteral("&Užverti")},
        {QStringLiteral("Abort"), QStringLiteral("Nutraukti")},
        {QStringLiteral("Retry"), QStringLiteral("Kartoti")},
        {QStringLiteral("Ignore"), QStringLiteral("Nepaisyti")},
        {QStringLiteral("Discard"), QStringLiteral("Atmesti")},
        {QStringLiteral("Help"), QStringLiteral("Žinynas")},
        {QStringLiteral("Apply"), QStringLiteral("Taikyti")},
        {QStringLiteral("Reset"), QStringLiteral("Atstatyti")},
        {QStringLiteral("Restore Defaults"), QStringLiteral("Atkurti numatytąsias")},
        {QStringLiteral("Show Details..."), QStringLiteral("Rodyti išsamiau...")},
        {QStringLiteral("Hide Details..."), QStringLiteral("Slėpti išsamią informaciją...")},
        // Editing menus of text fields.
        {QStringLiteral("&Undo"), QStringLiteral("&Atšaukti veiksmą")},
        {QStringLiteral("&Redo"), QStringLiteral("&Pakartoti veiksmą")},
        {QStringLiteral("Cu&t"), QStringLiteral("Iški&rpti")},
        {QStringLiteral("&Copy"), QStringLiteral("&Kopijuoti")},
        {QStringLiteral("&Paste"), QStringLiteral("Į&dėti")},
        {QStringLiteral("Delete"), QStringLiteral("Šalinti")},
        {QStringLiteral("Select All"), QStringLiteral("Pažymėti viską")},
        {QStringLiteral("Copy &Link Location"), QStringLiteral("Kopijuoti &saito adresą")},
        // The file dialog.
        {QStringLiteral("Look in:"), QStringLiteral("Ieškoti:")},
        {QStringLiteral("File &name:"), QStringLiteral("Failo &vardas:")},
        {QStringLiteral("Files of type:"), QStringLiteral("Failų tipas:")},
        {QStringLiteral("&Choose"), QStringLiteral("Pa&sirinkti")},
        {QStringLiteral("Back"), QStringLiteral("Atgal")},
        {QStringLiteral("Forward"), QStringLiteral("Pirmyn")},
        {QStringLiteral("Parent Directory"), QStringLiteral("Aukštesnis aplankas")},
        {QStringLiteral("Create New Folder"), QStringLiteral("Kurti naują aplanką")},
        {QStringLiteral("New Folder"), QStringLiteral("Naujas aplankas")},
        {QStringLiteral("List View"), QStringLiteral("Sąrašas")},
        {QStringLiteral("Detail View"), QStringLiteral("Išsamus rodinys")},
        {QStringLiteral("&Delete"), QStringLiteral("Ša&linti")},
        {QStringLiteral("&Rename"), QStringLiteral("&Pervadinti")},
        {QStringLiteral("Show &hidden files"), QStringLiteral("Rodyti &paslėptus failus")},
        {QStringLiteral("Recent Places"), QStringLiteral("Paskiausios vietos")},
        {QStringLiteral("All Files (*)"), QStringLiteral("Visi failai (*)")},
        {QStringLiteral("Name"), QStringLiteral("Vardas")},
        {QStringLiteral("Size"), QStringLiteral("Dydis")},
        {QStringLiteral("Type"), QStringLiteral("Tipas")},
        {QStringLiteral("Date Modified"), QStringLiteral("Pakeista")},
        {QStringLiteral("My Computer"), QStringLiteral("Kompiuteris")},
        {QStringLiteral("Computer"), QStringLiteral("Kompiuteris")},
        // The print and page set-up dialogs.
        {QStringLiteral("Print"), QStringLiteral("Spausdinti")},
        {QStringLiteral("&Print"), QStringLiteral("&Spausdinti")},
        {QStringLiteral("&Print..."), QStringLiteral("&Spausdinti...")},
        {QStringLiteral("Print Preview"), QStringLiteral("Spaudinio peržiūra")},
        {QStringLiteral("Page Setup"), QStringLiteral("Puslapio parametrai")},
        {QStringLiteral("Printer"), QStringLiteral("Spausdintuvas")},
        {QStringLiteral("&Name:"), QStringLiteral("&Pavadinimas:")},
        {QStringLiteral("P&roperties"), QStringLiteral("&Savybės")},
        {QStringLiteral("Location:"), QStringLiteral("Vieta:")},
        {QStringLiteral("Output &file:"), QStringLiteral("Išvesties &failas:")},
        {QStringLiteral("Print to File (PDF)"), QStringLiteral("Spausdinti į failą (PDF)")},
        {QStringLiteral("Print range"), QStringLiteral("Spausdinimo sritis")},
        {QStringLiteral("Print all"), QStringLiteral("Spausdinti viską")},
        {QStringLiteral("Pages from"), QStringLiteral("Puslapiai nuo")},
        {QStringLiteral("to"), QStringLiteral("iki")},
        {QStringLiteral("Current Page"), QStringLiteral("Dabartinis puslapis")},
        {QStringLiteral("Selection"), QStringLiteral("Pažymėta sritis")},
        {QStringLiteral("Copies"), QStringLiteral("Kopijos")},
        {QStringLiteral("Copies:"), QStringLiteral("Kopijų:")},
        {QStringLiteral("Collate"), QStringLiteral("Sugrupuoti kopijas")},
        {QStringLiteral("Reverse"), QStringLiteral("Atvirkštine tvarka")},
        {QStringLiteral("Options"), QStringLiteral("Parinktys")},
        {QStringLiteral("Paper"), QStringLiteral("Popierius")},
        {QStringLiteral("Page size:"), QStringLiteral("Puslapio dydis:")},
        {QStringLiteral("Orientation"), QStringLiteral("Padėtis")},
        {QStringLiteral("Portrait"), QStringLiteral("Stačias")},
        {QStringLiteral("Landscape"), QStringLiteral("Gulsčias")},
        {QStringLiteral("Margins"), QStringLiteral("Paraštės")},
        {QStringLiteral("Next page"), QStringLiteral("Kitas puslapis")},
        {QStringLiteral("Previous page"), QStringLiteral("Ankstesnis puslapis")},
        {QStringLiteral("First page"), QStringLiteral("Pirmas puslapis")},
        {QStringLiteral("Last page"), QStringLiteral("Paskutinis puslapis")},
        {QStringLiteral("Zoom in"), QStringLiteral("Padidinti")},
        {QStringLiteral("Zoom out"), QStringLiteral("Sumažinti")},
        {QStringLiteral("Fit width"), QStringLiteral("Talpinti į plotį")},
        {QStringLiteral("Fit page"), QStringLiteral("Talpinti puslapį")},
        {QStringLiteral("Export to PDF"), QStringLiteral("Eksportuoti į PDF")},
    };
    return table;
}

// The program's own Lithuanian texts for Qt, consulted after Qt's catalogue.
class ProgramQtTexts final : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        return texts().value(QString::fromUtf8(sourceText));
    }
};

} // namespace

void useLithuanianQtTexts(QCoreApplication& app)
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    const QLocale lithuanian(QLocale::Lithuanian, QLocale::Lithuania);
    QLocale::setDefault(lithuanian);
    // The translator installed last is asked first: Qt's catalogue, when the
    // system has one, then the program's texts.
    QCoreApplication::installTranslator(new ProgramQtTexts(&app));
    auto catalogue = std::make_unique<QTranslator>();
    if (catalogue->load(lithuanian, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        catalogue->setParent(&app);
        QCoreApplication::installTranslator(catalogue.release());
    }
}

} // namespace shell
