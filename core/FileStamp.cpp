#include "FileStamp.h"

#include <File.h>

#include <QFile>
#include <QHash>

#include <sys/stat.h>

namespace {

// The stamp of the file at @p path without its digest; invalid when it is no
// regular file.
FileStamp statOf(const QByteArray &path)
{
    FileStamp stamp;
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.valid = true;
    stamp.size = info.st_size;
    stamp.modifiedSeconds = info.st_mtim.tv_sec;
    stamp.modifiedNanoseconds = info.st_mtim.tv_nsec;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    return stamp;
}

} // namespace

FileStampTaker::FileStampTaker(const QString &path) : m_path(QFile::encodeName(path))
{
}

bool FileStampTaker::start()
{
    m_before = statOf(m_path);
    return m_before.valid;
}

FileStamp FileStampTaker::finish(const QByteArray &bytes) const
{
    FileStamp stamp = m_before;
    if (!stamp.valid || bytes.size() != stamp.size)
        return FileStamp();
    // A change made while the bytes were read shows in a second look.
    if (!(statOf(m_path) == stamp))
        return FileStamp();
    stamp.digest = qHash(bytes);
    return stamp;
}

FileStamp stampOf(const QString &path)
{
    FileStampTaker taker(path);
    // Only a regular file is opened: opening a pipe would wait for a writer.
    if (!taker.start())
        return FileStamp();
    QFile file;
    if (KavrinGUIToolkit::OpenRegularFile(file, path) != KavrinGUIToolkit::FileState::Regular)
        return FileStamp();
    return taker.finish(file.readAll());
}
