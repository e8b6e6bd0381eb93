#pragma once

#include "FileStamp.h"
#include "XmlFile.h"
#include "XmlNode.h"

#include <UiSingleton.h>

#include <QString>

/// The answer of the parameter-code table for one kind of catalogue row: a
/// LIKE pattern over the six-digit codes ("0415%") and one code ("041500").
struct ParamCodeItem
{
    QString likeCode;
    QString code;
};

namespace kiv {

/// The code that marks NVR models in the DVR tables when the parameter-code
/// table has no NVRType tag.
inline constexpr char kNvrTypeFallback[] = "010403";

/// ParamCode.xml of the program folder: for each kind of catalogue row, named
/// by a tag, the LIKE pattern and the code that the catalogue queries use.
/// The file is read at the first look-up, and again only once it has changed
/// (its FileStamp), so a changed file counts from the next look-up on. Each getter returns false,
/// leaving @p item untouched, when the file cannot be read, is damaged (not well-formed, or a root
/// other than "ParamCode") or has no element child of the root with the getter's tag; otherwise it
/// fills both fields (an empty text for a missing "LikeCode" or "Code"). A damaged file is never
/// read in part: the catalogue then uses its built-in codes, as for a missing file.
class ParamCode : public KavrinGUIToolkit::CUiSingleton<ParamCode>
{
public:
    ParamCode();
    ~ParamCode() override = default;
    Q_DISABLE_COPY_MOVE(ParamCode)

    /// Reads ParamCode.xml of the program folder, unless it is the file last
    /// read and has not changed since; true when it could be read and is a
    /// parameter-code table.
    bool load();
    /// How many times load() has read the file: once, and once more after
    /// each change.
    int reads() const { return m_reads; }
    /// Why the last load() failed; None after a success.
    XmlFileProblem problem() const { return m_problem; }
    /// The file read by load().
    QString path() const { return m_path; }

    bool getEnglistIPCDevice(ParamCodeItem &item);
    bool getEnglistDomeDevice(ParamCodeItem &item);
    bool getEnglistCVRDevice(ParamCodeItem &item);
    bool getEnglistDVRDevice(ParamCodeItem &item);
    bool getNVRType(ParamCodeItem &item);
    bool getHNVRType(ParamCodeItem &item);
    bool getDVRType(ParamCodeItem &item);
    bool getIPCType(ParamCodeItem &item);
    bool getIPCResolution(ParamCodeItem &item);
    bool getDomeResolution(ParamCodeItem &item);
    bool getDVRResolution(ParamCodeItem &item);
    bool getDVRFrameRate(ParamCodeItem &item);
    bool getIPCStand(ParamCodeItem &item);
    bool getDomeStand(ParamCodeItem &item);
    bool getIPCShield(ParamCodeItem &item);
    bool getIPCLens(ParamCodeItem &item);
    bool getCVRRAID(ParamCodeItem &item);
    bool getNVRRAID(ParamCodeItem &item);
    bool getCVRHDDBay(ParamCodeItem &item);
    bool getNVRHDDBay(ParamCodeItem &item);
    bool getNVRAnalogInputNumber(ParamCodeItem &item);
    bool getNVRNetInputNumber(ParamCodeItem &item);
    bool getNVRBandWidth(ParamCodeItem &item);

private:
    bool lookUp(const QString &tag, ParamCodeItem &item);

    XmlNode m_root;
    QString m_path;
    // The file as it stood just before it was last read: the table read is
    // at least as new, so a change since shows as another stamp.
    FileStamp m_stamp;
    XmlFileProblem m_problem = XmlFileProblem::None;
    int m_reads = 0;
};

} // namespace kiv
