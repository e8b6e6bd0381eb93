#include "XmlFile.h"

#include "CoreLogging.h"
#include "XmlNode.h"

#include <File.h>
#include <XmlSave.h>

#include <QFile>

using KavrinGUIToolkit::FileState;

XmlFileProblem openExistingDataFile(QFile &file, const QString &path)
{
    QString reason;
    const XmlFileProblem problem = KavrinGUIToolkit::OpenDataFile(file, path, &reason);
    if (problem != XmlFileProblem::None && problem != XmlFileProblem::Missing)
        qCDebug(lcCore, "file %s, left untouched: %s", qUtf8Printable(reason),
                qUtf8Printable(path));
    return problem;
}

XmlFileProblem readXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag)
{
    QFile file;
    if (const XmlFileProblem problem = openExistingDataFile(file, path);
        problem != XmlFileProblem::None)
        return problem;
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
