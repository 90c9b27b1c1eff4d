#pragma once

#include "LatestTask.h"
#include "TableText.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace orvex {

class ValueTable;

// Writes a table of values as a CSV file (UTF-8) through the checked writer: the file is replaced only
// when every byte reached the disk, otherwise an old file stays byte for byte and std::runtime_error
// carries "Cannot create file "NAME". REASON". Returns false, writing nothing, when *stop became true.
bool WriteCsvFile(const ValueTable& table, const std::vector<std::string>& titles, const QString& path,
                  const std::atomic<bool>* stop = nullptr, const RowProgress& progress = {});

// Copies chosen cells and saves whole tables off the GUI thread, one job at a time; a table of a million
// rows takes seconds. The results arrive on the GUI thread through the signals.
class TableExport : public QObject {
    Q_OBJECT
  public:
    explicit TableExport(QObject* parent = nullptr);
    ~TableExport() override;

    void copy(std::shared_ptr<const ValueTable> table, std::vector<std::string> titles,
              std::vector<CellBlock> blocks);
    void save(std::shared_ptr<const ValueTable> table, std::vector<std::string> titles, const QString& path);
    [[nodiscard]] bool isBusy() const noexcept { return busy_; }
    // Processes events until the job in progress has ended (or `timeoutMs` passed). For tests.
    void waitForJob(int timeoutMs = 60000);

  signals:
    void progressed(int percent);
    void copied(const QString& text);
    void saved(const QString& path);
    void failed(const QString& message);
    // After the job's result, whatever it was.
    void finished();

  private:
    void run(std::function<void(const std::atomic<bool>& stop, const RowProgress& progress)> work,
             std::size_t rows);
    void finish();

    bool busy_ = false;
    LatestTask task_; // last: stopped and waited for before anything else goes
};

} // namespace orvex
