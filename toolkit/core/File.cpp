#include "File.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace KavrinGUIToolkit {

QString CFile::ReadAll(const QStringList &files, const QString &folder)
{
    QStringList texts;
    for (const QString &name : files) {
        QFile file(folder + name);
        if (file.open(QIODevice::ReadOnly))
            texts << QString::fromUtf8(file.readAll());
    }
    return texts.join(QLatin1Char('\n'));
}

namespace {

Q_LOGGING_CATEGORY(lcFile, "varnel.toolkit.file")

const QLatin1String kTemporaryPrefix(".varnel-save-");
constexpr int kTemporaryRandomChars = 6;
const QLatin1String
    kTemporaryChars("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

std::atomic<FolderSync> g_folderSync{&::fsync};

// Read once: a test run takes one path for all its saves.
bool unnamedFilesRefused()
{
    static const bool refused = qEnvironmentVariableIntValue("VARNEL_TEST_NO_TMPFILE") == 1;
    return refused;
}

FileState stateOfError(int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return FileState::Missing;
    case ELOOP:
        return FileState::NotAFile;
    default:
        return FileState::Unreadable;
    }
}

QString temporaryName()
{
    QString name = kTemporaryPrefix;
    for (int i = 0; i < kTemporaryRandomChars; ++i)
        name +=
            kTemporaryChars.at(QRandomGenerator::global()->bounded(int(kTemporaryChars.size())));
    return name;
}

// Where a save of @p path writes: the file a chain of symbolic links leads
// to, as the platform's own atomic saves do, so that a planner's link stays
// a link; @p path itself when the chain does not end.
QString finalPathOf(const QString &path)
{
    QFileInfo target(path);
    if (!target.isSymLink())
        return path;
    int depth = 128;
    while (--depth > 0 && target.isSymLink())
        target.setFile(target.symLinkTarget());
    return depth > 0 ? target.filePath() : path;
}

// Writes all of @p bytes to @p fd. False when a write stopped short;
// @p systemError then holds its error code, or 0 when the file system took
// no more without one.
bool writeAll(int fd, const QByteArray &bytes, int &systemError)
{
    systemError = 0;
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            systemError = errno;
            return false;
        }
        if (written == 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

// A rename is on the disk only once the folder that holds the names is: until
// then a power cut may bring back the old file, or no file at all for a new
// one. The file is in place whatever the sync gives, so a folder that cannot
// be synced fails no save; it is logged.
void syncFolder(const QString &folder)
{
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int synced = fd >= 0 ? g_folderSync.load()(fd) : -1;
    const int systemError = errno;
    if (fd >= 0)
        ::close(fd);
    if (synced != 0) {
        qCWarning(lcFile, "the folder %s could not be synced after a save: %s",
                  qUtf8Printable(folder), qUtf8Printable(qt_error_string(systemError)));
    }
}

} // namespace

FileState StateOfFile(const QString &path, qint64 *size)
{
    if (size)
        *size = 0;
    if (path.isEmpty())
        return FileState::Missing;
    struct stat info = {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return stateOfError(errno);
    if (!S_ISREG(info.st_mode))
        return FileState::NotAFile;
    if (size)
        *size = qint64(info.st_size);
    return FileState::Regular;
}

FileState OpenRegularFile(QFile &file, const QString &path)
{
    if (file.isOpen())
        file.close();
    const FileState state = StateOfFile(path);
    if (state != FileState::Regular)
        return state;
    // Not blocking: should a pipe have taken the file's place since it was
    // looked at, the open returns at once and the look below refuses it.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return stateOfError(errno);
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return FileState::NotAFile;
    }
    // A regular file reads the same either way; the flag is dropped so that
    // the file behaves as any other opened for reading.
    if (const int flags = ::fcntl(fd, F_GETFL); flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileState::Unreadable;
    }
    return FileState::Regular;
}

XmlFileProblem OpenDataFile(QFile &file, const QString &path, QString *reason)
{
    XmlFileProblem problem = XmlFileProblem::None;
    QString why;
    switch (OpenRegularFile(file, path)) {
    case FileState::Regular:
        break;
    case FileState::Missing:
        problem = XmlFileProblem::Missing;
        why = QStringLiteral("missing");
        break;
    case FileState::Unreadable:
        problem = XmlFileProblem::Unreadable;
        why = QStringLiteral("cannot be read");
        break;
    case FileState::NotAFile:
        // A pipe would make the read wait forever, a device such as
        // /dev/zero would never end: neither is a file of the program's.
        problem = XmlFileProblem::Damaged;
        why = QStringLiteral("not a regular file");
        break;
    }
    if (reason)
        *reason = why;
    return problem;
}

bool IsSaveTemporaryName(const QString &fileName)
{
    if (fileName.size() != kTemporaryPrefix.size() + kTemporaryRandomChars ||
        !fileName.startsWith(kTemporaryPrefix))
        return false;
    const QStringView random = QStringView(fileName).mid(kTemporaryPrefix.size());
    return std::all_of(random.begin(), random.end(),
                       [](QChar c) { return kTemporaryChars.contains(c); });
}

void SetFolderSyncForTests(FolderSync sync)
{
    g_folderSync = sync ? sync : &::fsync;
}

bool SaveWholeFile(const QString &path, const QByteArray &bytes, QString *error,
                   SaveFailure *failure)
{
    auto fail = [&](const QString &why, SaveFailure kind) {
        if (error)
            *error = why;
        if (failure)
            *failure = kind;
        return false;
    };
    auto failWith = [&](int systemError) {
        return fail(qt_error_string(systemError), SaveFailureOf(systemError, path));
    };
    if (failure)
        *failure = SaveFailure::None;
    if (path.isEmpty())
        return fail(QStringLiteral("empty file name"), SaveFailure::Other);

    // Only a regular file is replaced: a folder, a pipe or a device in its
    // place is no file of the program's, and its path is never written.
    switch (StateOfFile(path)) {
    case FileState::NotAFile:
        if (QFileInfo(path).isDir())
            return failWith(EISDIR);
        return fail(QStringLiteral("%1 is not a regular file").arg(path), SaveFailure::Other);
    case FileState::Regular:
        if (!QFileInfo(path).isWritable())
            return failWith(EACCES);
        break;
    case FileState::Missing:
    case FileState::Unreadable:
        break;
    }

    const QString finalPath = finalPathOf(path);
    const QByteArray target = QFile::encodeName(finalPath);
    struct stat old = {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    const QString folder = QFileInfo(finalPath).absolutePath();
    // Until it takes the old file's permissions, no one else may read what
    // the new file holds.
    const mode_t mode = replacing ? 0600 : 0666;

    // Where the file system allows, the new file has no name until it is
    // whole and on the disk: a save cut off before then leaves nothing.
    // Elsewhere it is made under its temporary name at once.
    for (const bool unnamed : {true, false}) {
        QByteArray temporary;
        int fd = -1;
        if (unnamed) {
            if (unnamedFilesRefused())
                continue;
            fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC,
                        mode);
            if (fd < 0)
                continue;
        } else {
            for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
                temporary = QFile::encodeName(folder + QLatin1Char('/') + temporaryName());
                fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
                if (fd < 0 && errno != EEXIST)
                    return failWith(errno);
            }
            if (fd < 0)
                return failWith(EEXIST);
        }
        auto discard = [&](int systemError, SaveFailure kind, const QString &why) {
            if (fd >= 0)
                ::close(fd);
            if (!temporary.isEmpty())
                ::unlink(temporary.constData());
            return fail(why.isEmpty() ? qt_error_string(systemError) : why,
                        kind != SaveFailure::None ? kind : SaveFailureOf(systemError, path));
        };

        // A short write (a full disk, a file-size limit) shows in the size
        // on disk even where no call returned an error.
        int writeError = 0;
        const bool whole = writeAll(fd, bytes, writeError);
        struct stat written = {};
        if (!whole || ::fstat(fd, &written) != 0 || written.st_size != bytes.size()) {
            if (writeError != 0)
                return discard(writeError, SaveFailure::None, QString());
            return discard(0, SaveFailure::NoRoom,
                           QStringLiteral("only part of the file could be written"));
        }
        if (replacing)
            (void)::fchmod(fd, old.st_mode & 0777);
        // On the disk before the rename makes it the file: a power cut then
        // finds the old file or the whole new one. A file system that cannot
        // sync says so without any fault of the bytes.
        if (::fsync(fd) != 0 && (errno == EIO || errno == ENOSPC || errno == EDQUOT))
            return discard(errno, SaveFailure::None, QString());

        if (unnamed) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
            bool linked = false;
            for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
                temporary = QFile::encodeName(folder + QLatin1Char('/') + temporaryName());
                linked = ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, temporary.constData(),
                                  AT_SYMLINK_FOLLOW) == 0;
                if (!linked && errno != EEXIST)
                    break;
            }
            if (!linked) {
                // No way to name it here (no /proc): written again under a
                // name of its own.
                temporary.clear();
                ::close(fd);
                continue;
            }
        } else {
            const int closed = ::close(fd);
            fd = -1;
            if (closed != 0 && errno != EINTR)
                return discard(errno, SaveFailure::None, QString());
        }
        if (::rename(temporary.constData(), target.constData()) != 0)
            return discard(errno, SaveFailure::None, QString());
        if (fd >= 0)
            ::close(fd);
        syncFolder(folder);
        return true;
    }
    return failWith(EIO);
}

} // namespace KavrinGUIToolkit
