#include "LensTestSupport.h"

#include <ProgramFolder.h>

#include <QApplication>
#include <QFile>
#include <QGridLayout>
#include <QSet>
#include <QWidget>
#include <QtTest>

#include <dlfcn.h>
#include <elf.h>

#include <cstring>

// The export table of libPendrik.so and the exports' behaviour before the
// calculator window exists.
class TestLensExports : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void initTestCase();
    void cleanupTestCase();
    void exportTableHoldsExactlyTheSixFunctions();
    void exportsResolveByTheirPlainNames_data();
    void exportsResolveByTheirPlainNames();
    void callsBeforeAWindowExistsAreHarmless();

private:
    lenstest::PerTestProgramFolder m_programFolder;
    void *m_library = nullptr;
};

void TestLensExports::init()
{
    m_programFolder.start();
}

void TestLensExports::cleanup()
{
    m_programFolder.stop();
}

namespace {

const QSet<QString> kExports = {
    QStringLiteral("KIV_SMC_OpenDialog"), QStringLiteral("KIV_SMC_SetDialogFrom"),
    QStringLiteral("KIV_SMC_HideTab"),    QStringLiteral("KIV_SMC_SetIPCType"),
    QStringLiteral("KIV_SMC_GetLens"),    QStringLiteral("KIV_SMC_ChangeSize")};

struct DynamicSymbol
{
    QString name;
    int type;
};

// The symbols that a 64-bit ELF shared object defines in its dynamic symbol
// table (the names other modules can link to). Empty when the file is not
// such an object.
QList<DynamicSymbol> definedDynamicSymbols(const QByteArray &elf)
{
    QList<DynamicSymbol> symbols;
    if (elf.size() < int(sizeof(Elf64_Ehdr)) ||
        std::memcmp(elf.constData(), ELFMAG, SELFMAG) != 0 || elf.at(EI_CLASS) != ELFCLASS64)
        return symbols;
    const auto *header = reinterpret_cast<const Elf64_Ehdr *>(elf.constData());
    const qint64 sectionsEnd =
        qint64(header->e_shoff) + qint64(header->e_shnum) * header->e_shentsize;
    if (header->e_shentsize != sizeof(Elf64_Shdr) || sectionsEnd > elf.size())
        return symbols;
    const auto *sections = reinterpret_cast<const Elf64_Shdr *>(elf.constData() + header->e_shoff);
    for (int i = 0; i < header->e_shnum; ++i) {
        const Elf64_Shdr &table = sections[i];
        if (table.sh_type != SHT_DYNSYM || table.sh_link >= header->e_shnum)
            continue;
        const Elf64_Shdr &strings = sections[table.sh_link];
        if (qint64(table.sh_offset + table.sh_size) > elf.size() ||
            qint64(strings.sh_offset + strings.sh_size) > elf.size())
            return symbols;
        const auto *entries =
            reinterpret_cast<const Elf64_Sym *>(elf.constData() + table.sh_offset);
        const size_t count = table.sh_size / sizeof(Elf64_Sym);
        for (size_t s = 0; s < count; ++s) {
            const Elf64_Sym &symbol = entries[s];
            const int binding = ELF64_ST_BIND(symbol.st_info);
            if (symbol.st_shndx == SHN_UNDEF || symbol.st_name == 0 ||
                (binding != STB_GLOBAL && binding != STB_WEAK && binding != STB_GNU_UNIQUE))
                continue;
            if (symbol.st_name >= strings.sh_size)
                continue;
            symbols.append(
                {QString::fromLatin1(elf.constData() + strings.sh_offset + symbol.st_name),
                 ELF64_ST_TYPE(symbol.st_info)});
        }
    }
    return symbols;
}

} // namespace

void TestLensExports::initTestCase()
{
    m_library = dlopen(PENDRIK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    QVERIFY2(m_library, dlerror());
}

void TestLensExports::cleanupTestCase()
{
    // The library stays loaded: Qt may still hold metadata of its objects.
}

void TestLensExports::exportTableHoldsExactlyTheSixFunctions()
{
    QFile file(QStringLiteral(PENDRIK_LIBRARY));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<DynamicSymbol> symbols = definedDynamicSymbols(file.readAll());
    QVERIFY2(!symbols.isEmpty(), "no dynamic symbol table");
    QSet<QString> names;
    for (const DynamicSymbol &symbol : symbols) {
        QVERIFY2(symbol.type == STT_FUNC, qPrintable(symbol.name));
        names << symbol.name;
    }
    QCOMPARE(names, kExports);
    QCOMPARE(symbols.size(), kExports.size());
}

void TestLensExports::exportsResolveByTheirPlainNames_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : kExports)
        QTest::newRow(qPrintable(name + QStringLiteral(" resolves"))) << name;
}

void TestLensExports::exportsResolveByTheirPlainNames()
{
    QFETCH(QString, name);
    QVERIFY(dlsym(m_library, name.toLatin1().constData()));
}

void TestLensExports::callsBeforeAWindowExistsAreHarmless()
{
    ProgramFolder folder;
    using SetIPCType = bool (*)(const QString &);
    using GetLens = void (*)(QString *, int *);
    using Flag = void (*)(bool);
    using Plain = void (*)();
    auto setIpcType = reinterpret_cast<SetIPCType>(dlsym(m_library, "KIV_SMC_SetIPCType"));
    auto getLens = reinterpret_cast<GetLens>(dlsym(m_library, "KIV_SMC_GetLens"));
    auto hideTab = reinterpret_cast<Flag>(dlsym(m_library, "KIV_SMC_HideTab"));
    auto changeSize = reinterpret_cast<Flag>(dlsym(m_library, "KIV_SMC_ChangeSize"));
    auto setDialogFrom = reinterpret_cast<Plain>(dlsym(m_library, "KIV_SMC_SetDialogFrom"));
    QVERIFY(setIpcType && getLens && hideTab && changeSize && setDialogFrom);

    const int windowsBefore = QApplication::topLevelWidgets().size();
    QVERIFY(!setIpcType(QStringLiteral("KC-B21")));
    QString lens = QStringLiteral("prepared");
    int count = 7;
    getLens(&lens, &count);
    QCOMPARE(lens, QStringLiteral("prepared"));
    QCOMPARE(count, 7);
    hideTab(true);
    hideTab(false);
    changeSize(true);
    setDialogFrom();
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
}

QTEST_MAIN(TestLensExports)
#include "tst_lens_exports.moc"
