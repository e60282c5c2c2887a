#pragma once

#include "module/object_editor.h"

// The twelve object editors, one per object type.

class UIO4000100 final : public ObjectEditor {
public:
    UIO4000100() : ObjectEditor(QStringLiteral("O4000100")) {}
    QString className() const override { return QStringLiteral("UIO4000100"); }
};

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

class UIO4000400 final : public ObjectEditor {
public:
    UIO4000400() : ObjectEditor(QStringLiteral("O4000400")) {}
    QString className() const override { return QStringLiteral("UIO4000400"); }
};

class UIO4000500 final : public ObjectEditor {
public:
    UIO4000500() : ObjectEditor(QStringLiteral("O4000500")) {}
    QString className() const override { return QStringLiteral("UIO4000500"); }
};

class UIO4000600 final : public ObjectEditor {
public:
    UIO4000600() : ObjectEditor(QStringLiteral("O4000600")) {}
    QString className() const override { return QStringLiteral("UIO4000600"); }
};

class UIO4000700 final : public ObjectEditor {
public:
    UIO4000700() : ObjectEditor(QStringLiteral("O4000700")) {}
    QString className() const override { return QStringLiteral("UIO4000700"); }
};

class UIO4000800 final : public ObjectEditor {
public:
    UIO4000800() : ObjectEditor(QStringLiteral("O4000800")) {}
    QString className() const override { return QStringLiteral("UIO4000800"); }
};

class UIO4000900 final : public ObjectEditor {
public:
    UIO4000900() : ObjectEditor(QStringLiteral("O4000900")) {}
    QString className() const override { return QStringLiteral("UIO4000900"); }
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
