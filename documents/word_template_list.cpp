#include "documents/word_template_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmWordTemplateList::frmWordTemplateList(const QString& joinedNames, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWordTemplateList"));
    setWindowTitle(QStringLiteral("Word dokumentų šablonai"));

    auto* label = new QLabel(QStringLiteral("Nurodykite norimą dokumentą:"), this);
    label->setObjectName(QStringLiteral("lblTemplates"));
    lstTemplates = new QListWidget(this);
    lstTemplates->setObjectName(QStringLiteral("lstTemplates"));
    if (!joinedNames.isEmpty())
        lstTemplates->addItems(joinedNames.split(QLatin1Char('#')));
    if (lstTemplates->count() > 0)
        lstTemplates->setCurrentRow(0);

    cmdOK = new QPushButton(QStringLiteral("&Gerai"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Atšaukti"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(lstTemplates);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        const QListWidgetItem* item = lstTemplates->currentItem();
        chosen_ = item && item->isSelected() ? item->text() : QString();
        accept();
    });
    connect(lstTemplates, &QListWidget::itemDoubleClicked, cmdOK, &QPushButton::click);
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        chosen_.clear();
        reject();
    });
}
