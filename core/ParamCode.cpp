#include "ParamCode.h"

#include <TargetPath.h>

namespace kiv {

namespace {

QString paramCodePath()
{
    return KavrinGUIToolkit::GetTargetPath() + QStringLiteral("ParamCode.xml");
}

} // namespace

ParamCode::ParamCode() : m_path(paramCodePath())
{
}

bool ParamCode::load()
{
    // The program folder never moves while the program runs; taking it again
    // here lets one process-wide table follow a test's temporary folder.
    const QString path = paramCodePath();
    const FileStamp stamp = stampOf(path);
    // The catalogue looks kinds up a dozen times while the program starts:
    // an unchanged file is not parsed again.
    if (path == m_path && stamp == m_stamp)
        return m_problem == XmlFileProblem::None;
    m_path = path;
    m_stamp = stamp;
    m_problem = readXmlDataFile(m_root, m_path, QStringLiteral("ParamCode"));
    ++m_reads;
    return m_problem == XmlFileProblem::None;
}

bool ParamCode::lookUp(const QString &tag, ParamCodeItem &item)
{
    if (!load())
        return false;
    const XmlNode root = m_root;
    for (int i = 0; i < root.childCount(); ++i) {
        const XmlNode kind = root.childAt(i);
        if (!kind.tagIs(tag))
            continue;
        item.code = kind.childByName(QStringLiteral("Code")).text();
        item.likeCode = kind.childByName(QStringLiteral("LikeCode")).text();
        return true;
    }
    return false;
}

bool ParamCode::getEnglistIPCDevice(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("EnglistIPCDevice"), item);
}

bool ParamCode::getEnglistDomeDevice(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("EnglistDomeDevice"), item);
}

bool ParamCode::getEnglistCVRDevice(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("EnglistCVRDevice"), item);
}

bool ParamCode::getEnglistDVRDevice(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("EnglistDVRDevice"), item);
}

bool ParamCode::getNVRType(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRType"), item);
}

bool ParamCode::getHNVRType(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("HNVRType"), item);
}

bool ParamCode::getDVRType(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("DVRType"), item);
}

bool ParamCode::getIPCType(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("IPCType"), item);
}

bool ParamCode::getIPCResolution(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("IPCResolution"), item);
}

bool ParamCode::getDomeResolution(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("DomeResolution"), item);
}

bool ParamCode::getDVRResolution(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("DVRResolution"), item);
}

bool ParamCode::getDVRFrameRate(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("DVRFrameRate"), item);
}

bool ParamCode::getIPCStand(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("IPCStand"), item);
}

bool ParamCode::getDomeStand(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("DomeStand"), item);
}

bool ParamCode::getIPCShield(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("IPCShield"), item);
}

bool ParamCode::getIPCLens(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("IPCLens"), item);
}

bool ParamCode::getCVRRAID(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("CVRRAID"), item);
}

bool ParamCode::getNVRRAID(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRRAID"), item);
}

bool ParamCode::getCVRHDDBay(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("CVRHDDBay"), item);
}

bool ParamCode::getNVRHDDBay(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRHDDBay"), item);
}

bool ParamCode::getNVRAnalogInputNumber(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRAnalogInputNumber"), item);
}

bool ParamCode::getNVRNetInputNumber(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRNetInputNumber"), item);
}

bool ParamCode::getNVRBandWidth(ParamCodeItem &item)
{
    return lookUp(QStringLiteral("NVRBandWidth"), item);
}

} // namespace kiv
