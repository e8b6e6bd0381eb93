#include "XmlFile.h"

#include "CoreLogging.h"
#include "XmlNode.h"

#include <File.h>
#include <XmlSave.h>

#include <QFile>

using KavrinGUIToolkit::FileState;

XmlFileProblem readXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag)
{
    QFile file;
    switch (KavrinGUIToolkit::OpenRegularFile(file, path)) {
    case FileState::Missing:
        return XmlFileProblem::Missing;
    case FileState::Unreadable:
        qCDebug(lcCore) << "file cannot be read, left untouched:" << path;
        return XmlFileProblem::Unreadable;
    case FileState::NotAFile:
        // A pipe would make the read wait forever, a device such as
        // /dev/zero would never end: neither is a file of the program's.
        qCDebug(lcCore) << "no regular file, left untouched:" << path;
        return XmlFileProblem::Damaged;
    case FileState::Regular:
        break;
    }
    root.read(file);
    if (!root.parsed()) {
        qCDebug(lcCore) << "file does not parse, left untouched:" << path;
        return XmlFileProblem::Damaged;
    }
    // Any well-formed file would otherwise do: a foreign file's elements
    // would be read as entries, and saving would write into it.
    if (!root.tagIs(rootTag)) {
        qCDebug(lcCore) << "file has the root element" << root.name() << "instead of" << rootTag
                        << ", left untouched:" << path;
        return XmlFileProblem::Damaged;
    }
    return XmlFileProblem::None;
}

bool openXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag,
                     XmlFileProblem *problem, KavrinGUIToolkit::SaveFailure *createFailure)
{
    XmlFileProblem found = XmlFileProblem::None;
    KavrinGUIToolkit::SaveFailure failure = KavrinGUIToolkit::SaveFailure::None;
    qint64 size = 0;
    const FileState state = KavrinGUIToolkit::StateOfFile(path, &size);
    // Only a regular file counts as empty: a pipe or a device has no size
    // either, and is read, as damaged, rather than replaced.
    if (state != FileState::Missing && (state != FileState::Regular || size > 0)) {
        found = readXmlDataFile(root, path, rootTag);
    } else {
        XmlNode fresh;
        fresh.createRoot(rootTag);
        if (!fresh.save(path, nullptr, &failure))
            found = XmlFileProblem::Missing;
        else
            found = readXmlDataFile(root, path, rootTag);
    }
    if (problem)
        *problem = found;
    if (createFailure)
        *createFailure = failure;
    return found == XmlFileProblem::None;
}
