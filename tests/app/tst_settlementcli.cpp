// kalvor --settlement: the settlement of stored orders, printed by the real
// program from a database the test fills with SQL.

#include "core/db/Database.h"
#include "support/TestDatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvor;

class TestSettlementCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    db::Database m_db;
    std::unique_ptr<test::TestDatabase> m_fixture;

    struct Run
    {
        int rc = -1;
        QStringList out;
        QString err;
    };

    Run run(const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KALVOR_CONFIG_DIR"), m_config.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(KALVOR_EXE), args);
        Run r;
        if (!p.waitForFinished(60000))
            return r;
        r.rc = p.exitCode();
        r.out = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }

    void exec(const QString &sql)
    {
        VERIFY_DB(m_fixture->exec(sql));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        m_fixture = std::make_unique<test::TestDatabase>(m_db);
        // DefValuta HRK for the program's settings.
        QFile ini(m_config.filePath(QStringLiteral("kalvor.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[General]\nDefValuta=HRK\n");
        ini.close();

        exec(QStringLiteral("INSERT INTO TECAJ (DATUM, VALUTA, KURS) VALUES ('2026-03-01', 'EUR', 7.40)"));
        exec(QStringLiteral("INSERT INTO DRZAVE (ID, DRZAVA, OZNAKA) VALUES (1, 'Njemačka', 'D')"));
        exec(QStringLiteral("INSERT INTO DNEVNICE (IDDRZAVA, VRIJEDIOD, VALUTA, IZNOS) VALUES (1, '2026-01-01', 'EUR', 60)"));
        exec(QStringLiteral("INSERT INTO DJELATNICI (IDDJ, IMEPREZIME, VOZAC) VALUES (1, 'Horvat Ivan', 1)"));
        exec(QStringLiteral("INSERT INTO DJELATNICI (IDDJ, IMEPREZIME, VOZAC) VALUES (2, 'Kovač Marko', 0)"));
        // Order 7: by kilometres, as the worked example of the settlement.
        exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, OZNAKA, DATUMOBRADE, DATVRIODLASKA, DATVRIPOVRATKA, "
                            "DRZAVADNEVNICE, DNEV1IZNOS, DNEV1VAL, VOZILOID, PRIKLJUCNOID) VALUES (7, '7/2026', "
                            "'2026-03-10', '2026-03-01 08:00', '2026-03-02 21:00', 'Njemačka', 70, 'EUR', 1, -1)"));
        exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (7, 1, 'Horvat Ivan', 0)"));
        exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (7, 2, 'Kovač Marko', 1)"));
        exec(QStringLiteral("INSERT INTO DIONICE (IDNALOG, DATUM, STANJEKM) VALUES (7, '2026-03-01', 100000)"));
        exec(QStringLiteral("INSERT INTO DIONICE (IDNALOG, DATUM, STANJEKM) VALUES (7, '2026-03-02', 101250)"));
        exec(QStringLiteral("INSERT INTO AKONTACIJA (IDNALOG, IDDJELATNIK, DJELATNIKIME, DATUM, IZNOS, VALUTA) "
                            "VALUES (7, 1, 'Horvat Ivan', '2026-03-01', 200, 'EUR')"));
        exec(QStringLiteral("INSERT INTO RACUNI (IDNALOG, DATRAC, IZNOS, VALUTA, NACIN) VALUES "
                            "(7, '2026-03-01', 300, 'HRK', 0)"));
        exec(QStringLiteral("INSERT INTO OBRACUN (IDNALOG, VALUTAKM, CIJENAKM, NACINOBRACUNA, SAMOVOZAC, "
                            "DNEVNICAVOZAC, DNEVNICAOSTALI) VALUES (7, 'EUR', 0.18, 0, 1, 1, 0)"));
        // Order 8: stored by an older version: no settlement row and no
        // allowance rate, so the country's rate of the accounting date
        // applies under the allowance method; the co-driver owes the advance.
        exec(QStringLiteral("INSERT INTO NALOZI (IDNALOG, OZNAKA, DATUMOBRADE, DATVRIODLASKA, DATVRIPOVRATKA, "
                            "DRZAVADNEVNICE) VALUES (8, '8/2026', '2026-03-10', '2026-03-01 20:00', "
                            "'2026-03-03 06:00', 'NJEMAČKA')"));
        exec(QStringLiteral("INSERT INTO VOZACI (IDNALOG, VOZACID, VOZACIME, SUV) VALUES (8, 1, 'Horvat Ivan', 0)"));
        exec(QStringLiteral("INSERT INTO UTOVARIVACI (IDNALOG, DJELATNIKID, IMEPREZIME) VALUES (8, 2, 'Kovač Marko')"));
        exec(QStringLiteral("INSERT INTO AKONTACIJA (IDNALOG, IDDJELATNIK, DJELATNIKIME, DATUM, IZNOS, VALUTA) "
                            "VALUES (8, 2, 'Kovač Marko', '2026-03-01', 1000, 'EUR')"));
        m_fixture->close(); // the program opens the file itself
    }

    void printsTheSettlement_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("by kilometres") << 7
                                       << QStringList{
                                              "Način obračuna:\t0",
                                              "Pređeno km:\t1250,00",
                                              "Broj dnevnica:\t2,00",
                                              "Ukupno sati:\t37,00",
                                              "Horvat Ivan\tAkontacija\t1480,00\tZarada\t1665,00\tGot.računi\t300,00"
                                              "\tDnevnice\t1036,00\tIsplata\t1521,00",
                                              "Kovač Marko\tAkontacija\t0,00\tZarada\t0,00\tGot.računi\t0,00"
                                              "\tDnevnice\t0,00\tIsplata\t0,00",
                                          };
        // The stored country is found in the country list without regard to
        // case, and its rate of the accounting date applies: 1,5 × 60 EUR.
        QTest::newRow("an older order") << 8
                                        << QStringList{
                                               "Način obračuna:\t3",
                                               "Pređeno km:\t0,00",
                                               "Broj dnevnica:\t1,50",
                                               "Ukupno sati:\t34,00",
                                               "Horvat Ivan\tAkontacija\t0,00\tZarada\t0,00\tGot.računi\t0,00"
                                               "\tDnevnice\t666,00\tIsplata\t666,00",
                                               "Kovač Marko\tAkontacija\t7400,00\tZarada\t0,00\tGot.računi\t0,00"
                                               "\tDnevnice\t666,00\tPovrat\t6734,00",
                                           };
    }
    void printsTheSettlement()
    {
        QFETCH(int, id);
        QFETCH(QStringList, expected);
        const Run r = run({QStringLiteral("--settlement"), QString::number(id), QStringLiteral("--db"),
                           m_fixture->path()});
        QVERIFY2(r.rc == 0, qPrintable(r.err));
        QCOMPARE(r.out, expected);
    }

    void settingsOverrideForTheRun()
    {
        // The favourable count of 01.03. 20:00 to 03.03. 06:00: one whole
        // period less one, and neither end reaches 8 hours.
        const Run r = run({QStringLiteral("--settlement"), QStringLiteral("8"), QStringLiteral("--db"),
                           m_fixture->path(), QStringLiteral("--set"), QStringLiteral("DnevniceKALVOR=0"),
                           QStringLiteral("--set"), QStringLiteral("DnevniceOld=1")});
        QVERIFY2(r.rc == 0, qPrintable(r.err));
        QCOMPARE(r.out.value(2), QStringLiteral("Broj dnevnica:\t0,00"));
    }

    void failures_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("rc");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such order") << QStringList{"--settlement", "99", "--db", "@DB@"} << 1 << "Nalog ne postoji: 99";
        QTest::newRow("no such database") << QStringList{"--settlement", "7", "--db", "/nonexistent/x.fdb"} << 1
                                          << "Greška - baza nije dobro konfigurirana!";
        QTest::newRow("not a number") << QStringList{"--settlement", "x", "--db", "@DB@"} << 2 << "Uporaba";
        QTest::newRow("unknown setting") << QStringList{"--settlement", "7", "--db", "@DB@", "--set", "Nema=1"} << 2
                                         << "Nema";
    }
    void failures()
    {
        QFETCH(QStringList, args);
        QFETCH(int, rc);
        QFETCH(QString, message);
        args.replaceInStrings(QStringLiteral("@DB@"), m_fixture->path());
        const Run r = run(args);
        QCOMPARE(r.rc, rc);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettlementCli)
#include "tst_settlementcli.moc"
