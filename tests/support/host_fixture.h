#pragma once

#include "platform/contract/library_registry.h"
#include "platform/contract/object_id.h"
#include "platform/shell/host_services.h"
#include "platform/shell/main_window.h"
#include "platform/shell/module_loader.h"
#include "platform/shell/module_tables.h"
#include "platform/shell/shell_host_factory.h"
#include "tests/support/store_fixture.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

#include <memory>

// The display texts of the model's rows under `parent`, each followed by those
// under it when `deep`; the texts of its column headers; the keys of menu items.
inline QStringList rowTexts(const QAbstractItemModel& model, bool deep = false, const QModelIndex& parent = {})
{
    QStringList texts;
    for (int r = 0; r < model.rowCount(parent); ++r) {
        texts << model.index(r, 0, parent).data().toString();
        if (deep)
            texts << rowTexts(model, true, model.index(r, 0, parent));
    }
    return texts;
}
inline QStringList headerTexts(const QAbstractItemModel& model)
{
    QStringList texts;
    for (int c = 0; c < model.columnCount(); ++c)
        texts << model.headerData(c, Qt::Horizontal).toString();
    return texts;
}
inline QStringList menuKeys(const vx::MenuItems& items)
{
    QStringList keys;
    for (const vx::MenuItem& item : items)
        keys << item.Key;
    return keys;
}

// A store with the real host around it: the shell's host factory installed
// and the host services over the store (no module loaded).
class HostFixture : public StoreFixture {
protected:
    void arrange() override
    {
        factory = std::make_shared<shell::ShellHostFactory>();
        factory->setSession(sessionPtr());
        vx::setHostFactory(factory);
        services = std::make_shared<shell::HostServices>(sessionPtr(), loader);
    }

    void TearDown() override
    {
        window.reset();
        services.reset();
        vx::setHostFactory(nullptr);
        StoreFixture::TearDown();
    }

    // Loads the module built next to the test into new host services and a
    // main window showing its tree, as the program does at start.
    void openModuleWindow()
    {
        const QString registry = store_->location() + QStringLiteral(".libraries.ini");
        vx::LibraryRegistry(registry).add(QStringLiteral("Kelmira"),
                                          QCoreApplication::applicationDirPath() + QStringLiteral("/libkelmira.so"));
        moduleLoader = std::make_unique<shell::ModuleLoader>(vx::LibraryRegistry(registry));
        services = std::make_shared<shell::HostServices>(sessionPtr(), *moduleLoader);
        window = std::make_unique<shell::MainWindow>(services);
        QString error;
        const auto tables = shell::readModuleTables(*moduleLoader, *factory, QStringLiteral("Kelmira"), &error);
        ASSERT_TRUE(tables) << error.toStdString();
        services->addModule(*tables);
        window->addModule(*tables);
    }

    // A vehicle with two linked fuel norms; `norms` gets their ids in the
    // chooser's (Lithuanian) order: "Vasaros norma" before "Žiemos norma".
    qint64 carWithTwoNorms(QStringList* norms = nullptr)
    {
        const qint64 car = createId("O4000400", {{"Name", QStringLiteral("Iveco Daily")}});
        for (const char* name : {"Žiemos norma", "Vasaros norma"}) {
            const qint64 norm = createId("O4000603", {{"Name", QString::fromUtf8(name)}, {"Value", 9.5}});
            create("O4000500", {{"TransportCarID", car}, {"TransportFuelNormID", norm}});
            if (norms)
                norms->prepend(vx::oid::make(u"O4000603", norm));
        }
        return car;
    }
    // The group selection of a vehicle's fuel norms, as the route line dialog asks for it.
    static QString normChoice(qint64 car)
    {
        return QStringLiteral("DO4000100_GetTripCarFuelNorms('%1');;Pasirinkitė kuro normą").arg(vx::oid::make(u"O4000400", car));
    }

    shell::ModuleLoader loader;
    std::shared_ptr<shell::ShellHostFactory> factory;
    std::shared_ptr<shell::HostServices> services;
    std::unique_ptr<shell::ModuleLoader> moduleLoader;
    std::unique_ptr<shell::MainWindow> window;
};
