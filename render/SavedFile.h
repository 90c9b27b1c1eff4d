#pragma once

#include <QSaveFile>
#include <QString>

class QIODevice;

namespace orvex {

// "Cannot create file "NAME". REASON": the message of every writer that cannot make or replace a file.
[[nodiscard]] QString CannotCreateFileMessage(const QString& name, const QString& reason);

// A file written whole or not at all, for any writer that writes to a QIODevice (documents, pictures).
// A name that is something other than a regular file (a FIFO, a device, a socket, a folder) is refused
// rather than replaced. The bytes go to a temporary file beside `name`; commit() flushes what Qt still holds
// in its buffer, checks that every byte reached the disk, and only then puts the new file in place of the old
// one. Any failure cancels the write, leaves an existing file byte for byte as it was, and throws
// std::runtime_error with CannotCreateFileMessage (UTF-8) and the system's reason.
class SavedFile {
  public:
    // Throws when the name is not a regular file or the temporary file cannot be made.
    explicit SavedFile(const QString& name);
    SavedFile(const SavedFile&) = delete;
    SavedFile& operator=(const SavedFile&) = delete;
    ~SavedFile() = default; // a write that was not committed is discarded

    [[nodiscard]] QIODevice* device() noexcept { return &file_; }
    [[nodiscard]] const QString& name() const noexcept { return name_; }

    // Writes all of `bytes` or fails.
    void write(const QByteArray& bytes);
    void commit();
    // Cancels the write and throws. The file's own error, when it has one, is the reason given; otherwise
    // `reason` (a writer's own explanation), or Qt's "Unknown error" when that is empty.
    [[noreturn]] void fail(const QString& reason = QString());

  private:
    QString name_;
    QSaveFile file_;
};

} // namespace orvex
