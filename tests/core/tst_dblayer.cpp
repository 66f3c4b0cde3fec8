// The database layer against a real embedded Firebird database: parameters,
// column types, Windows-1250 texts, generators, procedures, scripts,
// transactions and errors.

#include "core/db/Database.h"
#include "core/db/Query.h"
#include "core/db/Script.h"
#include "core/db/Transaction.h"
#include "core/db/Win1250.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kalvor::db;

class TestDbLayer : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Database m_db;
    std::unique_ptr<Transaction> m_tr;

    void ddl(const QString &sql)
    {
        TransactionGuard g(*m_tr);
        executeImmediate(*m_tr, sql);
        g.commit();
    }
    int count(const QString &table)
    {
        TransactionGuard g(*m_tr);
        Query q(*m_tr, QStringLiteral("SELECT COUNT(*) FROM ") + table);
        const int n = q.scalar().toInt();
        g.commit();
        return n;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        ConnectParams p;
        p.databaseName = m_dir.filePath(QStringLiteral("layer.fdb"));
        p.user = QStringLiteral("SYSDBA");
        p.password = QStringLiteral("x");
        m_db.create(p);
        m_tr = std::make_unique<Transaction>(m_db);
        ddl(QStringLiteral("CREATE TABLE T (ID INTEGER NOT NULL PRIMARY KEY, S SMALLINT, I INTEGER, B BIGINT, "
                           "N2 NUMERIC(7,2), N3 NUMERIC(7,3), N7 NUMERIC(16,7), D18 DECIMAL(18,4), "
                           "F DOUBLE PRECISION, V VARCHAR(20), C CHAR(5), DT DATE, TM TIME, TS TIMESTAMP, "
                           "BL BLOB SUB_TYPE 1 SEGMENT SIZE 1024)"));
        ddl(QStringLiteral("CREATE GENERATOR GEN_T_ID"));
    }

    void init()
    {
        ddl(QStringLiteral("DELETE FROM T"));
    }

    void createRefusesExistingFile()
    {
        Database other;
        ConnectParams p;
        p.databaseName = m_dir.filePath(QStringLiteral("layer.fdb"));
        QVERIFY_THROWS_EXCEPTION(DbError, other.create(p));
    }

    void translateNamedParameters_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("translated");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("plain") << "SELECT * FROM T WHERE ID=:ID" << "SELECT * FROM T WHERE ID=?"
                               << QStringList{"ID"};
        QTest::newRow("repeated") << "WHERE (A=:d) OR (B=:D) OR C=:X" << "WHERE (A=?) OR (B=?) OR C=?"
                                  << QStringList{"D", "D", "X"};
        QTest::newRow("quoted") << "SELECT ':A', \":B\" FROM T WHERE X=:C" << "SELECT ':A', \":B\" FROM T WHERE X=?"
                                << QStringList{"C"};
        QTest::newRow("comments") << "SELECT 1 -- :A\n/* :B */ FROM T WHERE Y=:C"
                                  << "SELECT 1 -- :A\n/* :B */ FROM T WHERE Y=?" << QStringList{"C"};
        QTest::newRow("doubled quote") << "WHERE S='it''s :A' AND T=:B" << "WHERE S='it''s :A' AND T=?"
                                       << QStringList{"B"};
    }
    void translateNamedParameters()
    {
        QFETCH(QString, sql);
        QFETCH(QString, translated);
        QFETCH(QStringList, names);
        QStringList got;
        QCOMPARE(Query::translate(sql, &got), translated);
        QCOMPARE(got, names);
    }

    void repeatedParameterGetsOneValue()
    {
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, I, B) VALUES (:ID, :ID, :ID)"));
        ins.bind(QStringLiteral("ID"), 7).exec();
        Query sel(*m_tr, QStringLiteral("SELECT I, B FROM T WHERE ID=:ID AND I=:id"));
        sel.bind(QStringLiteral(":ID"), 7);
        sel.open();
        QVERIFY(sel.next());
        QCOMPARE(sel.value(0).toInt(), 7);
        QCOMPARE(sel.value(QStringLiteral("B")).toLongLong(), 7LL);
        QVERIFY(!sel.next());
        g.commit();
    }

    void unboundParameterIsAnError()
    {
        TransactionGuard g(*m_tr);
        Query q(*m_tr, QStringLiteral("SELECT * FROM T WHERE ID=:ID"));
        QVERIFY_THROWS_EXCEPTION(DbError, q.open());
    }

    void columnTypesRoundTrip()
    {
        const QDate date(2009, 3, 7);
        const QTime time(23, 59, 58, 120);
        const QDateTime stamp(QDate(2026, 12, 10), QTime(8, 5, 0));
        const QString blob = QString(70000, QLatin1Char('x')) + QStringLiteral("Ž");
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID,S,I,B,N2,N3,N7,D18,F,V,C,DT,TM,TS,BL) VALUES "
                                        "(:ID,:S,:I,:B,:N2,:N3,:N7,:D18,:F,:V,:C,:DT,:TM,:TS,:BL)"));
        ins.bind("ID", 1).bind("S", -32768).bind("I", 2147483647).bind("B", Q_INT64_C(9007199254740993));
        ins.bind("N2", 1234567.891).bind("N3", 0.18).bind("N7", 7.5345).bind("D18", 123456789012.3456);
        ins.bind("F", 0.1).bind("V", QStringLiteral("Put")).bind("C", QStringLiteral("AB"));
        ins.bind("DT", date).bind("TM", time).bind("TS", stamp).bind("BL", blob);
        QCOMPARE(ins.exec(), 1);
        Query sel(*m_tr, QStringLiteral("SELECT S,I,B,N2,N3,N7,D18,F,V,C,DT,TM,TS,BL FROM T WHERE ID=1"));
        sel.open();
        QVERIFY(sel.next());
        QCOMPARE(sel.value(0).toInt(), -32768);
        QCOMPARE(sel.value(1).toInt(), 2147483647);
        QCOMPARE(sel.value(2).toLongLong(), Q_INT64_C(9007199254740993));
        QCOMPARE(sel.value(3).toDouble(), 1234567.89);
        QCOMPARE(sel.value(4).toDouble(), 0.18);
        QCOMPARE(sel.value(5).toDouble(), 7.5345);
        QCOMPARE(sel.value(6).toDouble(), 123456789012.3456);
        QCOMPARE(sel.value(7).toDouble(), 0.1);
        QCOMPARE(sel.value(8).toString(), QStringLiteral("Put"));
        QCOMPARE(sel.value(9).toString(), QStringLiteral("AB   "));
        QCOMPARE(sel.value(10).toDate(), date);
        QCOMPARE(sel.value(11).toTime(), time);
        QCOMPARE(sel.value(12).toDateTime(), stamp);
        QCOMPARE(sel.value(13).toString(), blob);
        g.commit();
    }

    void numericRoundsHalfAwayOnDecimalValue_data()
    {
        QTest::addColumn<double>("written");
        QTest::addColumn<double>("stored");
        QTest::newRow("2,675") << 2.675 << 2.68;
        QTest::newRow("1,005") << 1.005 << 1.01;
        QTest::newRow("-2,675") << -2.675 << -2.68;
        QTest::newRow("0,004") << 0.004 << 0.0;
        QTest::newRow("0,005") << 0.005 << 0.01;
        QTest::newRow("99999,995") << 99999.995 << 100000.0;
    }
    void numericRoundsHalfAwayOnDecimalValue()
    {
        QFETCH(double, written);
        QFETCH(double, stored);
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, N2) VALUES (1, :N)"));
        ins.bind("N", written).exec();
        Query sel(*m_tr, QStringLiteral("SELECT N2 FROM T WHERE ID=1"));
        QCOMPARE(sel.scalar().toDouble(), stored);
        g.commit();
    }

    void nullsBothWays()
    {
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, I, V, DT, BL, N2) VALUES (:ID, :I, :V, :DT, :BL, :N)"));
        ins.bind("ID", 2).bind("I", QVariant()).bind("V", QVariant()).bind("DT", QVariant());
        ins.bind("BL", QVariant()).bind("N", QVariant());
        ins.exec();
        Query sel(*m_tr, QStringLiteral("SELECT I, V, DT, BL, N2 FROM T WHERE ID=2 AND (:P IS NULL)"));
        sel.bind("P", QVariant());
        sel.open();
        QVERIFY(sel.next());
        for (int i = 0; i < 5; ++i)
            QVERIFY2(sel.isNull(i), qPrintable(sel.columnName(i)));
        g.commit();
    }

    void win1250RoundTripStoresCodePageBytes()
    {
        const QString text = QStringLiteral("ČĆŽŠĐčćžšđ€");
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, V) VALUES (3, :V)"));
        ins.bind("V", text).exec();
        Query back(*m_tr, QStringLiteral("SELECT V, OCTET_LENGTH(V) FROM T WHERE V=:V"));
        back.bind("V", text);
        back.open();
        QVERIFY(back.next());
        QCOMPARE(back.value(0).toString(), text);
        QCOMPARE(back.value(1).toInt(), text.size()); // one byte a letter
        // The stored bytes themselves, compared as octets with the code page.
        Query bytes(*m_tr, QStringLiteral("SELECT COUNT(*) FROM T WHERE ID=3 AND "
                                          "CAST(V AS VARCHAR(20) CHARACTER SET OCTETS) = x'C8C68E8AD0E8E69E9AF080'"));
        QCOMPARE(bytes.scalar().toInt(), 1);
        g.commit();
    }

    void characterOutsideWin1250IsRefusedAndNothingWritten()
    {
        {
            TransactionGuard g(*m_tr);
            Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, V) VALUES (4, :V)"));
            ins.bind("V", QStringLiteral("Жut"));
            try {
                ins.exec();
                QFAIL("the text was written");
            } catch (const DbError &e) {
                QVERIFY2(e.message().contains(QStringLiteral("Windows-1250")), qPrintable(e.message()));
                QVERIFY(e.message().contains(QStringLiteral("Ж")));
            }
        }
        QCOMPARE(count(QStringLiteral("T")), 0);
        QVERIFY(!canEncodeWin1250(QStringLiteral("→")));
        QVERIFY(canEncodeWin1250(QStringLiteral("Đurđa €")));
    }

    void tooLongTextFailsWithTheDatabaseMessage()
    {
        TransactionGuard g(*m_tr);
        Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID, V) VALUES (5, :V)"));
        ins.bind("V", QString(21, QLatin1Char('a')));
        try {
            ins.exec();
            QFAIL("an over-long text was accepted");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(QStringLiteral("truncation")), qPrintable(e.message()));
        }
    }

    void generators()
    {
        TransactionGuard g(*m_tr);
        const qint64 first = generatorValue(*m_tr, QStringLiteral("GEN_T_ID"), 1);
        QCOMPARE(generatorValue(*m_tr, QStringLiteral("GEN_T_ID"), 1), first + 1);
        QCOMPARE(generatorValue(*m_tr, QStringLiteral("GEN_T_ID"), 0), first + 1);
        QVERIFY_THROWS_EXCEPTION(DbError, generatorValue(*m_tr, QStringLiteral("X;DROP"), 1));
        g.commit();
    }

    void scriptWithSetTermAndSelectableProcedure()
    {
        {
            TransactionGuard g(*m_tr);
            // Table, key, index and trigger in one transaction, as the schema
            // upgrade sends them.
            Script(*m_tr).execute(QStringLiteral(
                "CREATE GENERATOR GEN_P1_ID;\n"
                "CREATE TABLE P1 (A INTEGER NOT NULL);\n"
                "ALTER TABLE P1 ADD PRIMARY KEY (A);\n"
                "CREATE INDEX P1_IDX ON P1 (A);\n"
                "SET TERM ^ ;\n"
                "CREATE TRIGGER P1_BI FOR P1 ACTIVE BEFORE INSERT POSITION 0 AS\n"
                "BEGIN\n  IF (NEW.A IS NULL) THEN NEW.A = GEN_ID(GEN_P1_ID,1); END^\n"
                "CREATE PROCEDURE SQUARES (N INTEGER) RETURNS (I INTEGER, SQ INTEGER) AS\n"
                "BEGIN\n  I = 1;\n  WHILE (I <= N) DO\n  BEGIN\n    SQ = I * I;\n    SUSPEND;\n    I = I + 1;\n"
                "  END\nEND^\n"
                "SET TERM ; ^\n"));
            g.commit();
        }
        {
            TransactionGuard g(*m_tr);
            Query(*m_tr, QStringLiteral("INSERT INTO P1 (A) VALUES (NULL)")).exec();
            g.commit();
        }
        TransactionGuard g(*m_tr);
        Query q(*m_tr, QStringLiteral("SELECT I, SQ FROM SQUARES(:N)"));
        q.bind("N", 4);
        const auto rows = q.fetchAll();
        QCOMPARE(rows.size(), 4);
        QCOMPARE(rows.last().at(1).toInt(), 16);
        QCOMPARE(Query(*m_tr, QStringLiteral("SELECT COUNT(*) FROM P1")).scalar().toInt(), 1);
        g.commit();
    }

    void procedureWithoutSetTerm()
    {
        {
            TransactionGuard g(*m_tr);
            Script(*m_tr).execute(QStringLiteral(
                "CREATE PROCEDURE TWICE (X INTEGER) RETURNS (Y INTEGER)\nAS DECLARE VARIABLE Z INTEGER;\n"
                "begin  z=x;  if (z is null) then begin y=0; end  y=z*2; suspend; end \n"
                "CREATE GENERATOR GEN_AFTER;"));
            g.commit();
        }
        TransactionGuard g(*m_tr);
        Query q(*m_tr, QStringLiteral("SELECT Y FROM TWICE(21)"));
        QCOMPARE(q.scalar().toInt(), 42);
        QCOMPARE(generatorValue(*m_tr, QStringLiteral("GEN_AFTER"), 0), 0LL);
        g.commit();
    }

    void splitScripts_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");
        QTest::newRow("plain") << "A;  B ;\nC" << QStringList{"A", "B", "C"};
        QTest::newRow("quoted terminator") << "INSERT INTO X VALUES (';');B;" << QStringList{"INSERT INTO X VALUES (';')", "B"};
        QTest::newRow("set term")
            << "X; SET TERM ^ ; CREATE TRIGGER T_BI FOR T ACTIVE BEFORE INSERT POSITION 0 AS\nBEGIN\n"
               "  IF (NEW.ID IS NULL) THEN      NEW.ID = GEN_ID(G,1); END^ SET TERM ; ^ Y;"
            << QStringList{"X", "CREATE TRIGGER T_BI FOR T ACTIVE BEFORE INSERT POSITION 0 AS\nBEGIN\n"
                                "  IF (NEW.ID IS NULL) THEN      NEW.ID = GEN_ID(G,1); END",
                           "Y"};
        QTest::newRow("procedure then grants")
            << "SET TERM ^ ; \n CREATE PROCEDURE P (ID INTEGER) RETURNS (KM INTEGER)\nAS begin km=1; suspend; end   ^   "
               "SET TERM ; ^  \nGRANT SELECT ON D TO PROCEDURE P;\nGRANT EXECUTE ON PROCEDURE P TO SYSDBA;"
            << QStringList{"CREATE PROCEDURE P (ID INTEGER) RETURNS (KM INTEGER)\nAS begin km=1; suspend; end",
                           "GRANT SELECT ON D TO PROCEDURE P", "GRANT EXECUTE ON PROCEDURE P TO SYSDBA"};
        QTest::newRow("comment") << "-- first;\nA; /* b; */ B;" << QStringList{"A", "B"};
    }
    void splitScripts()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(Script::split(script), statements);
    }

    void failedStatementRollsBackTheUnit()
    {
        try {
            TransactionGuard g(*m_tr);
            Query ins(*m_tr, QStringLiteral("INSERT INTO T (ID) VALUES (:ID)"));
            ins.bind("ID", 10).exec();
            ins.bind("ID", 10).exec(); // primary key violation
            g.commit();
            QFAIL("a duplicate key was accepted");
        } catch (const DbError &e) {
            QVERIFY(e.isUniqueViolation());
            QVERIFY(!e.isLockConflict());
            QVERIFY(e.errorCode() != 0);
            QVERIFY(e.sqlCode() < 0);
            QVERIFY2(e.message().contains(QStringLiteral("PRIMARY")) || e.message().contains(QStringLiteral("unique")),
                     qPrintable(e.message()));
        }
        QVERIFY(!m_tr->isActive());
        QCOMPARE(count(QStringLiteral("T")), 0);
    }

    void nestedGuardLeavesTheOuterUnitOpen()
    {
        TransactionGuard outer(*m_tr);
        {
            TransactionGuard inner(*m_tr);
            Query(*m_tr, QStringLiteral("INSERT INTO T (ID) VALUES (11)")).exec();
            inner.commit();
        }
        QVERIFY(m_tr->isActive());
        m_tr->rollback();
        QCOMPARE(count(QStringLiteral("T")), 0);
    }

    void readTransactionSeesCommittedWorkOfAnotherAttachment()
    {
        Database second;
        second.open(m_db.params());
        Transaction write2(second);
        Transaction read(m_db);
        read.start();
        Query list(read, QStringLiteral("SELECT COUNT(*) FROM T"));
        QCOMPARE(list.scalar().toInt(), 0);
        {
            TransactionGuard g(write2);
            Query(write2, QStringLiteral("INSERT INTO T (ID) VALUES (12)")).exec();
            g.commit();
        }
        QCOMPARE(list.scalar().toInt(), 1); // read_committed: the list opened again shows it
        read.commit();
    }

    void lockConflictFailsAtOnce()
    {
        ddl(QStringLiteral("INSERT INTO T (ID, I) VALUES (13, 0)"));
        Database second;
        second.open(m_db.params());
        Transaction holder(second);
        holder.start();
        Query(holder, QStringLiteral("UPDATE T SET I=1 WHERE ID=13")).exec();
        TransactionGuard g(*m_tr);
        Query upd(*m_tr, QStringLiteral("UPDATE T SET I=2 WHERE ID=13"));
        try {
            upd.exec();
            QFAIL("the locked row was written");
        } catch (const DbError &e) {
            QVERIFY2(e.isLockConflict(), qPrintable(e.message()));
        }
        holder.rollback();
    }

    void closingTheConnectionEndsTransactionsAndStatements()
    {
        Transaction t(m_db);
        t.start();
        Query q(t, QStringLiteral("SELECT ID FROM T"));
        q.open();
        const ConnectParams params = m_db.params();
        m_db.close();
        QVERIFY(!t.isActive());
        QVERIFY(!q.isOpen());
        m_db.open(params);
        t.start();
        q.open(); // prepared again on the new connection
        q.close();
        t.commit();
        QCOMPARE(m_db.connectParameters().first(), QStringLiteral("lc_ctype=NONE"));
        QCOMPARE(m_db.connectParameters().at(1), QStringLiteral("user_name=SYSDBA"));
    }

    void cleanupTestCase()
    {
        m_tr.reset();
        m_db.close();
    }
};

QTEST_GUILESS_MAIN(TestDbLayer)
#include "tst_dblayer.moc"
