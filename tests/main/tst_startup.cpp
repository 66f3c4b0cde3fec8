// Start-up: where the default database lives, how the connection is built
// from the settings, and the main window's showing step against real
// databases.

#include "core/DatabaseCreator.h"
#include "core/DefaultDatabase.h"
#include "core/Settings.h"
#include "core/StartUp.h"
#include "core/TDataModule1.h"
#include "core/CurrencyList.h"
#include "core/ui/TOptionForm.h"
#include "reference/ui/TObradaValuta.h"
#include "main/ui/TMainForm.h"
#include "support/FbServer.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace kalvor;

class TestStartUp : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

    static void touch(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("KALVOR_CONFIG_DIR", m_config.path().toLocal8Bit());
    }

    void init()
    {
        QFile::remove(machineSettingsFile());
        QFile::remove(userSettingsFile());
        Settings::current().setDefault(QStringLiteral("DB"), QString());
        Settings::current().load();
    }

    void defaultLocation_data()
    {
        QTest::addColumn<bool>("writable");
        QTest::addColumn<bool>("sourceExists");
        QTest::addColumn<bool>("copyExists");
        QTest::addColumn<QString>("expected"); // "program" or "copy"
        QTest::addColumn<bool>("copyFailure");
        QTest::newRow("fixed disk, no copy") << true << true << false << "program" << false;
        QTest::newRow("fixed disk, copy present") << true << true << true << "copy" << false;
        QTest::newRow("read-only folder, first start") << false << true << false << "copy" << false;
        QTest::newRow("read-only folder, copy present") << false << true << true << "copy" << false;
        QTest::newRow("read-only folder, nothing to copy") << false << false << false << "program" << true;
    }
    void defaultLocation()
    {
        QFETCH(bool, writable);
        QFETCH(bool, sourceExists);
        QFETCH(bool, copyExists);
        QFETCH(QString, expected);
        QFETCH(bool, copyFailure);
        QTemporaryDir dir;
        DefaultDatabasePlaces places;
        places.programFolder = dir.filePath(QStringLiteral("program"));
        places.userCopy = dir.filePath(QStringLiteral("user/data/kalvbaza.fdb"));
        places.programFolderWritable = writable;
        const QString source = programFolderDatabase(places.programFolder);
        QCOMPARE(source, places.programFolder + QStringLiteral("/Baza/kalvbaza.fdb"));
        if (sourceExists)
            touch(source);
        if (copyExists) {
            touch(places.userCopy);
            QFile::setPermissions(places.userCopy, QFileDevice::ReadOwner);
        }
        test::ScriptedPrompter prompter;
        const QString chosen = decideDefaultDatabase(places, prompter);
        QCOMPARE(chosen, expected == QLatin1String("program") ? source : places.userCopy);
        if (copyFailure) {
            QCOMPARE(prompter.messages,
                     QStringList{QStringLiteral("Greška prilikom kopiranja baze na lokalni disk! Kontaktirajte autora."
                                                "\n\n")
                                 + source + QLatin1Char('\n') + places.userCopy});
        } else {
            QVERIFY(prompter.messages.isEmpty());
        }
        if (chosen == places.userCopy)
            QVERIFY(QFileInfo(places.userCopy).isWritable()); // read-only attribute cleared
    }

    void connectionFromSettings_data()
    {
        QTest::addColumn<int>("local");
        QTest::addColumn<int>("prompt");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("withLogin");
        QTest::newRow("local") << 1 << 0 << "/data/k.fdb" << true;
        QTest::newRow("server") << 0 << 0 << "db.local:/data/k.fdb" << true;
        QTest::newRow("server, prompt") << 0 << 1 << "db.local:/data/k.fdb" << false;
    }
    void connectionFromSettings()
    {
        QFETCH(int, local);
        QFETCH(int, prompt);
        QFETCH(QString, name);
        QFETCH(bool, withLogin);
        Settings s;
        s.set(QStringLiteral("DB"), QStringLiteral("/data/k.fdb"));
        s.set(QStringLiteral("Server"), QStringLiteral("db.local"));
        s.set(QStringLiteral("Local"), local);
        s.set(QStringLiteral("Prompt"), prompt);
        const db::ConnectParams p = connectParamsFromSettings(s);
        QCOMPARE(p.databaseName, name);
        QCOMPARE(p.withLogin, withLogin);
        QCOMPARE(p.user, QStringLiteral("SYSDBA"));
        QCOMPARE(p.password, QStringLiteral("korimatno"));
    }

    void missingDefaultDatabaseIsCreatedButAnExplicitPathIsNot()
    {
        QTemporaryDir dir;
        DefaultDatabasePlaces places;
        places.programFolder = dir.path();
        places.userCopy = dir.filePath(QStringLiteral("user/kalvbaza.fdb"));
        test::ScriptedPrompter prompter;

        // An explicit path in the settings: nothing is created anywhere.
        const QString named = dir.filePath(QStringLiteral("named.fdb"));
        {
            Settings s;
            s.set(QStringLiteral("DB"), named);
            QVERIFY(s.write({QStringLiteral("DB")}));
        }
        Settings settings;
        prepareSettingsAndDefaultDatabase(settings, places, prompter);
        QCOMPARE(settings.text(QStringLiteral("DB")), named);
        QVERIFY(!QFileInfo::exists(named));
        QVERIFY(!QFileInfo::exists(programFolderDatabase(dir.path())));

        // No stored path: the default database is created with the full schema.
        QFile::remove(machineSettingsFile());
        const QString path = prepareSettingsAndDefaultDatabase(settings, places, prompter);
        QCOMPARE(path, programFolderDatabase(dir.path()));
        QCOMPARE(settings.text(QStringLiteral("DB")), path);
        QVERIFY(QFileInfo::exists(path));
        TDataModule1 data;
        QVERIFY(data.OpenDatabase(settings, prompter));
        QVERIFY(data.tableNames().contains(QStringLiteral("BLPROMET")));
        QVERIFY(prompter.messages.isEmpty());
    }

    void mainWindowPanelsAndMenu()
    {
        TDataModule1 data;
        TMainForm form(data, Settings::current());
        QCOMPARE(form.statusPanelText(0), QStringLiteral("Kalvor"));
        QVERIFY(!form.statusPanelText(3).isEmpty());
        static const QRegularExpression clock(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d   \\d\\d\\.\\d\\d\\.\\d{4}\\.$"));
        QVERIFY2(clock.match(form.statusPanelText(2)).hasMatch(), qPrintable(form.statusPanelText(2)));
        QCOMPARE(form.windowTitle(), QStringLiteral("Kalvor"));
        auto *exit = form.findChild<QAction *>(QStringLiteral("actionIzlazak"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("Izlazak"));
        QCOMPARE(exit->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+X")));
        QVERIFY(form.findChild<QAction *>(QStringLiteral("actionAutor")));
        QVERIFY(form.findChild<QAction *>(QStringLiteral("actionOpcije")));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("actionValute"))->text(), QStringLiteral("Valute, tečaj/kurs"));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("actionDrzave"))->text(), QStringLiteral("Države, dnevnice"));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("actionDjelatnici"))->text(), QStringLiteral("Djelatnici"));
        QCOMPARE(form.findChild<QAction *>(QStringLiteral("actionVozila"))->text(), QStringLiteral("Vozila"));
    }

    void failedConnectShowsTheMessageOnceAndTheWindowStays_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("server that does not answer") << "noserver";
    }
    void failedConnectShowsTheMessageOnceAndTheWindowStays()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("k.fdb"));
        if (kind == QLatin1String("garbage"))
            touch(path);
        Settings &settings = Settings::current();
        settings.set(QStringLiteral("DB"), path);
        // Nothing listens on this loopback port: the connect is refused.
        const bool noServer = kind == QLatin1String("noserver");
        settings.set(QStringLiteral("Local"), noServer ? 0 : 1);
        settings.set(QStringLiteral("Server"), noServer ? QStringLiteral("127.0.0.1/3059") : QString());
        QVERIFY(settings.write());
        test::ScriptedPrompter prompter;
        TDataModule1 data;
        TMainForm form(data, settings);
        form.show();
        QTRY_COMPARE(form.showCount(), 1);
        QCOMPARE(prompter.messages,
                 QStringList{QStringLiteral("Greška - baza nije dobro konfigurirana!\nRad nije moguć. Kontaktirajte autora!")});
        QVERIFY(form.isVisible());
        QVERIFY(!data.DB.isOpen());
        QVERIFY(!data.lastError().isEmpty());
        QVERIFY(!QFileInfo::exists(path) || kind == QLatin1String("garbage")); // never created silently
        settings.set(QStringLiteral("Local"), 1);
        QVERIFY(settings.write());
    }

    void promptModeAsksAtEveryConnect()
    {
        db::Database scratch;
        test::TestDatabase database(scratch);
        database.close();
        Settings &settings = Settings::current();
        settings.set(QStringLiteral("DB"), database.path());
        settings.set(QStringLiteral("Prompt"), 1);
        QVERIFY(settings.write());
        test::ScriptedPrompter prompter;
        prompter.logins.enqueue({true, QStringLiteral("SYSDBA"), QStringLiteral("x")});
        prompter.logins.enqueue({true, QStringLiteral("SYSDBA"), QStringLiteral("x")});
        TDataModule1 data;
        TMainForm form(data, settings);
        QVERIFY(form.runShowStep());
        QVERIFY(form.runShowStep()); // after the settings screen closes
        QCOMPARE(prompter.dialogs,
                 QStringList(2, QStringLiteral("login:") + database.path()));
        QVERIFY(prompter.messages.isEmpty());
        // A cancelled login leaves the program without a database, with the message.
        QVERIFY(!form.runShowStep());
        QCOMPARE(prompter.messages.size(), 1);
        settings.set(QStringLiteral("Prompt"), 0);
        QVERIFY(settings.write());
    }

    void closingTheSettingsScreenReconnectsAndReloads()
    {
        db::Database scratch;
        test::TestDatabase database(scratch);
        VERIFY_DB(database.exec(QStringLiteral("INSERT INTO VALUTE VALUES ('EUR', 'Euro')")));
        database.close();
        Settings &settings = Settings::current();
        settings.set(QStringLiteral("DB"), database.path());
        QVERIFY(settings.write());
        test::ScriptedPrompter prompter;
        TDataModule1 data;
        TMainForm form(data, settings);
        QVERIFY(form.runShowStep());
        TOptionForm *options = form.optionForm();
        // "Postavi za obračunsku valutu" on the currency screen chooses it in
        // the settings screen's list.
        auto *accounting = options->findChild<QComboBox *>(QStringLiteral("DefValuta"));
        QVERIFY(accounting);
        VERIFY_DB(database.open(); database.exec(QStringLiteral("INSERT INTO VALUTE VALUES ('USD', 'Dolar')")); database.close());
        emit form.findChild<TObradaValuta *>()->accountingCurrencyChosen(QStringLiteral("USD"));
        QCOMPARE(ItemCode(accounting->currentText()), QStringLiteral("USD"));
        auto *title = options->findChild<QLineEdit *>(QStringLiteral("Naslov"));
        QVERIFY(title);

        // "Otkaži": the edit is dropped, the database is opened again.
        QTimer::singleShot(0, options, [&] {
            QCOMPARE(options->findChild<QTabWidget *>(QStringLiteral("tabs"))->currentIndex(), 0);
            title->setText(QStringLiteral("Neželjeni naslov"));
            options->findChild<QPushButton *>(QStringLiteral("otkazi"))->click();
        });
        form.openOptions();
        QCOMPARE(form.showCount(), 2);
        QVERIFY(data.DB.isOpen());
        QVERIFY(title->text() != QStringLiteral("Neželjeni naslov"));

        // "Snimi promjene": the new title is stored and shown.
        QTimer::singleShot(0, options, [&] {
            title->setText(QStringLiteral("Prijevoz Đurđevac"));
            options->findChild<QPushButton *>(QStringLiteral("snimiPromjene"))->click();
        });
        form.openOptions();
        QCOMPARE(form.showCount(), 3);
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("titlePanel"))->text(), QStringLiteral("Prijevoz Đurđevac"));
        QVERIFY(prompter.messages.isEmpty());
        settings.resetToDefaults();
        QVERIFY(settings.write());
    }

    void detailSwitchFollowsTheSettingAndIsStoredAtExit()
    {
        db::Database scratch;
        test::TestDatabase database(scratch);
        database.close();
        Settings &settings = Settings::current();
        settings.set(QStringLiteral("DB"), database.path());
        settings.set(QStringLiteral("PrikaziDetalje"), 0);
        QVERIFY(settings.write());
        test::ScriptedPrompter prompter;
        TDataModule1 data;
        TMainForm form(data, settings);
        QVERIFY(form.runShowStep());
        auto *details = form.findChild<QAction *>(QStringLiteral("actionPodaciONalogu"));
        QVERIFY(details && details->isCheckable());
        QVERIFY(!details->isChecked());
        details->trigger();
        QVERIFY(form.detailsVisible());
        form.exitProgram();
        Settings stored;
        stored.load();
        QVERIFY(stored.flag(QStringLiteral("PrikaziDetalje")));
    }

    void wrongPasswordOnTheServerGivesTheMessageOnce()
    {
        KALVOR_REQUIRE_FB_SERVER();
        test::ServerDatabase server;
        try {
            createBaseDatabase(server.params());
        } catch (const db::DbError &e) {
            QFAIL(qPrintable(e.message()));
        }
        const test::FbServer &fb = test::FbServer::instance();
        Settings &settings = Settings::current();
        settings.set(QStringLiteral("Local"), 0);
        settings.set(QStringLiteral("Server"), fb.host());
        settings.set(QStringLiteral("DB"), server.path());
        settings.set(QStringLiteral("USER"), fb.user());
        settings.set(QStringLiteral("USER2"), fb.password() + QStringLiteral("-wrong"));
        QVERIFY(settings.write());
        test::ScriptedPrompter prompter;
        TDataModule1 data;
        TMainForm form(data, settings);
        form.show();
        QTRY_COMPARE(form.showCount(), 1);
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(form.isVisible());

        // With the right password the same base-only database is upgraded.
        settings.set(QStringLiteral("USER2"), fb.password());
        QVERIFY(settings.write());
        QVERIFY(form.runShowStep());
        QVERIFY(data.tableNames().contains(QStringLiteral("NALOZI")));
        QCOMPARE(prompter.messages.size(), 1);
        data.DB.close();
    }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
