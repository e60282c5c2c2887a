#include "platform/shell/library_file.h"

#include <QByteArrayView>
#include <QFile>

#include <elf.h>

#include <cstring>
#include <optional>

namespace shell {
namespace {

// The mapped file, every read checked against its end; slices are copies.
class Bytes {
public:
    Bytes(const uchar* data, qint64 size) : data_(reinterpret_cast<const char*>(data), data ? size : 0) {}

    template <typename T>
    std::optional<T> read(quint64 offset) const
    {
        if (offset > quint64(data_.size()) || sizeof(T) > quint64(data_.size()) - offset)
            return std::nullopt;
        T value;
        std::memcpy(&value, data_.constData() + offset, sizeof(T));
        return value;
    }

    std::optional<QByteArray> slice(quint64 offset, quint64 size) const
    {
        if (offset > quint64(data_.size()) || size > quint64(data_.size()) - offset)
            return std::nullopt;
        return QByteArray(data_.constData() + offset, qsizetype(size));
    }

    // The zero-ended name at `offset` of a string table.
    static QByteArray name(const QByteArray& table, quint64 offset)
    {
        if (offset >= quint64(table.size()))
            return {};
        const char* start = table.constData() + offset;
        return QByteArray(start, qsizetype(qstrnlen(start, size_t(table.size() - qsizetype(offset)))));
    }

private:
    QByteArrayView data_;
};

bool isNativeElf(const Elf64_Ehdr& header)
{
    return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ELFCLASS64 &&
           header.e_ident[EI_DATA] == ELFDATA2LSB && header.e_shentsize == sizeof(Elf64_Shdr);
}

QStringList definedSymbols(const Bytes& bytes, const Elf64_Shdr& symbols, const Elf64_Shdr& names)
{
    const std::optional<QByteArray> nameTable = bytes.slice(names.sh_offset, names.sh_size);
    if (!nameTable)
        return {};
    QStringList defined;
    for (quint64 at = 0; at + sizeof(Elf64_Sym) <= symbols.sh_size; at += sizeof(Elf64_Sym)) {
        const std::optional<Elf64_Sym> symbol = bytes.read<Elf64_Sym>(symbols.sh_offset + at);
        if (!symbol)
            break;
        const QByteArray name = Bytes::name(*nameTable, symbol->st_name);
        if (symbol->st_shndx != SHN_UNDEF && !name.isEmpty())
            defined << QString::fromLatin1(name);
    }
    return defined;
}

} // namespace

LibraryFile readLibraryFile(const QString& filePath, const char* sectionName)
{
    LibraryFile library;
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        library.error = file.errorString();
        return library;
    }
    // Mapped rather than read: a library with debugging information is large.
    const Bytes bytes(file.map(0, file.size()), file.size());
    const std::optional<Elf64_Ehdr> header = bytes.read<Elf64_Ehdr>(0);
    if (!header || !isNativeElf(*header) || header->e_type != ET_DYN) {
        library.error = QStringLiteral("failas nėra šios sistemos bendroji biblioteka");
        return library;
    }
    QList<Elf64_Shdr> sections;
    for (quint16 index = 0; index < header->e_shnum; ++index) {
        const std::optional<Elf64_Shdr> section =
            bytes.read<Elf64_Shdr>(header->e_shoff + quint64(index) * sizeof(Elf64_Shdr));
        if (!section) {
            library.error = QStringLiteral("sugadinta sekcijų lentelė");
            return library;
        }
        sections << *section;
    }
    const std::optional<QByteArray> sectionNames =
        header->e_shstrndx < sections.size()
            ? bytes.slice(sections[header->e_shstrndx].sh_offset, sections[header->e_shstrndx].sh_size)
            : std::nullopt;
    for (const Elf64_Shdr& section : sections) {
        if (section.sh_type == SHT_DYNSYM && section.sh_link < quint32(sections.size()))
            library.exportedSymbols = definedSymbols(bytes, section, sections[section.sh_link]);
        if (sectionNames && section.sh_type == SHT_PROGBITS && Bytes::name(*sectionNames, section.sh_name) == sectionName)
            library.section = bytes.slice(section.sh_offset, section.sh_size).value_or(QByteArray());
    }
    return library;
}

} // namespace shell
