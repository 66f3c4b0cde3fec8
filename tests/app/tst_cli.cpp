// The command-line modes, run as the real program.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One stay of a stay text as a .kvcalc file holds it (Windows-1250 bytes).
QByteArray stay(const QByteArray &country, const QByteArray &amount, const QByteArray &currency,
                const QByteArray &entry, const QByteArray &exit, const QByteArray &duration)
{
    return "<PDNSTAVKA><DRZAVA>" + country + "</DRZAVA><DNEVNICA>" + amount + "</DNEVNICA><VALUTA>"
           + currency + "</VALUTA><OD>" + entry + "</OD><DO>" + exit + "</DO><TRAJANJE>" + duration
           + "</TRAJANJE></PDNSTAVKA>";
}

const QByteArray crlf = "\r\n";

// 24 h in Austria (EUR), 16 h in Hungary (USD, entered 12.01.2007 08:00 to
// 13.01.2007 00:00), 9 h in Slovenia (EUR): 49 h in all.
const QByteArray austria = stay("Austrija", "35,5", "EUR", "0", "1", "1");
const QByteArray hungary = stay("Ma\xF0" "arska", "40", "USD", "39094,3333333333", "39095", "0,666666666666667");
const QByteArray slovenia = stay("Slovenija", "30", "EUR", "0", "0,375", "0,375");
const QByteArray threeCountries = austria + crlf + hungary + crlf + slovenia + crlf;
const QByteArray lastWithoutBreak = austria + crlf + hungary + crlf + slovenia;
// 24 h in Austria (EUR) and 8 h in Hungary (USD): 32 h.
const QByteArray thirtyTwoHours = austria + crlf + stay("Ma\xF0" "arska", "40", "USD", "0", "0,333333333333333",
                                                        "0,333333333333333") + crlf;

const QString fortyNine = QStringLiteral("Ukupno trajanje:\t2 dana 01:00 (49 sati)\n");
const QString thirtyTwo = QStringLiteral("Ukupno trajanje:\t1 dan 08:00 (32 sata)\n");

struct Run
{
    int rc = -1;
    QString out;
    QString err;
};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void staysPrintsCountDurationAndTotals_data();
    void staysPrintsCountDurationAndTotals();
    void failuresExitWithAMessage_data();
    void failuresExitWithAMessage();

private:
    Run run(const QStringList &args) const;
    QString storeFile() const { return QDir(m_config).filePath(QStringLiteral("kalvor.ini")); }

    QTemporaryDir m_root;
    QString m_config;
    int m_case = 0;
};

void TestCli::initTestCase()
{
    QVERIFY(m_root.isValid());
    QVERIFY(QFile::exists(QStringLiteral(KALVOR_EXE)));
}

// Each case gets a settings store folder of its own.
void TestCli::init()
{
    m_config = m_root.filePath(QStringLiteral("config%1").arg(++m_case));
    QVERIFY(QDir().mkpath(m_config));
}

Run TestCli::run(const QStringList &args) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KALVOR_CONFIG_DIR"), m_config);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(KALVOR_EXE), args);
    Run result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.rc = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void TestCli::staysPrintsCountDurationAndTotals_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("store"); // kalvor.ini; empty: no store
    QTest::addColumn<QStringList>("sets");
    QTest::addColumn<QString>("expected");

    const QByteArray correctOff = "[General]\nDnevCorrect=0\n";
    const QString uncorrected = "Broj dnevnica:\t2,5\n" + fortyNine + "EUR\t50,5\nUSD\t40\n";
    const QString corrected = "Broj dnevnica:\t2\n" + fortyNine + "EUR\t35,5\nUSD\t40\n";

    QTest::newRow("DnevCorrect off: 1 + 1 + 0,5")
        << threeCountries << QByteArray() << QStringList{"DnevCorrect=0"} << uncorrected;
    QTest::newRow("DnevCorrect on: the 9 h line gives its half, 49 h count 2")
        << threeCountries << QByteArray() << QStringList{"DnevCorrect=1"} << corrected;
    QTest::newRow("default store corrects")
        << threeCountries << QByteArray() << QStringList{} << corrected;
    QTest::newRow("store read from KALVOR_CONFIG_DIR")
        << threeCountries << correctOff << QStringList{} << uncorrected;
    QTest::newRow("--set overrides the store")
        << threeCountries << correctOff << QStringList{"DnevCorrect=true"} << corrected;
    QTest::newRow("repeated --set, the last one holds")
        << threeCountries << QByteArray() << QStringList{"DnevCorrect=1", "DnevCorrect=0"} << uncorrected;
    QTest::newRow("last block without a line break is counted")
        << lastWithoutBreak << QByteArray() << QStringList{"DnevCorrect=0"} << uncorrected;
    QTest::newRow("8 h beyond the day count 0,5 by default")
        << thirtyTwoHours << QByteArray() << QStringList{}
        << "Broj dnevnica:\t1,5\n" + thirtyTwo + "EUR\t35,5\nUSD\t20\n";
    QTest::newRow("8Dnevnica=0: the journey counts 1, USD stays listed at 0")
        << thirtyTwoHours << QByteArray() << QStringList{"8Dnevnica=0"}
        << "Broj dnevnica:\t1\n" + thirtyTwo + "EUR\t35,5\nUSD\t0\n";
    QTest::newRow("no stays") << QByteArray() << QByteArray() << QStringList{}
                              << QStringLiteral("Broj dnevnica:\t0\nUkupno trajanje:\t()\n");
}

void TestCli::staysPrintsCountDurationAndTotals()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, store);
    QFETCH(QStringList, sets);
    QFETCH(QString, expected);

    if (!store.isEmpty())
        writeFile(storeFile(), store);
    const QByteArray storeBefore = readFile(storeFile());
    const QString path = m_root.filePath(QStringLiteral("journey%1.kvcalc").arg(m_case));
    writeFile(path, file);

    QStringList args{QStringLiteral("--stays"), path};
    for (const QString &pair : sets)
        args << QStringLiteral("--set") << pair;
    const Run r = run(args);
    QVERIFY2(r.rc == 0, qPrintable(r.err));
    QCOMPARE(r.out, expected);
    // Overrides hold for the run only.
    QCOMPARE(readFile(storeFile()), storeBefore);
}

void TestCli::failuresExitWithAMessage_data()
{
    // FILE stands for a readable stay file, MISSING for a path without a
    // file, FOLDER for a folder.
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing file") << QStringList{"--stays", "MISSING"} << 1 << "Datoteka ne postoji: MISSING";
    QTest::newRow("folder") << QStringList{"--stays", "FOLDER"} << 1 << "Datoteku nije moguće pročitati: FOLDER";
    QTest::newRow("unknown key") << QStringList{"--stays", "FILE", "--set", "Nepostojeca=1"} << 2
                                 << "Nepoznata postavka: Nepostojeca";
    QTest::newRow("unknown key before a missing file")
        << QStringList{"--set", "Nepostojeca=1", "--stays", "MISSING"} << 2 << "Nepoznata postavka: Nepostojeca";
    QTest::newRow("pair without =") << QStringList{"--stays", "FILE", "--set", "DnevCorrect"} << 2
                                    << "\"DnevCorrect\"";
    QTest::newRow("flag that is no flag") << QStringList{"--stays", "FILE", "--set", "DnevCorrect=da"} << 2
                                          << "Neispravna vrijednost postavke DnevCorrect: \"da\"";
    QTest::newRow("--set without a pair") << QStringList{"--stays", "FILE", "--set"} << 2 << "Uporaba:";
    QTest::newRow("--stays without a file") << QStringList{"--stays"} << 2 << "Uporaba:";
    QTest::newRow("unknown option") << QStringList{"--stays", "FILE", "--verbose"} << 2 << "Uporaba:";
}

void TestCli::failuresExitWithAMessage()
{
    QFETCH(QStringList, args);
    QFETCH(int, rc);
    QFETCH(QString, message);

    const QString file = m_root.filePath(QStringLiteral("journey.kvcalc"));
    writeFile(file, threeCountries);
    const QString missing = m_root.filePath(QStringLiteral("nema.kvcalc"));
    const QString folder = m_root.path();
    const auto place = [&](QString s) {
        return s.replace(QLatin1String("MISSING"), missing)
            .replace(QLatin1String("FOLDER"), folder)
            .replace(QLatin1String("FILE"), file);
    };
    for (QString &arg : args)
        arg = place(arg);

    const Run r = run(args);
    QCOMPARE(r.rc, rc);
    QVERIFY2(r.err.contains(place(message)), qPrintable(r.err));
    QCOMPARE(r.out, QString());
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
