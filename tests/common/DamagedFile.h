#pragma once

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMetaType>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

/// The ways a copy, a crash or another program leaves a data file.
/// NestedDeep is well-formed XML of the right root that nests far deeper than
/// any file of the program's: the parser would take half a minute over it.
/// The last three put something in the file's place that is no file: a
/// named pipe (a read waits for a writer that never comes), a link to the
/// zero device (a read never ends, and the size is 0 as an empty file's)
/// and a folder.
enum class Damage {
    CutToHalf,
    RandomBytes,
    WrongRoot,
    ZeroBytes,
    Missing,
    Unreadable,
    NestedDeep,
    NamedPipe,
    LinkToZeroDevice,
    Folder
};
Q_DECLARE_METATYPE(Damage)

/// Every damage but Unreadable, which the superuser never notices: tests
/// that lay it skip it when run as root.
inline QList<Damage> everyDamage()
{
    return {Damage::CutToHalf, Damage::RandomBytes,      Damage::WrongRoot,
            Damage::ZeroBytes, Damage::Missing,          Damage::NestedDeep,
            Damage::NamedPipe, Damage::LinkToZeroDevice, Damage::Folder};
}

/// The damage as a row name says it after the file: "a task list cut to
/// half". A database of another program is no XML.
inline const char *damageText(Damage damage, bool database = false)
{
    switch (damage) {
    case Damage::CutToHalf:
        return "cut to half";
    case Damage::RandomBytes:
        return "made of 4 KB of random bytes";
    case Damage::WrongRoot:
        return database ? "holding another program's database" : "holding another program's XML";
    case Damage::ZeroBytes:
        return "of 0 bytes";
    case Damage::Missing:
        return "that is missing";
    case Damage::Unreadable:
        return "that nobody may read";
    case Damage::NestedDeep:
        return "nested 100,000 elements deep";
    case Damage::NamedPipe:
        return "that is a named pipe";
    case Damage::LinkToZeroDevice:
        return "linked to /dev/zero";
    case Damage::Folder:
        return "that is a folder";
    }
    return "";
}

/// A link at @p path to a zero device. The superuser, who may write /dev,
/// gets a zero device of its own beside the file where it may make one (the
/// same device as /dev/zero), so that a program that wrongly saves over what
/// the link leads to replaces that one rather than the system's; anyone else
/// links to /dev/zero itself, which they cannot replace.
inline bool linkToZeroDevice(const QString &path)
{
    QString device = QStringLiteral("/dev/zero");
    if (::geteuid() == 0) {
        const QString own = path + QStringLiteral(".zero-device");
        QFile::remove(own);
        if (::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 5)) == 0)
            device = own;
    }
    return QFile::link(device, path);
}

/// What stands at @p path, for telling whether anything was written there:
/// the bytes of a regular file, and for anything else what it is (a link by
/// where it leads), without reading it.
inline QByteArray stateOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return "a link to " + QFile::encodeName(info.symLinkTarget()) + ", " +
               stateOf(info.symLinkTarget());
    struct stat found = {};
    if (::stat(QFile::encodeName(path).constData(), &found) != 0)
        return "nothing";
    if (S_ISFIFO(found.st_mode))
        return "a named pipe";
    if (S_ISCHR(found.st_mode))
        return "a character device " + QByteArray::number(quint64(found.st_rdev));
    if (S_ISDIR(found.st_mode))
        return "a folder of " +
               QDir(path)
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                   .join(QLatin1Char(','))
                   .toUtf8();
    if (!S_ISREG(found.st_mode))
        return "something else";
    return "the bytes " + ProgramFolder::readAll(path);
}

/// 4 KB of random bytes, the same on every run.
inline QByteArray randomBytes()
{
    QRandomGenerator generator(19);
    QByteArray bytes(4096, '\0');
    for (char &c : bytes)
        c = char(generator.bounded(256));
    return bytes;
}

/// Well-formed XML of another program, with entries that a reader blind to
/// the root would take: an "Item" with a "Name" passes for a task, a device,
/// a setting or a kind, the "Camera" for a camera of the lens calculator, the
/// "Translator" for a language.
inline QByteArray foreignXml()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<Inventory><Item><Name>stapler</Name><MainType>0</MainType>"
           "<HideCodeList><Code>010101</Code></HideCodeList></Item>"
           "<IPCResolution><LikeCode>0410%</LikeCode><Code>041000</Code></IPCResolution>"
           "<Camera name=\"stapler\"><Resolution width=\"1920\" height=\"1080\" "
           "target_width=\"4.8\" target_height=\"2.7\"/></Camera>"
           "<Translator><Value>1</Value></Translator></Inventory>\n";
}

/// A task list of two tasks and a device file of one entry, as the program
/// writes them: what a reader of their damaged copies would show.
inline const QByteArray kGoodTaskList =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList>\n"
    " <Task>\n  <Name>Lobby</Name>\n  <Type>0</Type>\n"
    "  <VideoStandard>0</VideoStandard>\n  <Remark>ground floor</Remark>\n"
    " </Task>\n <Task>\n  <Name>Gate</Name>\n  <Type>0</Type>\n"
    "  <VideoStandard>1</VideoStandard>\n  <Remark/>\n </Task>\n"
    "</TaskInfoList>\n";
inline const QByteArray kGoodDevices =
    "<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList>\n"
    " <DeviceInfo>\n  <DeviceType>KC-B21</DeviceType>\n"
    "  <Remark>door</Remark>\n  <MainType>IPC</MainType>\n"
    "  <Count>4</Count>\n  <MainStream>4096</MainStream>\n"
    "  <SubStream>512</SubStream>\n"
    "  <RecordPlan>111111111111111111111111</RecordPlan>\n"
    "  <EventFren>100</EventFren>\n </DeviceInfo>\n</DeviceInfoList>\n";

/// @p good with 100,000 nested elements before its root's end tag, so the root
/// is still the program's; bytes that are no XML become the nesting alone.
inline QByteArray nestedDeep(const QByteArray &good)
{
    constexpr int depth = 100000;
    const QByteArray nesting =
        QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth);
    const qsizetype end = good.lastIndexOf("</");
    if (!good.startsWith('<') || end < 0)
        return nesting;
    return good.left(end) + nesting + good.mid(end);
}

/// Lays @p damage on the file at @p path, whose undamaged content is
/// @p good; false when it could not.
inline bool layDamaged(const QString &path, Damage damage, const QByteArray &good)
{
    QFile::remove(path);
    switch (damage) {
    case Damage::CutToHalf:
        return ProgramFolder::write(path, good.left(good.size() / 2));
    case Damage::RandomBytes:
        return ProgramFolder::write(path, randomBytes());
    case Damage::WrongRoot:
        return ProgramFolder::write(path, foreignXml());
    case Damage::ZeroBytes:
        return ProgramFolder::write(path, QByteArray());
    case Damage::Missing:
        return true;
    case Damage::Unreadable:
        return ProgramFolder::write(path, good) &&
               QFile::setPermissions(path, QFileDevice::Permissions());
    case Damage::NestedDeep:
        return ProgramFolder::write(path, nestedDeep(good));
    case Damage::NamedPipe:
        return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
    case Damage::LinkToZeroDevice:
        return linkToZeroDevice(path);
    case Damage::Folder:
        // With a file inside, as a folder a planner made there would be.
        return QDir().mkpath(path) &&
               ProgramFolder::write(path + QStringLiteral("/note.txt"), good);
    }
    return false;
}

/// Lays @p damage on the file at @p path as it is now.
inline bool layDamaged(const QString &path, Damage damage)
{
    return layDamaged(path, damage, ProgramFolder::readAll(path));
}
