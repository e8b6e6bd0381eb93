#include "XmlFile.h"

#include "CoreLogging.h"
#include "XmlNode.h"

#include <XmlSave.h>

#include <QFileInfo>

XmlFileProblem readXmlDataFile(XmlNode &root, const QString &path, const QString &rootTag)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return XmlFileProblem::Missing;
    if (!root.load(path)) {
        qCDebug(lcCore) << "file cannot be read, left untouched:" << path;
        return XmlFileProblem::Unreadable;
    }
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
    const QFileInfo info(path);
    if (info.exists() && info.size() > 0) {
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
