#pragma once

#include <QByteArray>
#include <QString>

/// What tells one state of a file on disk from another: its identity, size
/// and modification time, and a digest of its bytes, since two writes within
/// one tick of the file system's clock carry the same time. What is kept of
/// a file between two steps (a parsed document, the entries read from it) is
/// used again only while the file's stamp is the one it was read with.
struct FileStamp
{
    bool valid = false;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;
    quint64 device = 0;
    quint64 inode = 0;
    size_t digest = 0;

    /// False for an invalid stamp, even compared with itself.
    bool operator==(const FileStamp &other) const
    {
        return valid && other.valid && size == other.size &&
               modifiedSeconds == other.modifiedSeconds &&
               modifiedNanoseconds == other.modifiedNanoseconds && device == other.device &&
               inode == other.inode && digest == other.digest;
    }
};

/// The stamp of the regular file at @p path as it stands now, read whole for
/// its digest; invalid when it is no regular file, cannot be read, or changed
/// while it was read.
FileStamp stampOf(const QString &path);

/// Takes the stamp of a file whose bytes are read anyway, without reading
/// them twice: start() looks at the file before the bytes are read, finish()
/// after, with the bytes. Invalid when the file is no regular file or changed
/// in between.
class FileStampTaker
{
public:
    explicit FileStampTaker(const QString &path);
    /// False when the file is no regular file (and should not be opened: a
    /// pipe would wait for a writer).
    bool start();
    FileStamp finish(const QByteArray &bytes) const;

private:
    QByteArray m_path;
    FileStamp m_before;
};
