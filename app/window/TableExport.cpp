#include "TableExport.h"

#include "EventWait.h"
#include "SavedFile.h"
#include "ValueTable.h"

#include <QMetaObject>

#include <exception>
#include <utility>

namespace orvex {

bool WriteCsvFile(const ValueTable& table, const std::vector<std::string>& titles, const QString& path,
                  const std::atomic<bool>* stop, const RowProgress& progress) {
    SavedFile file(path);
    bool writeFailed = false;
    const bool written = WriteCsv(
        table, titles,
        [&](std::string_view piece) {
            // A short write is tried again with the rest, which gives the system's reason when the disk
            // is full.
            while (!piece.empty()) {
                const qint64 done = file.device()->write(piece.data(), static_cast<qint64>(piece.size()));
                if (done <= 0) {
                    writeFailed = true;
                    return false;
                }
                piece.remove_prefix(static_cast<std::size_t>(done));
            }
            return true;
        },
        stop, progress);
    if (writeFailed)
        file.fail();
    if (!written)
        return false; // stopped: the old file stays, the temporary one goes
    file.commit();
    return true;
}

TableExport::TableExport(QObject* parent) : QObject(parent) {}

TableExport::~TableExport() = default;

void TableExport::run(std::function<void(const std::atomic<bool>& stop, const RowProgress& progress)> work,
                      std::size_t rows) {
    busy_ = true;
    task_.start([this, work = std::move(work), rows](const std::atomic<bool>& stop) {
        const RowProgress progress = [this, rows](std::size_t done) {
            const int percent = rows == 0 ? 100 : static_cast<int>(done * 100 / rows);
            QMetaObject::invokeMethod(
                this, [this, percent] { emit progressed(percent); }, Qt::QueuedConnection);
        };
        work(stop, progress);
        QMetaObject::invokeMethod(this, &TableExport::finish, Qt::QueuedConnection);
    });
}

void TableExport::finish() {
    busy_ = false;
    emit finished();
}

void TableExport::copy(std::shared_ptr<const ValueTable> table, std::vector<std::string> titles,
                       std::vector<CellBlock> blocks) {
    const std::size_t rows = table->rowCount();
    run(
        [this, table = std::move(table), titles = std::move(titles),
         blocks = std::move(blocks)](const std::atomic<bool>& stop, const RowProgress& progress) {
            const std::string text = SelectedText(*table, titles, blocks, &stop, progress);
            if (stop.load())
                return;
            QMetaObject::invokeMethod(
                this, [this, text = QString::fromStdString(text)] { emit copied(text); },
                Qt::QueuedConnection);
        },
        rows);
}

void TableExport::save(std::shared_ptr<const ValueTable> table, std::vector<std::string> titles,
                       const QString& path) {
    const std::size_t rows = table->rowCount();
    run(
        [this, table = std::move(table), titles = std::move(titles), path](const std::atomic<bool>& stop,
                                                                           const RowProgress& progress) {
            QString error;
            bool done = false;
            try {
                done = WriteCsvFile(*table, titles, path, &stop, progress);
            } catch (const std::exception& e) {
                error = QString::fromUtf8(e.what());
            }
            QMetaObject::invokeMethod(
                this,
                [this, error, done, path] {
                    if (!error.isEmpty())
                        emit failed(error);
                    else if (done)
                        emit saved(path);
                },
                Qt::QueuedConnection);
        },
        rows);
}

void TableExport::waitForJob(int timeoutMs) {
    ProcessEventsWhile([this] { return busy_; }, timeoutMs);
}

} // namespace orvex
