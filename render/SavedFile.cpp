#include "SavedFile.h"

#include <QDir>

#include <stdexcept>

namespace orvex {

QString CannotCreateFileMessage(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(name), reason);
}

SavedFile::SavedFile(const QString& name) : name_(name), file_(name) {
    if (!file_.open(QIODevice::WriteOnly))
        throw std::runtime_error(CannotCreateFileMessage(name_, file_.errorString()).toStdString());
}

void SavedFile::commit() {
    // QSaveFile::commit() does not check the flush of what is still buffered, and a small file is all
    // buffer: a full disk would pass unnoticed and the truncated file would replace the old one.
    if (!file_.flush() || file_.error() != QFileDevice::NoError)
        fail();
    if (!file_.commit())
        fail();
}

void SavedFile::fail(const QString& reason) {
    // After a short write (the disk filled up part way) Qt knows no reason; writing the rest once more
    // fails at once with the system's own, such as "No space left on device".
    if (file_.error() != QFileDevice::NoError)
        (void)file_.flush();
    const QString why =
        file_.error() != QFileDevice::NoError || reason.isEmpty() ? file_.errorString() : reason;
    file_.cancelWriting();
    throw std::runtime_error(CannotCreateFileMessage(name_, why).toStdString());
}

} // namespace orvex
