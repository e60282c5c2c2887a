#pragma once

#include "platform/contract/class_object.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <string_view>

// The four entry points every component library exports with C linkage. Host
// and libraries are built by one compiler, so C++ types may cross them.
namespace vx::plugin {

// Writes the library's name and file path into the host's library registry.
// Returns 0 on success.
using RegisterFunction = int (*)();
// Removes the library from the registry. Returns 0 on success.
using UnregisterFunction = int (*)();
// Creates a public class by name. On success the caller owns the object (and
// wraps it in a shared pointer at once); an unknown name gives nullptr and, when
// `error` is given, a text saying why.
using GetClassObjectFunction = vx::ClassObject* (*)(const char* className, QString* error);
// True when no object created by the library is alive, so it may be unloaded.
using CanUnloadFunction = bool (*)();

inline constexpr const char* registerSymbol = "vxRegisterLibrary";
inline constexpr const char* unregisterSymbol = "vxUnregisterLibrary";
inline constexpr const char* getClassObjectSymbol = "vxGetClassObject";
inline constexpr const char* canUnloadSymbol = "vxCanUnloadNow";

inline constexpr const char* entryPointSymbols[] = {registerSymbol, unregisterSymbol, getClassObjectSymbol,
                                                    canUnloadSymbol};

// Every library also carries a description in an ELF section of its own, which
// the host reads from the file before it loads the library, so a library built
// against another contract never runs a line of its code in the host. The
// description is text, one "key=value" per line after a first line "kelmira-plugin":
// name (the library name), contract (the contract version) and build (the build id).
#define KELMIRA_PLUGIN_SECTION ".kelmira_plugin"
inline constexpr const char* descriptionSection = KELMIRA_PLUGIN_SECTION;

struct Description {
    char text[256] = {};
};

// The description of a library, made at compile time; a text too long for the
// buffer does not compile.
constexpr Description describe(std::string_view name, int contractVersion, std::string_view buildId)
{
    Description description;
    std::size_t at = 0;
    const auto put = [&](std::string_view part) {
        for (char c : part)
            description.text[at++] = c;
    };
    put("kelmira-plugin\nname=");
    put(name);
    put("\ncontract=");
    char digits[12] = {};
    std::size_t count = 0;
    for (unsigned value = static_cast<unsigned>(contractVersion); count == 0 || value != 0; value /= 10)
        digits[count++] = static_cast<char>('0' + value % 10);
    while (count > 0)
        description.text[at++] = digits[--count];
    put("\nbuild=");
    put(buildId);
    put("\n");
    return description;
}

// A description as the host reads it from the file.
struct ReadDescription {
    bool valid = false; // the section holds a description at all
    QString name;
    int contractVersion = 0;
    QString buildId;
};

inline ReadDescription readDescription(const QByteArray& section)
{
    const QList<QByteArray> lines = section.left(section.indexOf('\0')).split('\n');
    ReadDescription read;
    if (lines.isEmpty() || lines.first() != "kelmira-plugin")
        return read;
    bool hasContract = false;
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals);
        const QString value = QString::fromUtf8(line.mid(equals + 1));
        if (key == "name")
            read.name = value;
        else if (key == "contract")
            read.contractVersion = value.toInt(&hasContract);
        else if (key == "build")
            read.buildId = value;
    }
    read.valid = !read.name.isEmpty() && hasContract && !read.buildId.isEmpty();
    return read;
}

} // namespace vx::plugin
