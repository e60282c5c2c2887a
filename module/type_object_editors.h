#pragma once

#include "module/object_editor_base.h"

// The object editors, one per object type. Most only forward to the generic
// editor; the vehicle, tyre, tyre mounting and reference item editors answer
// the named properties their cards ask for (module/editors/). The trip sheet
// editor lives with the trip sheet rules (trips/trip_sheet_editor.h).

class UIO4000200 final : public ObjectEditor {
public:
    UIO4000200() : ObjectEditor(QStringLiteral("O4000200")) {}
    QString className() const override { return QStringLiteral("UIO4000200"); }
};

class UIO4000300 final : public ObjectEditor {
public:
    UIO4000300() : ObjectEditor(QStringLiteral("O4000300")) {}
    QString className() const override { return QStringLiteral("UIO4000300"); }
};

// Vehicle: "Parent", its fuel norms ("O4000500") and tanks ("O4001200"),
// and the names its card asks of the business object.
class UIO4000400 final : public ObjectEditor {
public:
    UIO4000400();
    QString className() const override { return QStringLiteral("UIO4000400"); }
    vx::CallResult Properties(const QString& name, const QString& param) override;

private:
    QString title_; // the product name when the editor was made
};

class UIO4000500 final : public ObjectEditor {
public:
    UIO4000500() : ObjectEditor(QStringLiteral("O4000500")) {}
    QString className() const override { return QStringLiteral("UIO4000500"); }
};

// Reference catalogue item: its form from the host's catalogue framework
// ("GetObjectForm", in any letter case), every other name asked of the
// business object.
class UIO4000600 final : public ObjectEditor {
public:
    UIO4000600() : ObjectEditor(QStringLiteral("O4000600")) {}
    QString className() const override { return QStringLiteral("UIO4000600"); }
    vx::CallResult Properties(const QString& name, const QString& param) override;
    void setOIDR(const QString& oidr) override;
    vx::Status Read() override;

private:
    vx::CallResult objectForm();

    QString itemType_; // the catalogue item type last read ("O4000601")
};

class UIO4000700 final : public ObjectEditor {
public:
    UIO4000700() : ObjectEditor(QStringLiteral("O4000700")) {}
    QString className() const override { return QStringLiteral("UIO4000700"); }
};

// Tyre: "Parent" and the names its card asks of the business object.
class UIO4000800 final : public ObjectEditor {
public:
    UIO4000800();
    QString className() const override { return QStringLiteral("UIO4000800"); }
    vx::CallResult Properties(const QString& name, const QString& param) override;

private:
    QString title_; // the product name when the editor was made
};

// Tyre mounting: the position and run checks its dialog asks of the business object.
class UIO4000900 final : public ObjectEditor {
public:
    UIO4000900();
    QString className() const override { return QStringLiteral("UIO4000900"); }
    vx::CallResult Properties(const QString& name, const QString& param) override;

private:
    QString title_; // the product name when the editor was made
};

class UIO4001000 final : public ObjectEditor {
public:
    UIO4001000() : ObjectEditor(QStringLiteral("O4001000")) {}
    QString className() const override { return QStringLiteral("UIO4001000"); }
};

class UIO4001100 final : public ObjectEditor {
public:
    UIO4001100() : ObjectEditor(QStringLiteral("O4001100")) {}
    QString className() const override { return QStringLiteral("UIO4001100"); }
};

class UIO4001200 final : public ObjectEditor {
public:
    UIO4001200() : ObjectEditor(QStringLiteral("O4001200")) {}
    QString className() const override { return QStringLiteral("UIO4001200"); }
};
