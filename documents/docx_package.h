#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A word-processing document's zip container (.docx, .dotx, .odt, .ott): its
// parts by name, read whole into memory and written back in their original
// order, except that an OpenDocument "mimetype" part is always written first
// and uncompressed, where readers look for it.
namespace documents {

// Why a document could not be read or written: a number and a text for the
// "Situacija: " line of the message.
struct DocumentError {
    int number = 0;
    QString text;
};

class DocxPackage {
public:
    // Reads every part of the container; false with `error` set when the file
    // cannot be opened or is not a zip container.
    bool read(const QString& path, DocumentError* error);
    // Writes all parts to a new container at `path`, replacing what is there.
    bool write(const QString& path, DocumentError* error) const;

    bool contains(const QString& name) const;
    QByteArray part(const QString& name) const;
    // Replaces a part, or adds it at the end.
    void setPart(const QString& name, const QByteArray& data);

private:
    struct Part {
        QString name;
        QByteArray data;
    };
    QList<Part> parts_;
};

} // namespace documents
