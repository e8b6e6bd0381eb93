#include <WorkbookParts.h>

#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

#include <memory>

namespace {

// How a part goes into the zip file besides its own bytes.
enum Damage {
    Intact,
    // The checksum in its entry is not that of its bytes.
    WrongChecksum,
    // Its entry gives more unpacked bytes than it holds.
    SizeTooLarge,
    // Its packed bytes end before the end of the deflate stream.
    PackedCutShort,
};

void putNumber(QByteArray &out, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

QByteArray deflated(const QByteArray &bytes)
{
    QByteArray out(int(compressBound(uLong(bytes.size()))) + 64, '\0');
    z_stream stream{};
    // Raw deflate, as a zip entry holds it.
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

// A zip file of one part named @p name, stored or deflated, damaged as told.
QByteArray zipOf(const QByteArray &name, const QByteArray &part, bool deflate, Damage damage)
{
    QByteArray packed = deflate ? deflated(part) : part;
    if (damage == PackedCutShort)
        packed.chop(packed.size() / 3);
    quint32 crc =
        quint32(crc32(0, reinterpret_cast<const Bytef *>(part.constData()), uInt(part.size())));
    if (damage == WrongChecksum)
        crc ^= 0x1;
    const quint32 size = quint32(part.size()) + (damage == SizeTooLarge ? 10 : 0);
    const quint32 method = deflate ? 8 : 0;

    QByteArray zip;
    putNumber(zip, 0x04034b50, 4);
    putNumber(zip, 20, 2);
    putNumber(zip, 0, 2);
    putNumber(zip, method, 2);
    putNumber(zip, 0, 4); // time and date
    putNumber(zip, crc, 4);
    putNumber(zip, quint32(packed.size()), 4);
    putNumber(zip, size, 4);
    putNumber(zip, quint32(name.size()), 2);
    putNumber(zip, 0, 2);
    zip += name;
    zip += packed;

    const quint32 directory = quint32(zip.size());
    putNumber(zip, 0x02014b50, 4);
    putNumber(zip, 20, 2);
    putNumber(zip, 20, 2);
    putNumber(zip, 0, 2);
    putNumber(zip, method, 2);
    putNumber(zip, 0, 4);
    putNumber(zip, crc, 4);
    putNumber(zip, quint32(packed.size()), 4);
    putNumber(zip, size, 4);
    putNumber(zip, quint32(name.size()), 2);
    putNumber(zip, 0, 2); // extra field
    putNumber(zip, 0, 2); // comment
    putNumber(zip, 0, 2); // disk
    putNumber(zip, 0, 2); // internal attributes
    putNumber(zip, 0, 4); // external attributes
    putNumber(zip, 0, 4); // where the local header is
    zip += name;
    const quint32 directorySize = quint32(zip.size()) - directory;

    putNumber(zip, 0x06054b50, 4);
    putNumber(zip, 0, 2);
    putNumber(zip, 0, 2);
    putNumber(zip, 1, 2);
    putNumber(zip, 1, 2);
    putNumber(zip, directorySize, 4);
    putNumber(zip, directory, 4);
    putNumber(zip, 0, 2);
    return zip;
}

} // namespace

Q_DECLARE_METATYPE(Damage)

// The check that a workbook the library wrote holds every part whole: a part
// cut off by a full disk, or packed wrong, keeps the workbook from counting
// as saved.
class TestWorkbookParts : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void partsAreWholeOnlyWhenNothingIsMissing_data();
    void partsAreWholeOnlyWhenNothingIsMissing();
    void aFileThatIsNoZipIsNotWhole();

private:
    QString write(const QByteArray &bytes) const
    {
        const QString path = m_dir->filePath(QStringLiteral("book.xlsx"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return QString();
        return path;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestWorkbookParts::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestWorkbookParts::partsAreWholeOnlyWhenNothingIsMissing_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<bool>("deflate");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("whole");

    const QByteArray sheet = "xl/worksheets/sheet1.xml";
    const QByteArray declaration =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
    const QByteArray worksheet =
        declaration + "<worksheet xmlns=\"urn:sheet\"><sheetData><row r=\"1\"><c t=\"s\">"
                      "<v>0</v></c></row></sheetData></worksheet>";

    QTest::newRow("a whole part, deflated, is whole")
        << sheet << worksheet << true << Intact << true;
    QTest::newRow("a whole part, stored, is whole")
        << sheet << worksheet << false << Intact << true;
    QTest::newRow("blanks after the root element's end are whole") << sheet << worksheet + "\n"
                                                                   << true << Intact << true;
    QTest::newRow("a comment before the root element is passed over")
        << QByteArray("_rels/.rels")
        << QByteArray("<!-- a <comment> -->\n<Relationships><Relationship Id=\"rId1\"/>"
                      "</Relationships>")
        << true << Intact << true;
    QTest::newRow("an empty root element is whole")
        << QByteArray("xl/sharedStrings.xml")
        << declaration + "<sst xmlns=\"urn:sheet\" note=\"a > b\" count=\"0\"/>" << true << Intact
        << true;
    QTest::newRow("a part that is no XML is only unpacked")
        << QByteArray("xl/media/image1.png") << QByteArray("\x89PNG\r\n cut") << true << Intact
        << true;

    QTest::newRow("a part cut inside its root element is not whole")
        << sheet << worksheet.left(worksheet.indexOf("</sheetData>")) << true << Intact << false;
    QTest::newRow("a part cut after an inner element's end is not whole")
        << sheet << worksheet.left(worksheet.indexOf("</worksheet>")) << true << Intact << false;
    QTest::newRow("a part cut inside its root element's end tag is not whole")
        << sheet << worksheet.chopped(3) << true << Intact << false;
    QTest::newRow("a part cut inside its root element's start tag is not whole")
        << sheet << declaration + "<worksheet xmlns=\"urn:sheet\"" << true << Intact << false;
    QTest::newRow("a part cut after its root element's start tag is not whole")
        << sheet << declaration + "<worksheet xmlns=\"urn:sheet\">" << true << Intact << false;
    QTest::newRow("a part cut inside its declaration is not whole")
        << sheet << declaration.left(20) << true << Intact << false;
    QTest::newRow("an empty part is not whole")
        << sheet << QByteArray() << false << Intact << false;

    QTest::newRow("a part whose checksum does not match is not whole")
        << sheet << worksheet << true << WrongChecksum << false;
    QTest::newRow("a stored part shorter than its entry gives is not whole")
        << sheet << worksheet << false << SizeTooLarge << false;
    QTest::newRow("a deflated part shorter than its entry gives is not whole")
        << sheet << worksheet << true << SizeTooLarge << false;
    QTest::newRow("a deflated part whose packed bytes were cut is not whole")
        << sheet << worksheet << true << PackedCutShort << false;
}

void TestWorkbookParts::partsAreWholeOnlyWhenNothingIsMissing()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, part);
    QFETCH(bool, deflate);
    QFETCH(Damage, damage);
    QFETCH(bool, whole);

    const QString path = write(zipOf(name, part, deflate, damage));
    QVERIFY(!path.isEmpty());
    QCOMPARE(kiv::workbookPartsAreWhole(path), whole);
}

void TestWorkbookParts::aFileThatIsNoZipIsNotWhole()
{
    const QByteArray zip = zipOf("xl/workbook.xml", "<workbook></workbook>", true, Intact);
    QVERIFY(kiv::workbookPartsAreWhole(write(zip)));
    // Cut before the end of its directory, and not written at all.
    QVERIFY(!kiv::workbookPartsAreWhole(write(zip.chopped(4))));
    QVERIFY(!kiv::workbookPartsAreWhole(write(QByteArray())));
    QVERIFY(!kiv::workbookPartsAreWhole(m_dir->filePath(QStringLiteral("missing.xlsx"))));
}

QTEST_GUILESS_MAIN(TestWorkbookParts)
#include "tst_workbookparts.moc"
