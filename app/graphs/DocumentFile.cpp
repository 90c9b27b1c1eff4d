#include "DocumentFile.h"

#include "DocumentReader.h"

#include <QDir>
#include <QFile>

#include <stdexcept>
#include <utility>

namespace orvex {

QString WithExtension(const QString& name, const QString& extension) {
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

QString CannotOpenFileMessage(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(name), reason);
}

DecodedDocument ReadDocumentFile(const QString& path, std::size_t capacity) {
    DocumentRead read = ReadDocumentRecords(QFile::encodeName(path).toStdString(), capacity);
    if (!read.read())
        throw std::runtime_error(
            CannotOpenFileMessage(path, QString::fromLocal8Bit(read.error.c_str())).toStdString());
    return std::move(read.document);
}

void WriteDocumentFile(const QString& path, const std::vector<TGraphEntry>& entries) {
    const std::string bytes = EncodeDocument(entries);
    SavedFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.device()->write(bytes.data(), size) != size)
        file.fail();
    file.commit();
}

} // namespace orvex
