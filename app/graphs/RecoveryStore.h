#pragma once

#include "ListedGraph.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

namespace orvex {

// $XDG_STATE_HOME/orvex (~/.local/state/orvex when the variable is unset or not an absolute path).
[[nodiscard]] QString DefaultRecoveryFolder();

// The recovery files of running programs: each program keeps the graph list it has not saved in a file of
// its own in the folder, written whole or not at all after every change, and removes it when the list is
// saved, discarded or the program closes cleanly. A lock file beside it, held while the program runs,
// tells a file whose program is still running from one left behind by a crash or a killed session.
// Failures to write are not reported: the recovery file is a safety net, never in the way of the work.
class RecoveryStore {
  public:
    explicit RecoveryStore(QString folder = DefaultRecoveryFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes this program's recovery file (replacing the previous one only once the new one is complete).
    void write(const GraphListState& graphs);
    // Removes this program's recovery file.
    void discard();
    [[nodiscard]] const QString& path() const noexcept { return path_; }

    // A file left behind by a program that no longer runs: the newest one. It stays locked by this
    // program until finish() removes it; a file that cannot be read is removed at once.
    struct Leftover {
        QString path;
        QDateTime written;
        GraphListState graphs;
    };
    [[nodiscard]] std::optional<Leftover> takeLeftover();
    void finish(const Leftover& leftover);

  private:
    QString folder_;
    QString path_;
    std::unique_ptr<QLockFile> lock_;         // ours, for the whole run
    std::unique_ptr<QLockFile> leftoverLock_; // the dead program's, while its file is offered
    bool written_ = false;
};

} // namespace orvex
