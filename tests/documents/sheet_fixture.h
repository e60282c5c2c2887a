#pragma once

#include "tests/support/module_host.h"
#include "trips/trip_sheet_editor.h"

#include "documents/column_states.h"

#include <QDir>
#include <QTemporaryDir>

// One saved trip sheet on a real store, as the demo fleet has them: a vehicle
// with its plate, a driver, two route lines (one driven by another driver)
// and a fuel cheque; the host's program path is a private folder whose
// Templates folder starts empty, and the user's home is private too, so tests
// running side by side never see each other's documents.
class SheetFixture : public testhost::ModuleFixture {
protected:
    void SetUp() override;
    void TearDown() override
    {
        ModuleFixture::TearDown();
        qputenv("HOME", savedHome);
    }

    // The sheet's editor as the host opens it.
    std::shared_ptr<UIO4000100> open();
    // Stores the columns' states of a table as the print parameters dialog would.
    void storeStates(const QString& tableKey, const QString& value)
    {
        documents::writeStates(host->Environment(), tableKey, value);
    }

    QString templatesFolder() const { return programPath.path() + QStringLiteral("/Templates/"); }
    // Copies the shipped template (the .odt one for an OpenDocument name) into
    // the Templates folder; returns its path.
    QString installShippedTemplate(const QString& name = QStringLiteral("Transport_kelionės_lapas.docx"));
    // "Export to Word" as the card's button runs it, and the documents it wrote.
    vx::CallResult exportToWord() { return open()->Methods(QStringLiteral("ExportToWord"), QString()); }
    QStringList exported() const { return QDir(documentsFolder).entryList(QDir::Files); }

    QTemporaryDir programPath, home;
    QByteArray savedHome;
    QString documentsFolder;
    QString sheetId;
    qint64 sheet = 0;
};
