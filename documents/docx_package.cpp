#include "documents/docx_package.h"

#include <QFile>

#include <zip.h>

#include <memory>

namespace documents {
namespace {

// libzip's error numbers, told in the user's words where we know them.
QString errorText(int code, const QString& fallback)
{
    switch (code) {
    case ZIP_ER_NOENT:
    case ZIP_ER_OPEN:
        return QStringLiteral("failo nepavyko atidaryti.");
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
        return QStringLiteral("failas nėra dokumentas (.docx, .dotx, .odt arba .ott).");
    case ZIP_ER_READ:
        return QStringLiteral("failo nepavyko perskaityti.");
    case ZIP_ER_WRITE:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_RENAME:
        return QStringLiteral("dokumento nepavyko įrašyti.");
    default:
        return fallback;
    }
}

DocumentError zipError(zip_error_t* error)
{
    const int code = zip_error_code_zip(error);
    return {code, errorText(code, QString::fromLocal8Bit(zip_error_strerror(error)))};
}

// The archive at `path`, or null with the reason in `error`.
zip_t* openArchive(const QString& path, int flags, DocumentError* error)
{
    int code = 0;
    const QByteArray name = QFile::encodeName(path);
    zip_t* archive = zip_open(name.constData(), flags, &code);
    if (!archive && error) {
        zip_error_t failure;
        zip_error_init_with_code(&failure, code);
        *error = zipError(&failure);
        zip_error_fini(&failure);
    }
    return archive;
}

struct ZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;

const QString mimetypePart = QStringLiteral("mimetype");

} // namespace

bool DocxPackage::read(const QString& path, DocumentError* error)
{
    parts_.clear();
    ZipHandle archive(openArchive(path, ZIP_RDONLY, error));
    if (!archive)
        return false;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        zip_file_t* file = nullptr;
        if (zip_stat_index(archive.get(), zip_uint64_t(i), 0, &stat) == 0)
            file = zip_fopen_index(archive.get(), zip_uint64_t(i), 0);
        if (!file) {
            if (error)
                *error = zipError(zip_get_error(archive.get()));
            parts_.clear();
            return false;
        }
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        if (got < 0 || zip_uint64_t(got) != stat.size) {
            if (error)
                *error = {ZIP_ER_READ, errorText(ZIP_ER_READ, QString())};
            parts_.clear();
            return false;
        }
        parts_.append({QString::fromUtf8(stat.name), data});
    }
    return true;
}

bool DocxPackage::write(const QString& path, DocumentError* error) const
{
    zip_t* archive = openArchive(path, ZIP_CREATE | ZIP_TRUNCATE, error);
    if (!archive)
        return false;
    // The sources only point at our parts; they live until zip_close has written them.
    QList<const Part*> order;
    for (const Part& part : parts_)
        order.insert(part.name == mimetypePart ? 0 : order.size(), &part);
    for (const Part* part : order) {
        zip_source_t* source = zip_source_buffer(archive, part->data.constData(), zip_uint64_t(part->data.size()), 0);
        const QByteArray entry = part->name.toUtf8();
        const zip_int64_t index =
            source ? zip_file_add(archive, entry.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) : -1;
        const bool stored = index >= 0 && (part->name != mimetypePart ||
                                           zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) == 0);
        if (!stored) {
            if (source && index < 0)
                zip_source_free(source);
            if (error)
                *error = zipError(zip_get_error(archive));
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        if (error)
            *error = zipError(zip_get_error(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}

bool DocxPackage::contains(const QString& name) const
{
    for (const Part& part : parts_)
        if (part.name == name)
            return true;
    return false;
}

QByteArray DocxPackage::part(const QString& name) const
{
    for (const Part& part : parts_)
        if (part.name == name)
            return part.data;
    return {};
}

void DocxPackage::setPart(const QString& name, const QByteArray& data)
{
    for (Part& part : parts_) {
        if (part.name == name) {
            part.data = data;
            return;
        }
    }
    parts_.append({name, data});
}

} // namespace documents
