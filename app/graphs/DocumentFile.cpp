#include "DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace orvex {

namespace {

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

} // namespace

QString WithExtension(const QString& name, const QString& extension) {
    return name.endsWith(extension, Qt::CaseInsensitive) ? name : name + extension;
}

QString CannotCreateFileMessage(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(name), reason);
}

QString CannotOpenFileMessage(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(name), reason);
}

DecodedDocument ReadDocumentFile(const QString& path, std::size_t capacity) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(CannotOpenFileMessage(path, file.errorString()));
    const qint64 wanted = static_cast<qint64>(capacity * kGraphRecordSize);
    const QByteArray head = file.read(wanted);
    if (file.error() != QFileDevice::NoError)
        fail(CannotOpenFileMessage(path, file.errorString()));
    DecodedDocument doc =
        DecodeDocument(std::string_view(head.constData(), static_cast<size_t>(head.size())), capacity);
    // Complete records beyond the ones read, counted from the size without reading them.
    const qint64 total = std::max<qint64>(file.size(), head.size());
    doc.droppedRecords += static_cast<std::size_t>(total / static_cast<qint64>(kGraphRecordSize)) -
                          static_cast<std::size_t>(head.size()) / kGraphRecordSize;
    return doc;
}

void WriteDocumentFile(const QString& path, const std::vector<TGraphEntry>& entries) {
    const std::string bytes = EncodeDocument(entries);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(CannotCreateFileMessage(path, file.errorString()));
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const QString reason = file.errorString();
        file.cancelWriting();
        fail(CannotCreateFileMessage(path, reason));
    }
    if (!file.commit())
        fail(CannotCreateFileMessage(path, file.errorString()));
}

} // namespace orvex
