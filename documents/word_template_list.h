#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// "Word dokumentų šablonai": the user picks one of several templates. Given
// the candidate file names joined by "#", it lists them in that order with
// the first selected; `chosen()` is the selected name after "&Gerai" and empty
// after "&Atšaukti" (or when nothing was selected).
class frmWordTemplateList final : public QDialog {
    Q_OBJECT
public:
    explicit frmWordTemplateList(const QString& joinedNames, QWidget* parent = nullptr);

    QString chosen() const { return chosen_; }

private:
    QListWidget* lstTemplates = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    QString chosen_;
};
