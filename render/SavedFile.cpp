#include "SavedFile.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <stdexcept>

namespace orvex {

QString CannotCreateFileMessage(const QString& name, const QString& reason) {
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(name), reason);
}

SavedFile::SavedFile(const QString& name) : name_(name), file_(name) {
    // Replacing a FIFO, a device or a socket by a regular file would be no write to it at all.
    struct stat status {};
    if (::stat(QFile::encodeName(name).constData(), &status) == 0 && !S_ISREG(status.st_mode))
        throw std::runtime_error(
            CannotCreateFileMessage(name_, QStringLiteral("Not a regular file")).toStdString());
    if (!file_.open(QIODevice::WriteOnly))
        throw std::runtime_error(CannotCreateFileMessage(name_, file_.errorString()).toStdString());
}

void SavedFile::write(const QByteArray& bytes) {
    const qint64 written = file_.write(bytes);
    if (written == bytes.size())
        return;
    // A short write (the disk filled up part way) carries no reason; the rest, written once more, fails
    // at once with the system's own.
    if (written >= 0)
        (void)file_.write(bytes.constData() + written, bytes.size() - written);
    fail();
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
