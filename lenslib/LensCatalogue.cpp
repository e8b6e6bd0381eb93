#include "LensCatalogue.h"

#include "ClientConfig.h"
#include "ClientConfigManager.h"
#include "PendrikLogging.h"
#include "TextTools.h"

#include <File.h>
#include <XmlRead.h>

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

#include <cmath>

namespace pendrik {

namespace {

// Texts longer than their field are cut, never in the middle of a
// surrogate pair, so a long name stays readable text.
QString fieldText(const QString &text, int maxChars)
{
    if (text.size() <= maxChars)
        return text;
    int cut = maxChars;
    if (cut > 0 && text.at(cut - 1).isHighSurrogate())
        --cut;
    return text.left(cut);
}

// A decimal number with a point; 0 when the text is not one (or is not a
// finite number, which no focal length or sensor size can be).
float decimalValue(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok && std::isfinite(value) ? value : 0.0f;
}

int integerValue(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

// The text of a node's first child: the text of an element that holds only
// text, empty when the node has no child (a comment, an empty element).
QString firstChildText(const QDomNode &node)
{
    return node.firstChild().nodeValue();
}

CatalogueProblem readDocument(const QString &path, const QString &rootTag, QDomDocument *document)
{
    QFile file;
    QString reason;
    if (const KavrinGUIToolkit::XmlFileProblem opened =
            KavrinGUIToolkit::OpenDataFile(file, path, &reason);
        opened != KavrinGUIToolkit::XmlFileProblem::None) {
        qCDebug(lcPendrik, "catalogue %s: %s", qUtf8Printable(path), qUtf8Printable(reason));
        // A catalogue that is there but cannot be read is as useless as a
        // damaged one, and the planner is told so alike.
        return opened == KavrinGUIToolkit::XmlFileProblem::Missing ? CatalogueProblem::Missing
                                                                   : CatalogueProblem::Damaged;
    }
    QString error;
    int line = 0;
    if (!KavrinGUIToolkit::ReadXmlDocument(file, document, &error, &line)) {
        qCDebug(lcPendrik) << "cannot parse" << path << "line" << line << error;
        return CatalogueProblem::Damaged;
    }
    // Another program's file would otherwise pass for a catalogue that
    // holds nothing.
    if (document->documentElement().tagName() != rootTag) {
        qCDebug(lcPendrik) << "not a catalogue:" << path << "has the root element"
                           << document->documentElement().tagName();
        return CatalogueProblem::Damaged;
    }
    return CatalogueProblem::None;
}

bool reportProblem(CatalogueProblem found, CatalogueProblem *problem)
{
    if (problem)
        *problem = found;
    return found == CatalogueProblem::None;
}

LensInfo readLens(const QDomElement &entry)
{
    LensInfo lens;
    int position = 0;
    // Children count by position whatever their names; a comment or a
    // processing instruction takes a position too.
    for (QDomNode child = entry.firstChild(); !child.isNull() && position < 8;
         child = child.nextSibling(), ++position) {
        const QString text = firstChildText(child);
        switch (position) {
        case 0:
            lens.lensId = fieldText(text, LensInfo::kLensIdChars);
            break;
        case 1:
            lens.model = fieldText(text, LensInfo::kModelChars);
            break;
        case 2:
            lens.brand = fieldText(text, LensInfo::kBrandChars);
            break;
        case 3:
            lens.minFocal = decimalValue(text);
            break;
        case 4:
            lens.maxFocal = decimalValue(text);
            break;
        case 5:
            lens.aperture = fieldText(text, LensInfo::kApertureChars);
            break;
        case 6:
            lens.sensorFormat = fieldText(text, LensInfo::kSensorFormatChars);
            break;
        case 7:
            lens.lensInterface = fieldText(text, LensInfo::kInterfaceChars);
            break;
        }
    }
    return lens;
}

CameraInfo readCamera(const QDomElement &entry)
{
    CameraInfo camera;
    camera.name = fieldText(entry.attribute(QStringLiteral("name")), CameraInfo::kNameChars);
    for (QDomElement res = entry.firstChildElement(QStringLiteral("Resolution")); !res.isNull();
         res = res.nextSiblingElement(QStringLiteral("Resolution"))) {
        CameraResolution resolution;
        resolution.width = integerValue(res.attribute(QStringLiteral("width")));
        resolution.height = integerValue(res.attribute(QStringLiteral("height")));
        resolution.targetWidth = decimalValue(res.attribute(QStringLiteral("target_width")));
        resolution.targetHeight = decimalValue(res.attribute(QStringLiteral("target_height")));
        camera.resolutions.append(resolution);
    }
    // Only the first list of recommended lenses counts.
    const QDomElement lensTypes = entry.firstChildElement(QStringLiteral("RecommedLensType"));
    for (QDomNode type = lensTypes.firstChild(); !type.isNull(); type = type.nextSibling())
        camera.recommendedLensTypes.append(firstChildText(type));
    return camera;
}

} // namespace

QString lensCataloguePath()
{
    return appDirWithSlash() + QStringLiteral("CameraLensInfo/LensInfo.xml");
}

QString cameraCataloguePath()
{
    bool chinese = false;
    if (const ClientConfig *config =
            ClientConfigManager::instance()->getConfig(ClientConfigManager::TranslatorKey)) {
        bool ok = false;
        chinese = config->getValue().toInt(&ok, 10) == 1 && ok;
    }
    return appDirWithSlash() + (chinese ? QStringLiteral("CameraLensInfo/Camera_Lens.xml")
                                        : QStringLiteral("CameraLensInfo/Camera_Lens_en.xml"));
}

bool loadLensInfo(QList<LensInfo> *lenses, CatalogueProblem *problem)
{
    return loadLensInfoFile(lensCataloguePath(), lenses, problem);
}

bool loadCameraLensInfo(QList<CameraInfo> *cameras, CatalogueProblem *problem)
{
    return loadCameraLensInfoFile(cameraCataloguePath(), cameras, problem);
}

bool loadLensInfoFile(const QString &path, QList<LensInfo> *lenses, CatalogueProblem *problem)
{
    if (!lenses)
        return false;
    QDomDocument document;
    const CatalogueProblem found = readDocument(path, QStringLiteral("LensInfo"), &document);
    if (found != CatalogueProblem::None)
        return reportProblem(found, problem);
    const QDomElement root = document.documentElement();
    for (QDomElement entry = root.firstChildElement(QStringLiteral("LENS")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("LENS")))
        lenses->append(readLens(entry));
    return reportProblem(CatalogueProblem::None, problem);
}

bool loadCameraLensInfoFile(const QString &path, QList<CameraInfo> *cameras,
                            CatalogueProblem *problem)
{
    if (!cameras)
        return false;
    QDomDocument document;
    const CatalogueProblem found = readDocument(path, QStringLiteral("CameraLensInfo"), &document);
    if (found != CatalogueProblem::None)
        return reportProblem(found, problem);
    const QDomElement root = document.documentElement();
    for (QDomElement entry = root.firstChildElement(QStringLiteral("Camera")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("Camera")))
        cameras->append(readCamera(entry));
    return reportProblem(CatalogueProblem::None, problem);
}

} // namespace pendrik
