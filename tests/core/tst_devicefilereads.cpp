// A task's device file read the two ways the program reads it: through the
// parsed document every edit works on (TaskDeviceFile's accessors), and as the
// device list, the calculators and the report read it (readRecords, streamed
// from the file or walked in a kept document). Both find the same devices,
// streams, record plans and accessories, or refuse the file with the same
// problem and the same reason, for files the program saves, for shapes only a
// hand or another program makes, and for the reader fuzz's mutations of its
// device file.
#include "DamagedFile.h"
#include "FileMutations.h"
#include "ProgramFolder.h"

#include <DeviceFileStream.h>
#include <TaskDeviceFile.h>

#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

const QString kTask = QStringLiteral("Lobby");
constexpr DeviceParts kAllParts =
    DevicePart::Streams | DevicePart::PlanAndFrequency | DevicePart::Accessories;

struct Reading
{
    bool read = false;
    XmlFileProblem problem = XmlFileProblem::None;
    QString reason;
    QVector<DeviceRecord> records;
};

QString accessoryText(const DeviceAccessory &accessory)
{
    return accessory.present ? QStringLiteral("[%1 x%2]").arg(accessory.type).arg(accessory.count)
                             : QStringLiteral("[none]");
}

// One line per entry, every field in it: a difference shows as the first
// line that differs.
QStringList linesOf(const QVector<DeviceRecord> &records, DeviceParts parts)
{
    QStringList lines;
    for (const DeviceRecord &record : records) {
        const DeviceInfo &info = record.info;
        QString line = QStringLiteral("%1|%2|%3|%4|%5|%6")
                           .arg(info.deviceType, info.remark, info.mainType)
                           .arg(info.count)
                           .arg(info.mainStream)
                           .arg(info.subStream);
        if (parts.testFlag(DevicePart::Streams)) {
            for (const DevStream &stream : record.streams) {
                line += QStringLiteral(" {%1|%2|%3|%4|%5}")
                            .arg(stream.useCode)
                            .arg(stream.streamCount)
                            .arg(stream.resolution, stream.frameRate)
                            .arg(stream.bitRate);
            }
        }
        if (parts.testFlag(DevicePart::PlanAndFrequency))
            line += QStringLiteral(" plan %1 fren %2").arg(record.recordPlan, record.eventFren);
        if (parts.testFlag(DevicePart::Accessories))
            line += QLatin1Char(' ') + accessoryText(record.stand) + accessoryText(record.shield) +
                    accessoryText(record.lens);
        lines << line;
    }
    return lines;
}

// What an edit's object on the file finds, nothing kept from before; with
// @p kept, in the document kept from the last edit, if any.
Reading throughDocument(bool kept = false)
{
    if (!kept)
        XmlDataFile::forgetKeptDocumentsAndRecords();
    Reading reading;
    TaskDeviceFile file(kTask);
    reading.problem = file.problem();
    reading.reason = file.lastError();
    QVector<DeviceInfo> devices;
    reading.read = file.isOpen() && file.devices(devices);
    if (!reading.read)
        return reading;
    for (int i = 0; i < devices.size(); ++i) {
        DeviceRecord record;
        record.info = devices.at(i);
        file.streams(i, record.streams);
        file.recordPlan(i, record.recordPlan);
        file.eventFren(i, record.eventFren);
        const std::pair<DeviceAccessory &, bool (TaskDeviceFile::*)(int, QString &, int &)>
            accessories[] = {{record.stand, &TaskDeviceFile::stand},
                             {record.shield, &TaskDeviceFile::shield},
                             {record.lens, &TaskDeviceFile::lens}};
        for (const auto &[accessory, read] : accessories)
            accessory.present = (file.*read)(i, accessory.type, accessory.count);
        reading.records.append(record);
    }
    return reading;
}

// What a step that only reads gets; @p keepDocument first leaves a parsed
// document of the file kept, as an edit a moment before does.
Reading throughRecords(DeviceParts parts = kAllParts, bool keepDocument = false)
{
    XmlDataFile::forgetKeptDocumentsAndRecords();
    if (keepDocument)
        TaskDeviceFile file(kTask);
    Reading reading;
    reading.read = TaskDeviceFile::readRecords(kTask, parts, reading.records, &reading.reason,
                                               &reading.problem);
    return reading;
}

QString problemName(XmlFileProblem problem)
{
    switch (problem) {
    case XmlFileProblem::None:
        return QStringLiteral("none");
    case XmlFileProblem::Missing:
        return QStringLiteral("missing");
    case XmlFileProblem::Unreadable:
        return QStringLiteral("unreadable");
    case XmlFileProblem::Damaged:
        return QStringLiteral("damaged");
    }
    return QString();
}

// Empty when @p records read what @p document read; else what differs.
QString difference(const Reading &document, const Reading &records, DeviceParts parts = kAllParts)
{
    if (document.read != records.read || document.problem != records.problem ||
        document.reason != records.reason)
        return QStringLiteral("document: %1, %2, \"%3\"; records: %4, %5, \"%6\"")
            .arg(document.read ? QStringLiteral("read") : QStringLiteral("refused"),
                 problemName(document.problem), document.reason,
                 records.read ? QStringLiteral("read") : QStringLiteral("refused"),
                 problemName(records.problem), records.reason);
    const QStringList expected = linesOf(document.records, parts);
    const QStringList got = linesOf(records.records, parts);
    for (qsizetype i = 0; i < qMax(expected.size(), got.size()); ++i) {
        if (expected.value(i) != got.value(i))
            return QStringLiteral("entry %1: document \"%2\", records \"%3\"")
                .arg(i)
                .arg(expected.value(i), got.value(i));
    }
    return QString();
}

QString devicePath()
{
    return TaskDeviceFile::filePath(kTask);
}

QString readerName(DeviceFileReader reader)
{
    static const char *const names[] = {"no reader", "the scan", "the parser"};
    return QLatin1String(names[int(reader)]);
}

// Empty when the file streamed, by @p reader, gives what @p document found
// (the reason aside: the stream gives none); else what differs.
QString streamedBy(DeviceFileReader reader, const Reading &document)
{
    Reading streamed;
    DeviceFileReader used = DeviceFileReader::None;
    streamed.problem =
        streamDeviceRecords(devicePath(), kAllParts, streamed.records, nullptr, &used);
    streamed.read = streamed.problem == XmlFileProblem::None;
    streamed.reason = document.reason;
    if (used != reader)
        return QStringLiteral("read by %1, not by %2").arg(readerName(used), readerName(reader));
    return difference(document, streamed);
}

DevStream stream(const char *useCode, int count, const char *resolution, int bitRate)
{
    DevStream s;
    s.useCode = QLatin1String(useCode);
    s.streamCount = count;
    s.resolution = QLatin1String(resolution);
    s.frameRate = QStringLiteral("25");
    s.bitRate = bitRate;
    return s;
}

DeviceInfo device(const QString &type, const QString &remark, const char *mainType, int count)
{
    DeviceInfo info;
    info.deviceType = type;
    info.remark = remark;
    info.mainType = QLatin1String(mainType);
    info.count = count;
    info.mainStream = 4096;
    info.subStream = 512;
    return info;
}

// Saves a task as the program does: @p devices entries, each with streams,
// a plan, a frequency and, every other entry, accessories, and the remarks
// given in turn.
bool saveTask(int devices, const QStringList &remarks)
{
    TaskDeviceFile file(kTask);
    for (int i = 0; i < devices; ++i) {
        const bool dvr = i % 5 == 4;
        if (!file.addDevice(device(QStringLiteral("KC-%1").arg(i % 7),
                                   remarks.value(i % qMax(1, int(remarks.size()))),
                                   dvr ? "DVR" : "IPC", 1 + i % 3)))
            return false;
        for (int s = 0; s < i % 4; ++s)
            file.addStream(stream(s % 2 ? "110" : "011", 1 + s, "1920x1080", 1024 << s), i);
        file.setRecordPlan(QStringLiteral("000000111111111111222222"), i);
        file.setEventFren(i, QString::number(10 * (i % 10)));
        if (i % 2 == 0) {
            file.setStand(i, QStringLiteral("KS-1"), 1);
            file.setLens(i, remarks.value(0), 2);
        }
        if (i % 3 == 0)
            file.setShield(i, QStringLiteral("KH-2"), i);
    }
    return file.close();
}

// The reader fuzz's device files (the program's shape, and one written by
// hand with comments, instructions, CDATA sections and prefixed names), then
// a task the program saved.
QVector<QByteArray> fuzzSeeds()
{
    const auto fuzzFile = [](const char *name) {
        return ProgramFolder::readAll(QStringLiteral(VARNEL_TEST_DATA_DIR "/fuzz/") +
                                      QLatin1String(name));
    };
    QVector<QByteArray> seeds{fuzzFile("devices.xml")};
    if (saveTask(3, {QStringLiteral("大门"), QStringLiteral("Caf\u00e9")}))
        seeds << ProgramFolder::readAll(devicePath());
    // And one whose remarks hold what the save writes as entities and
    // references, with line ends of CR LF.
    if (saveTask(3, {QStringLiteral("a & <b>\t\u5927\n\u95e8"),
                     QStringLiteral("\u00df\r\U0001F600")})) {
        seeds << ProgramFolder::readAll(devicePath()).replace("\n", "\r\n");
    }
    seeds << fuzzFile("handmade-devices.xml");
    return seeds;
}

// A device file of the given entries, as written by hand.
QByteArray handMade(const QByteArray &entries, const QByteArray &encoding = "GB2312")
{
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>\n<DeviceInfoList>\n" + entries +
           "</DeviceInfoList>\n";
}

} // namespace

Q_DECLARE_METATYPE(XmlFileProblem)
Q_DECLARE_METATYPE(DeviceFileReader)

class TestDeviceFileReads : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void savedTasksReadTheSame_data();
    void savedTasksReadTheSame();
    void handMadeShapesReadTheSame_data();
    void handMadeShapesReadTheSame();
    void refusedFilesAreRefusedAlike_data();
    void refusedFilesAreRefusedAlike();
    void missingAndEmptyFilesAreCreatedAlike_data();
    void missingAndEmptyFilesAreCreatedAlike();
    void mutatedFilesReadTheSame();
    void savedFilesTakeTheScan_data();
    void savedFilesTakeTheScan();
    void shapesAroundTheSavedOneTakeTheirReader_data();
    void shapesAroundTheSavedOneTakeTheirReader();
    void anEditKeepsEveryOtherField();
    void entriesReadAgainSeeEveryChange();

private:
    std::unique_ptr<ProgramFolder> m_folder;
};

void TestDeviceFileReads::initTestCase()
{
    // Hundreds of refused inputs would bury the counts in the readers' debug
    // lines.
    QLoggingCategory::setFilterRules(QStringLiteral("varnel.*.debug=false"));
}

void TestDeviceFileReads::init()
{
    m_folder = std::make_unique<ProgramFolder>();
}

void TestDeviceFileReads::cleanup()
{
    m_folder.reset();
    XmlDataFile::forgetKeptDocumentsAndRecords();
}

void TestDeviceFileReads::savedTasksReadTheSame_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<QStringList>("remarks");
    QTest::newRow("an empty device list") << 0 << QStringList();
    QTest::newRow("one camera") << 1 << QStringList{QStringLiteral("Gate")};
    QTest::newRow("Chinese remarks, saved in GB2312")
        << 12 << QStringList{QStringLiteral("大门"), QStringLiteral("停车场 B2")};
    QTest::newRow("characters GB2312 lacks, saved as references")
        << 6 << QStringList{QStringLiteral("Caf\u00e9 \U0001F600"), QStringLiteral("\u20ac 5")};
    QTest::newRow("markup characters and spaces in remarks")
        << 6
        << QStringList{QStringLiteral("a < b && c > d ]]> \"q\" 'p'"), QStringLiteral("   "),
                       QStringLiteral(" padded "), QStringLiteral("two\nlines")};
    QTest::newRow("characters XML forbids, saved as U+FFFD")
        << 4 << QStringList{QStringLiteral("bell\u0007"), QString(QChar(0xD83D))};
    QTest::newRow("a thousand entries of every kind")
        << 1000 << QStringList{QStringLiteral("Hall"), QStringLiteral("大堂")};
}

void TestDeviceFileReads::savedTasksReadTheSame()
{
    QFETCH(int, devices);
    QFETCH(QStringList, remarks);
    QVERIFY(saveTask(devices, remarks));
    const QByteArray saved = ProgramFolder::readAll(devicePath());

    const Reading document = throughDocument();
    QVERIFY(document.read);
    QCOMPARE(document.records.size(), devices);
    const Reading streamed = throughRecords();
    QVERIFY2(difference(document, streamed).isEmpty(), qPrintable(difference(document, streamed)));
    const Reading walked = throughRecords(kAllParts, true);
    QVERIFY2(difference(document, walked).isEmpty(), qPrintable(difference(document, walked)));
    // Each part alone: the entry's own fields are the same, whatever else is
    // asked for.
    for (const DeviceParts parts :
         {DeviceParts(), DeviceParts(DevicePart::Streams),
          DeviceParts(DevicePart::PlanAndFrequency), DeviceParts(DevicePart::Accessories)}) {
        const Reading part = throughRecords(parts);
        QVERIFY2(difference(document, part, parts).isEmpty(),
                 qPrintable(difference(document, part, parts)));
    }
    // Read, never written.
    QCOMPARE(ProgramFolder::readAll(devicePath()), saved);
}

void TestDeviceFileReads::handMadeShapesReadTheSame_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // The first entry's remark and count, worked out from the bytes.
    QTest::addColumn<QString>("remark");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entries");

    QTest::newRow("fields given as CDATA sections read as their text")
        << handMade("<DeviceInfo><Remark><![CDATA[a <b> & c]]></Remark>"
                    "<Count><![CDATA[7]]></Count></DeviceInfo>\n")
        << QStringLiteral("a <b> & c") << 7 << 1;
    QTest::newRow("an empty CDATA section is the text, and reads as zero")
        << handMade("<DeviceInfo><Remark><![CDATA[]]>x</Remark>"
                    "<Count><![CDATA[]]>5</Count></DeviceInfo>\n")
        << QString() << 0 << 1;
    QTest::newRow("text of spaces alone is no text, the text after it is")
        << handMade("<DeviceInfo><Remark>   <![CDATA[x]]></Remark><Count>  </Count></DeviceInfo>\n")
        << QStringLiteral("x") << 0 << 1;
    QTest::newRow("text of ideographic spaces alone is no text")
        << handMade("<DeviceInfo><Remark>\xa1\xa1<!--c-->y</Remark></DeviceInfo>\n")
        << QStringLiteral("y") << 0 << 1;
    QTest::newRow("a comment or instruction in a field leaves its first part")
        << handMade("<DeviceInfo><Remark>left<!-- c -->right</Remark>"
                    "<Count>1<?pi x?>2</Count></DeviceInfo>\n")
        << QStringLiteral("left") << 1 << 1;
    QTest::newRow("references and entities in a field")
        << handMade("<DeviceInfo><Remark>&lt;&#x5927;&#38;&quot;&#x1F600;</Remark>"
                    "<Count>&#x33;</Count></DeviceInfo>\n")
        << QStringLiteral("<大&\"\U0001F600") << 3 << 1;
    QTest::newRow("numbers with spaces, signs and junk")
        << handMade("<DeviceInfo><Count> 12 </Count><MainStream>+7</MainStream>"
                    "<SubStream>3x</SubStream><DevStreamList><DevStream><BitRate>-4"
                    "</BitRate><StreamCount>99999999999</StreamCount></DevStream>"
                    "</DevStreamList></DeviceInfo>\n")
        << QString() << 12 << 1;
    QTest::newRow("a field nested deeper in the entry is still its field")
        << handMade("<DeviceInfo><Extra><Remark>deep</Remark></Extra><Remark>late</Remark>"
                    "<Count>2</Count><Count>3</Count></DeviceInfo>\n")
        << QStringLiteral("deep") << 2 << 1;
    QTest::newRow("a field inside a stream, found before the entry's own")
        << handMade("<DeviceInfo><DevStreamList><DevStream><Count>8</Count><UseCode>111"
                    "</UseCode></DevStream></DevStreamList><Count>9</Count></DeviceInfo>\n")
        << QString() << 8 << 1;
    QTest::newRow("an element with its text after a child")
        << handMade("<DeviceInfo><Remark><b>bold</b>after</Remark></DeviceInfo>\n")
        << QStringLiteral("after") << 0 << 1;
    QTest::newRow("entries of any name, with text and comments between them")
        << handMade("text<Camera><Remark>one</Remark></Camera><!-- c -->"
                    "<DeviceInfo/><x:DeviceInfo><Remark>three</Remark></x:DeviceInfo>\n")
        << QStringLiteral("one") << 0 << 3;
    QTest::newRow("prefixed names are other names")
        << handMade("<DeviceInfo><a:Remark>no</a:Remark><Remark>yes</Remark>"
                    "<a:DevStreamList><DevStream><UseCode>1</UseCode></DevStream>"
                    "</a:DevStreamList></DeviceInfo>\n")
        << QStringLiteral("yes") << 0 << 1;
    QTest::newRow("streams of any name, in the first stream list only")
        << handMade("<DeviceInfo><Wrap><DevStreamList><S><UseCode>111</UseCode><Deep><BitRate>"
                    "64</BitRate></Deep></S>text<Other/><DevStream><UseCode>010</UseCode>"
                    "<DevStreamList><DevStream><UseCode>inner</UseCode></DevStream>"
                    "</DevStreamList></DevStream></DevStreamList></Wrap>"
                    "<DevStreamList><DevStream><UseCode>second</UseCode></DevStream>"
                    "</DevStreamList></DeviceInfo>\n")
        << QString() << 0 << 1;
    QTest::newRow("accessory blocks nested, repeated, or fields outside them")
        << handMade("<DeviceInfo><LensType>outside</LensType><DeviceStand><DeviceLens>"
                    "<LensType>in stand</LensType></DeviceLens><StandCount>4</StandCount>"
                    "</DeviceStand><DeviceLens><LensType>second</LensType><LensCount>2"
                    "</LensCount></DeviceLens><DeviceShield/><DevStreamList><DeviceShield>"
                    "<ShieldType>s</ShieldType></DeviceShield></DevStreamList></DeviceInfo>\n")
        << QString() << 0 << 1;
    QTest::newRow("an accessory block as a stream")
        << handMade("<DeviceInfo><DevStreamList><DeviceLens><LensType>L</LensType><UseCode>"
                    "101</UseCode></DeviceLens></DevStreamList><Count>6</Count></DeviceInfo>\n")
        << QString() << 6 << 1;
    QTest::newRow("attributes and an empty root")
        << QByteArray("<?xml version=\"1.0\"?><DeviceInfoList a=\"1\"/>") << QString() << 0 << 0;
    QTest::newRow("a file in UTF-8 with a byte order mark")
        << "\xef\xbb\xbf" +
               handMade("<DeviceInfo><Remark>\xe5\xa4\xa7</Remark></DeviceInfo>\n", "UTF-8")
        << QStringLiteral("大") << 0 << 1;
    // Around the shape the program itself saves, which is read without the
    // general parser.
    QTest::newRow("a carriage return in a field reads as a new line")
        << handMade("<DeviceInfo><Remark>a\r\nb\rc</Remark><Count>4</Count></DeviceInfo>\n")
        << QStringLiteral("a\nb\nc") << 4 << 1;
    QTest::newRow("blanks inside the tags")
        << handMade("<DeviceInfo ><Remark\t>x y</Remark\n><Count >5</Count ></DeviceInfo>\n")
        << QStringLiteral("x y") << 5 << 1;
    QTest::newRow("an empty element is a field without text")
        << handMade("<DeviceInfo><Remark/><Remark>later</Remark><Count>3</Count><Count/>"
                    "</DeviceInfo><DeviceInfo/>\n")
        << QString() << 3 << 2;
    QTest::newRow("markup characters a field may hold as they are")
        << handMade("<DeviceInfo><Remark>a > b ] ]] [x]</Remark><Count>2</Count></DeviceInfo>\n")
        << QStringLiteral("a > b ] ]] [x]") << 2 << 1;
    QTest::newRow("Chinese text and a Chinese name in GB2312")
        << handMade("<DeviceInfo><Remark>\xb4\xf3\xc3\xc5 1</Remark><\xc3\xfb>\xb4\xf3</\xc3\xfb>"
                    "<Count>1</Count></DeviceInfo>\n")
        << QStringLiteral("大门 1") << 1 << 1;
    QTest::newRow("names with digits, dots, dashes and underscores")
        << handMade("<DeviceInfo><_a.b-1>z</_a.b-1><Remark>r</Remark></DeviceInfo>\n")
        << QStringLiteral("r") << 0 << 1;
    QTest::newRow("the declaration in single quotes, and blanks after the root")
        << QByteArray("<?xml version='1.0' encoding='GB2312'?>\n<DeviceInfoList><DeviceInfo>"
                      "<Remark>q</Remark></DeviceInfo></DeviceInfoList>\n \t\n")
        << QStringLiteral("q") << 0 << 1;
    QTest::newRow("bytes GB2312 leaves empty under its declaration")
        << handMade("<DeviceInfo><Remark>\xaa\xa1\x80</Remark></DeviceInfo>\n")
        << QStringLiteral("\ue0a4\u0080") << 0 << 1;
}

void TestDeviceFileReads::handMadeShapesReadTheSame()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, remark);
    QFETCH(int, count);
    QFETCH(int, entries);
    QVERIFY(ProgramFolder::write(devicePath(), bytes));

    const Reading document = throughDocument();
    QVERIFY(document.read);
    QCOMPARE(document.records.size(), entries);
    if (entries > 0) {
        QCOMPARE(document.records.first().info.remark, remark);
        QCOMPARE(document.records.first().info.count, count);
    }
    const Reading streamed = throughRecords();
    QVERIFY2(difference(document, streamed).isEmpty(), qPrintable(difference(document, streamed)));
    const Reading walked = throughRecords(kAllParts, true);
    QVERIFY2(difference(document, walked).isEmpty(), qPrintable(difference(document, walked)));
    QCOMPARE(ProgramFolder::readAll(devicePath()), bytes);
}

void TestDeviceFileReads::refusedFilesAreRefusedAlike_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<XmlFileProblem>("problem");
    const QByteArray entry = "<DeviceInfo><Remark>r</Remark></DeviceInfo>\n";
    const QByteArray good = handMade(entry);
    QTest::newRow("another root element is a foreign file")
        << QByteArray("<?xml version=\"1.0\"?>\n<TaskInfoList>") + entry + "</TaskInfoList>"
        << XmlFileProblem::Damaged;
    QTest::newRow("a file cut short") << good.left(good.size() / 2) << XmlFileProblem::Damaged;
    QTest::newRow("a second root element") << good + "<DeviceInfoList/>" << XmlFileProblem::Damaged;
    QTest::newRow("text after the root element") << good + "more" << XmlFileProblem::Damaged;
    QTest::newRow("a CDATA section after the root element")
        << good + "<![CDATA[x]]>" << XmlFileProblem::Damaged;
    QTest::newRow("a document type declaration")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE DeviceInfoList>\n<DeviceInfoList/>")
        << XmlFileProblem::Damaged;
    QTest::newRow("an undeclared entity")
        << handMade("<DeviceInfo>&nbsp;</DeviceInfo>") << XmlFileProblem::Damaged;
    QTest::newRow("an encoding nobody knows")
        << handMade(entry, "X-NOTHING") << XmlFileProblem::Damaged;
    QTest::newRow("a GBK character under a GB2312 declaration")
        << handMade("<DeviceInfo><Remark>\x81\x40\xfe\x50</Remark></DeviceInfo>\n")
        << XmlFileProblem::Damaged;
    QTest::newRow("a lead byte without its trail under a GB2312 declaration")
        << handMade("<DeviceInfo><Remark>\xb0</Remark></DeviceInfo>\n") << XmlFileProblem::Damaged;
    QTest::newRow("a NUL byte") << handMade(QByteArray("<DeviceInfo>") + '\0' + "</DeviceInfo>\n")
                                << XmlFileProblem::Damaged;
    QTest::newRow("elements nested 65 deep")
        << handMade(QByteArray("<a>").repeated(64) + QByteArray("</a>").repeated(64))
        << XmlFileProblem::Damaged;
    QTest::newRow("a file over 8 MB")
        << handMade("<DeviceInfo><Remark>" + QByteArray(8 << 20, 'x') + "</Remark></DeviceInfo>")
        << XmlFileProblem::Damaged;
    QTest::newRow("random bytes") << randomBytes() << XmlFileProblem::Damaged;
    QTest::newRow("an element closed under another name")
        << handMade("<DeviceInfo><Remark>x</Count></DeviceInfo>\n") << XmlFileProblem::Damaged;
    QTest::newRow("an element never closed")
        << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<DeviceInfoList><DeviceInfo>"
                      "<Remark>x</Remark></DeviceInfo>\n")
        << XmlFileProblem::Damaged;
    QTest::newRow("the end of a CDATA section in plain text")
        << handMade("<DeviceInfo><Remark>a]]>b</Remark></DeviceInfo>\n") << XmlFileProblem::Damaged;
    QTest::newRow("a control character in a field")
        << handMade("<DeviceInfo><Remark>a\x01b</Remark></DeviceInfo>\n")
        << XmlFileProblem::Damaged;
    QTest::newRow("a tag without its closing bracket")
        << handMade("<DeviceInfo><Remark>x</Remark</DeviceInfo>\n") << XmlFileProblem::Damaged;
    QTest::newRow("a second root element of another name")
        << handMade("<DeviceInfo/>\n") + "<Other/>\n"
        << XmlFileProblem::Damaged;
    QTest::newRow("a name that starts with a digit")
        << handMade("<DeviceInfo><1st>x</1st></DeviceInfo>\n") << XmlFileProblem::Damaged;
    QTest::newRow("a lone ampersand")
        << handMade("<DeviceInfo><Remark>a & b</Remark></DeviceInfo>\n") << XmlFileProblem::Damaged;
}

void TestDeviceFileReads::refusedFilesAreRefusedAlike()
{
    QFETCH(QByteArray, bytes);
    QFETCH(XmlFileProblem, problem);
    QVERIFY(ProgramFolder::write(devicePath(), bytes));

    const Reading document = throughDocument();
    QVERIFY(!document.read);
    QCOMPARE(document.problem, problem);
    QVERIFY(document.reason.contains(QDir::toNativeSeparators(devicePath())));
    const Reading streamed = throughRecords();
    QVERIFY2(difference(document, streamed).isEmpty(), qPrintable(difference(document, streamed)));
    QVERIFY(streamed.records.isEmpty());
    // Left as it is.
    QCOMPARE(ProgramFolder::readAll(devicePath()), bytes);
}

void TestDeviceFileReads::missingAndEmptyFilesAreCreatedAlike_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a missing file is created empty") << QStringLiteral("missing");
    QTest::newRow("a file of 0 bytes is created empty") << QStringLiteral("empty");
    QTest::newRow("a folder in the file's place is damaged") << QStringLiteral("folder");
    QTest::newRow("a named pipe in the file's place is damaged, and never waited on")
        << QStringLiteral("pipe");
    QTest::newRow("a link to a zero device in the file's place is damaged")
        << QStringLiteral("zero device");
    QTest::newRow("a missing Task folder cannot hold a new file") << QStringLiteral("no folder");
}

void TestDeviceFileReads::missingAndEmptyFilesAreCreatedAlike()
{
    QFETCH(QString, how);
    const auto lay = [&] {
        QFile::remove(devicePath());
        QDir(devicePath()).removeRecursively();
        QDir(m_folder->file(QStringLiteral("Task"))).removeRecursively();
        QDir().mkpath(m_folder->file(QStringLiteral("Task")));
        if (how == QLatin1String("empty"))
            QVERIFY(ProgramFolder::write(devicePath(), QByteArray()));
        else if (how == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(devicePath()));
        else if (how == QLatin1String("no folder"))
            QVERIFY(QDir(m_folder->file(QStringLiteral("Task"))).removeRecursively());
        else if (how == QLatin1String("pipe"))
            QVERIFY(layDamaged(devicePath(), Damage::NamedPipe, QByteArray()));
        else if (how == QLatin1String("zero device"))
            QVERIFY(layDamaged(devicePath(), Damage::LinkToZeroDevice, QByteArray()));
    };
    lay();
    const Reading document = throughDocument();
    const QByteArray afterDocument = ProgramFolder::readAll(devicePath());
    lay();
    const Reading streamed = throughRecords();
    QVERIFY2(difference(document, streamed).isEmpty(), qPrintable(difference(document, streamed)));
    QCOMPARE(ProgramFolder::readAll(devicePath()), afterDocument);
    QCOMPARE(document.read, how == QLatin1String("missing") || how == QLatin1String("empty"));
    if (how == QLatin1String("folder") || how == QLatin1String("pipe") ||
        how == QLatin1String("zero device"))
        QCOMPARE(streamed.problem, XmlFileProblem::Damaged);
}

void TestDeviceFileReads::mutatedFilesReadTheSame()
{
    // The reader fuzz's seeds and mutations of the device file, and the
    // same mutations of tasks the program saved.
    constexpr quint32 kSeed = 20261213;
    qInfo("mutation seed %u", kSeed);
    const QVector<QByteArray> seeds = fuzzSeeds();
    const QString secretPath = m_folder->file(QStringLiteral("secret.txt"));
    QVERIFY(ProgramFolder::write(secretPath, "secret-of-another-file"));
    int inputs = 0;
    int read = 0;
    for (quint32 s = 0; s < quint32(seeds.size()); ++s) {
        QVERIFY(!seeds[s].isEmpty());
        Mutator mutator(kSeed + s);
        const QVector<Mutant> mutants = mutator.mutate(seeds[s], secretPath);
        for (int i = 0; i < mutants.size(); ++i) {
            const Mutant &mutant = mutants.at(i);
            QVERIFY(ProgramFolder::write(devicePath(), mutant.bytes));
            const Reading document = throughDocument();
            const Reading streamed = throughRecords();
            const QString differs = difference(document, streamed);
            QVERIFY2(differs.isEmpty(), qPrintable(QStringLiteral("seed %1, input %2 (%3): %4")
                                                       .arg(s)
                                                       .arg(i)
                                                       .arg(mutant.kind, differs)));
            QVERIFY2(ProgramFolder::readAll(devicePath()) == mutant.bytes,
                     qPrintable(QStringLiteral("seed %1, input %2 written").arg(s).arg(i)));
            ++inputs;
            read += document.read ? 1 : 0;
        }
    }
    qInfo("device file read both ways: %d inputs fuzzed, %d of them read", inputs, read);
}

void TestDeviceFileReads::savedFilesTakeTheScan_data()
{
    QTest::addColumn<QStringList>("remarks");
    QTest::addColumn<bool>("crlf");
    // The first entry's remark as it reads back.
    QTest::addColumn<QString>("remark");
    QTest::newRow("an ampersand, saved as an entity")
        << QStringList{QStringLiteral("Gate & car park")} << false
        << QStringLiteral("Gate & car park");
    QTest::newRow("markup characters, saved as entities where they must be")
        << QStringList{QStringLiteral("a < b > c ]]> \"q\" 'p'")} << false
        << QStringLiteral("a < b > c ]]> \"q\" 'p'");
    QTest::newRow("letters GB2312 lacks, saved as references")
        << QStringList{QStringLiteral("Stra\u00dfe \U0001F600"), QStringLiteral("\u20ac")} << false
        << QStringLiteral("Stra\u00dfe \U0001F600");
    QTest::newRow("Chinese text over two lines")
        << QStringList{QStringLiteral("\u5927\u95e8\n\u5165\u53e3")} << false
        << QStringLiteral("\u5927\u95e8\n\u5165\u53e3");
    QTest::newRow("Chinese text with a tab")
        << QStringList{QStringLiteral("\u505c\u8f66\u573a\t\u5317")} << false
        << QStringLiteral("\u505c\u8f66\u573a\t\u5317");
    QTest::newRow("a carriage return, saved as a reference")
        << QStringList{QStringLiteral("a\rb")} << false << QStringLiteral("a\rb");
    QTest::newRow("a character XML forbids, saved as U+FFFD")
        << QStringList{QStringLiteral("bell\u0007")} << false << QStringLiteral("bell\ufffd");
    QTest::newRow("a remark of spaces alone reads as none")
        << QStringList{QStringLiteral("   ")} << false << QString();
    QTest::newRow("line ends turned into CR LF, in the text too")
        << QStringList{QStringLiteral("\u5927\u95e8\n\u5165\u53e3"), QStringLiteral("Gate & car")}
        << true << QStringLiteral("\u5927\u95e8\n\u5165\u53e3");
}

void TestDeviceFileReads::savedFilesTakeTheScan()
{
    QFETCH(QStringList, remarks);
    QFETCH(bool, crlf);
    QFETCH(QString, remark);
    QVERIFY(saveTask(4, remarks));
    if (crlf) {
        QByteArray bytes = ProgramFolder::readAll(devicePath());
        QVERIFY(ProgramFolder::write(devicePath(), bytes.replace("\n", "\r\n")));
    }

    const Reading document = throughDocument();
    QVERIFY(document.read);
    QCOMPARE(document.records.first().info.remark, remark);
    const QString differs = streamedBy(DeviceFileReader::Scan, document);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

void TestDeviceFileReads::shapesAroundTheSavedOneTakeTheirReader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<DeviceFileReader>("reader");
    QTest::addColumn<XmlFileProblem>("problem");
    const auto scan = DeviceFileReader::Scan;
    const auto parser = DeviceFileReader::Parser;
    const auto read = XmlFileProblem::None;
    const auto damaged = XmlFileProblem::Damaged;
    const auto entry = [](const QByteArray &remark) {
        return handMade("<DeviceInfo><Remark>" + remark +
                        "</Remark><Count>2</Count></DeviceInfo>\n");
    };

    QTest::newRow("every entity XML predefines, and both kinds of reference: scan")
        << entry("&amp;&lt;&gt;&quot;&apos;&#65;&#x42;&#x1f600;&#0000067;") << scan << read;
    QTest::newRow("a reference to a line end or a space alone: scan")
        << entry("&#xd;&#10;&#x20;") << scan << read;
    QTest::newRow("blanks before the end of a tag, and an empty element: scan")
        << handMade("<DeviceInfo ><Remark\t>x</Remark\r\n><Count />\r\n</DeviceInfo >\n") << scan
        << read;
    QTest::newRow("a delete character: scan") << entry("a\x7f"
                                                       "b")
                                              << scan << read;
    QTest::newRow("a root element of another name is refused by the scan")
        << QByteArray("<?xml version=\"1.0\" encoding=\"GB2312\"?>\n<TaskInfoList/>\n") << scan
        << damaged;
    QTest::newRow("a comment: parser") << entry("a<!-- c -->b") << parser << read;
    QTest::newRow("a CDATA section: parser") << entry("<![CDATA[a]]>") << parser << read;
    QTest::newRow("an attribute: parser")
        << handMade("<DeviceInfo id=\"1\"><Remark>x</Remark></DeviceInfo>\n") << parser << read;
    QTest::newRow("a prefixed name: parser")
        << handMade("<DeviceInfo><a:Remark>x</a:Remark></DeviceInfo>\n") << parser << read;
    QTest::newRow("another declaration: parser")
        << handMade("<DeviceInfo><Remark>x</Remark></DeviceInfo>\n", "UTF-8") << parser << read;
    QTest::newRow("a reference with 0x in its digits, which the parser takes: parser")
        << entry("&#x0x41;") << parser << read;
    QTest::newRow("a reference with a capital X: parser, refused")
        << entry("&#X41;") << parser << damaged;
    QTest::newRow("an entity XML does not predefine: parser, refused")
        << entry("&nbsp;") << parser << damaged;
    QTest::newRow("a reference to a character XML forbids: parser, refused")
        << entry("&#1;") << parser << damaged;
    QTest::newRow("a reference beyond the last character: parser, refused")
        << entry("&#x110000;") << parser << damaged;
    QTest::newRow("a reference without its semicolon: parser, refused")
        << entry("&#65") << parser << damaged;
    QTest::newRow("a lone ampersand: parser, refused") << entry("a & b") << parser << damaged;
    QTest::newRow("the end of a CDATA section in text: parser, refused")
        << entry("a]]>b") << parser << damaged;
    QTest::newRow("a control character: parser, refused") << entry("a\x01"
                                                                   "b")
                                                          << parser << damaged;
    QTest::newRow("a GBK character: parser, refused") << entry("\xfe\x50") << parser << damaged;
    QTest::newRow("an end tag of another name: parser, refused")
        << handMade("<DeviceInfo><Remark>x</Count></DeviceInfo>\n") << parser << damaged;
    QTest::newRow("text after the root element: parser, refused")
        << entry("x") + "more" << parser << damaged;
}

void TestDeviceFileReads::shapesAroundTheSavedOneTakeTheirReader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DeviceFileReader, reader);
    QFETCH(XmlFileProblem, problem);
    QVERIFY(ProgramFolder::write(devicePath(), bytes));

    const Reading document = throughDocument();
    QCOMPARE(document.problem, problem);
    const QString differs = streamedBy(reader, document);
    QVERIFY2(differs.isEmpty(), qPrintable(differs));
}

void TestDeviceFileReads::anEditKeepsEveryOtherField()
{
    // Every input of the reader fuzz that the reader takes gets one remark
    // typed; the saved file, read afresh, holds every other field as it was
    // and the remark as typed, and what the program keeps of the save is
    // what the file holds.
    constexpr quint32 kSeed = 20261214;
    qInfo("mutation seed %u", kSeed);
    const QString typed =
        QStringLiteral("Caf\u00e9 \u20ac \U0001F600 ]]> \uE000 \uF8FF 大门 a<b&c \"q\"");
    const QVector<QByteArray> seeds = fuzzSeeds();
    QCOMPARE(seeds.size(), 4);
    const QString secretPath = m_folder->file(QStringLiteral("secret.txt"));
    QVERIFY(ProgramFolder::write(secretPath, "secret-of-another-file"));
    int inputs = 0;
    int edited = 0;
    for (quint32 s = 0; s < quint32(seeds.size()); ++s) {
        QVERIFY(!seeds.at(s).isEmpty());
        Mutator mutator(kSeed + s);
        const QVector<Mutant> mutants = mutator.mutate(seeds.at(s), secretPath);
        inputs += int(mutants.size());
        for (int i = 0; i < mutants.size(); ++i) {
            const QString where =
                QStringLiteral("seed %1, input %2 (%3)").arg(s).arg(i).arg(mutants.at(i).kind);
            QVERIFY(ProgramFolder::write(devicePath(), mutants.at(i).bytes));
            Reading expected = throughDocument();
            if (!expected.read || expected.records.isEmpty())
                continue;
            {
                TaskDeviceFile file(kTask);
                QVERIFY2(file.setRemark(typed, 0), qPrintable(where));
                QVERIFY2(file.close(), qPrintable(where + QStringLiteral(": ") + file.lastError()));
            }
            expected.records[0].info.remark = typed;
            const Reading kept = throughDocument(true);
            const Reading fresh = throughDocument();
            const Reading streamed = throughRecords();
            for (const auto &[name, reading] :
                 {std::pair<const char *, const Reading *>{"as typed", &expected},
                  {"kept", &kept},
                  {"streamed", &streamed}}) {
                const QString differs = difference(*reading, fresh);
                QVERIFY2(differs.isEmpty(),
                         qPrintable(QStringLiteral("%1, %2 and read afresh: %3")
                                        .arg(where, QLatin1String(name), differs)));
            }
            ++edited;
        }
    }
    qInfo("device file edited, saved and read afresh: %d inputs fuzzed, %d of them edited", inputs,
          edited);
    QVERIFY(edited > 0);
}

void TestDeviceFileReads::entriesReadAgainSeeEveryChange()
{
    QVERIFY(saveTask(3, {QStringLiteral("north")}));
    QVector<DeviceRecord> records;
    QVERIFY(TaskDeviceFile::readRecords(kTask, kAllParts, records));
    QCOMPARE(records.at(1).info.remark, QStringLiteral("north"));

    // An edit through the document.
    {
        TaskDeviceFile file(kTask);
        QVERIFY(file.setRemark(QStringLiteral("south"), 1));
        QVERIFY(file.close());
    }
    QVERIFY(TaskDeviceFile::readRecords(kTask, {}, records));
    QCOMPARE(records.at(1).info.remark, QStringLiteral("south"));

    // Another program's change of one byte, the size and modification time
    // kept as a coarse clock keeps them.
    QVERIFY(TaskDeviceFile::readRecords(kTask, kAllParts, records));
    QByteArray bytes = ProgramFolder::readAll(devicePath());
    const qsizetype at = bytes.indexOf("south");
    QVERIFY(at > 0);
    bytes.replace(at, 5, "east!");
    const QByteArray path = QFile::encodeName(devicePath());
    struct stat before = {};
    QVERIFY(::stat(path.constData(), &before) == 0);
    {
        QFile file(devicePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    QVERIFY(::utimensat(AT_FDCWD, path.constData(), times, 0) == 0);
    QVERIFY(TaskDeviceFile::readRecords(kTask, kAllParts, records));
    QCOMPARE(records.at(1).info.remark, QStringLiteral("east!"));

    // A file damaged since the last read is refused, not read from memory.
    QVERIFY(ProgramFolder::write(devicePath(), bytes.left(bytes.size() / 2)));
    QString reason;
    QVERIFY(!TaskDeviceFile::readRecords(kTask, {}, records, &reason));
    QVERIFY(records.isEmpty());
    QVERIFY(!reason.isEmpty());
}

QTEST_MAIN(TestDeviceFileReads)
#include "tst_devicefilereads.moc"
