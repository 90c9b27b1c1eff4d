#include "RecoveryStore.h"

#include "SavedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <stdexcept>

namespace orvex {

namespace {

const QString kSuffix = QStringLiteral(".orxr");
const QString kLockSuffix = QStringLiteral(".lock");
// A recovery file holds at most 101 graphs with their texts; anything much larger is not one.
constexpr qint64 kMaxRecoveryBytes = 16 * 1024 * 1024;

QString lockPathOf(const QString& recoveryPath) {
    return recoveryPath.chopped(kSuffix.size()) + kLockSuffix;
}

std::unique_ptr<QLockFile> makeLock(const QString& path) {
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0); // only a lock whose process is gone is stale, however old it is
    return lock;
}

std::optional<GraphListState> readRecovery(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > kMaxRecoveryBytes || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return DecodeRecovery(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

QString DefaultRecoveryFolder() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    const QString base =
        QDir::isAbsolutePath(state) ? state : QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(base).filePath(QStringLiteral("orvex"));
}

RecoveryStore::RecoveryStore(QString folder) : folder_(std::move(folder)) {
    const QString base = QStringLiteral("recovery-%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch());
    path_ = QDir(folder_).filePath(base + kSuffix);
    if (QDir().mkpath(folder_)) {
        lock_ = makeLock(lockPathOf(path_));
        if (!lock_->tryLock(0))
            lock_.reset();
    }
}

RecoveryStore::~RecoveryStore() = default; // a file left here is the next start's to offer

void RecoveryStore::write(const GraphListState& graphs) {
    if (!lock_)
        return; // no folder of our own: no recovery
    const std::string bytes = EncodeRecovery(graphs);
    try {
        SavedFile file(path_);
        const auto size = static_cast<qint64>(bytes.size());
        if (file.device()->write(bytes.data(), size) != size)
            file.fail();
        file.commit();
        written_ = true;
    } catch (const std::runtime_error&) {
        // The old recovery file, if any, is left as it was.
    }
}

void RecoveryStore::discard() {
    if (written_ || QFileInfo::exists(path_))
        QFile::remove(path_);
    written_ = false;
}

std::optional<RecoveryStore::Leftover> RecoveryStore::takeLeftover() {
    // Locks of programs that ended without leaving a file (a crash with nothing unsaved) go first.
    for (const QFileInfo& info :
         QDir(folder_).entryInfoList({QStringLiteral("recovery-*") + kLockSuffix}, QDir::Files)) {
        const QString path = info.absoluteFilePath();
        if (QFileInfo::exists(path.chopped(kLockSuffix.size()) + kSuffix))
            continue;
        auto lock = makeLock(path);
        if (lock->tryLock(0))
            lock->unlock();
    }
    QFileInfoList files = QDir(folder_).entryInfoList({QStringLiteral("recovery-*") + kSuffix}, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    for (const QFileInfo& info : files) {
        const QString path = info.absoluteFilePath();
        if (path == QFileInfo(path_).absoluteFilePath())
            continue;
        auto lock = makeLock(lockPathOf(path));
        if (!lock->tryLock(0))
            continue; // its program is still running
        std::optional<GraphListState> graphs = readRecovery(path);
        if (!graphs) {
            QFile::remove(path);
            continue;
        }
        leftoverLock_ = std::move(lock);
        return Leftover{path, info.lastModified(), std::move(*graphs)};
    }
    return std::nullopt;
}

void RecoveryStore::finish(const Leftover& leftover) {
    QFile::remove(leftover.path);
    leftoverLock_.reset(); // unlocking removes the lock file
}

} // namespace orvex
