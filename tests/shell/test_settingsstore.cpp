// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/appstate.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "shell/startupstate.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace testfiles;

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void getSaveDelete()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const QString app = SettingsStore::mainApp();
        QCOMPARE(store.get(app, "Settings", "Browser", "None"), QStringLiteral("None"));
        store.save(app, "Settings", "Browser", "/usr/bin/firefox");
        store.save(app, "Colors", "Tables", "255");
        QCOMPARE(store.get(app, "Settings", "Browser", "None"), QStringLiteral("/usr/bin/firefox"));
        store.remove(app, "Settings", "Browser");
        QCOMPARE(store.get(app, "Settings", "Browser", "None"), QStringLiteral("None"));
        QCOMPARE(store.get(app, "Colors", "Tables"), QStringLiteral("255"));
        store.remove(app, "Colors");
        QVERIFY(!store.contains(app, "Colors", "Tables"));
        store.save(app, "A", "k", "v");
        store.save(SettingsStore::windowApp(), "Previous", "Picture1", "False");
        store.remove(app);
        QVERIFY(!store.contains(app, "A", "k"));
        QCOMPARE(store.get(SettingsStore::windowApp(), "Previous", "Picture1"),
                 QStringLiteral("False"));
    }

    void persistsWithPrivateMode()
    {
        QTemporaryDir dir;
        {
            SettingsStore store(dir.path());
            store.save(SettingsStore::mainApp(), "Direct", "FTPPassword", "secret, with comma");
            QVERIFY(store.sync());
        }
        const QString file = dir.path() + "/Lorimel3.ini";
        QVERIFY(QFileInfo::exists(file));
        QCOMPARE(QFileInfo(file).permissions() &
                     (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
                 QFile::Permissions());
        SettingsStore again(dir.path());
        QCOMPARE(again.get(SettingsStore::mainApp(), "Direct", "FTPPassword"),
                 QStringLiteral("secret, with comma"));
    }

    // Storing the FTP password tightens files made with loose modes before.
    void passwordTightensModes()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + "/Lorimel3.ini";
        const QString other = dir.path() + "/LM3.ini";
        for (const QString &path : {file, other}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Settings]\nBrowser=None\n");
            f.close();
            QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::ReadOther));
        }
        const auto folderModes = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                 QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                 QFile::ExeOther;
        QVERIFY(QFile::setPermissions(dir.path(), folderModes));
        SettingsStore store(dir.path());
        store.save(SettingsStore::mainApp(), "Direct", "FTPUserName", "me");
        QVERIFY(QFileInfo(file).permissions() & QFile::ReadOther); // nothing secret yet
        store.save(SettingsStore::mainApp(), "Direct", "FTPPassword", "secret");
        QVERIFY(store.sync());
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        for (const QString &path : {file, other, dir.path()})
            QCOMPARE(QFileInfo(path).permissions() & others, QFile::Permissions());
    }

    // A hand-written value keeps its commas as they stand.
    void handWrittenCommasKept()
    {
        QTemporaryDir dir;
        {
            QFile f(dir.path() + "/Lorimel3.ini");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("[Settings]\nBrowser=/opt/a,b/ff\nFontsize=8,5, 9\n");
        }
        SettingsStore store(dir.path());
        QCOMPARE(store.get("Lorimel3", "Settings", "Browser"), QStringLiteral("/opt/a,b/ff"));
        QCOMPARE(store.get("Lorimel3", "Settings", "Fontsize"), QStringLiteral("8,5, 9"));
    }

    void typedReads_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("number");
        QTest::addColumn<bool>("boolean");
        QTest::addColumn<bool>("shown");
        QTest::newRow("True") << "True" << 0.0 << true << true;
        QTest::newRow("False") << "False" << 0.0 << false << false;
        QTest::newRow("lower false") << "false" << 0.0 << false << true;
        QTest::newRow("one") << "1" << 1.0 << true << true;
        QTest::newRow("zero") << "0" << 0.0 << false << true;
        QTest::newRow("leading number") << "12abc" << 12.0 << false << true;
        QTest::newRow("text") << "abc" << 0.0 << false << true;
    }
    void typedReads()
    {
        QFETCH(QString, stored);
        QFETCH(double, number);
        QFETCH(bool, boolean);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.save("LM3", "S", "K", stored);
        QCOMPARE(store.number("LM3", "S", "K", -1), number);
        QCOMPARE(store.boolean("LM3", "S", "K", false), boolean);
        QCOMPARE(store.notExactlyFalse("LM3", "S", "K"), shown);
        QCOMPARE(store.number("LM3", "S", "Missing", -1), -1.0);
        QVERIFY(store.notExactlyFalse("LM3", "S", "Missing"));
    }

    void organizerKeysIgnoreCase()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const QString org = SettingsStore::organizerApp();
        store.save(org, "Data", "Number", "3");
        QCOMPARE(store.get(org, "Data", "NUMBER", "1"), QStringLiteral("3"));
        store.save(org, "Data", "0a", "row");
        QCOMPARE(store.get(org, "Data", "0A"), QStringLiteral("row"));
        store.save(org, "Data", "0A", "changed");
        QCOMPARE(store.get(org, "Data", "0a"), QStringLiteral("changed"));
        // Removed keys and sections are gone in every case.
        store.remove(org, "Data", "0A");
        QVERIFY(!store.contains(org, "Data", "0a"));
        store.save(org, "Data", "0A", "again");
        QCOMPARE(store.get(org, "Data", "0a"), QStringLiteral("again"));
        store.remove(org, "Data");
        QVERIFY(!store.contains(org, "Data", "NUMBER"));
        store.save(org, "Data", "number", "4");
        QCOMPARE(store.get(org, "Data", "Number"), QStringLiteral("4"));
        // Other applications keep case.
        store.save("Lorimel3", "Data", "Number", "3");
        QCOMPARE(store.get("Lorimel3", "Data", "NUMBER", "1"), QStringLiteral("1"));
    }

    void unwritableFolderIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(dir.filePath("blocker/sub"));
        store.save("Lorimel3", "S", "K", "V");
        QVERIFY(!store.sync());
        QVERIFY(!store.lastError().isEmpty());
    }

    // The files go through the one safe write: a settings file that is a
    // link (kept with other dot-files) stays one, and a write that fails
    // keeps its changes for the next sync.
    void filesAreWrittenSafely()
    {
        QTemporaryDir dir;
        const QString real = dir.filePath("dotfiles/Lorimel3.ini");
        QVERIFY(QDir().mkpath(dir.filePath("dotfiles")));
        QVERIFY(QDir().mkpath(dir.filePath("config")));
        QVERIFY(writeFile(real, "[Settings]\nBrowser=None\n"));
        const QString link = dir.filePath("config/Lorimel3.ini");
        QVERIFY(QFile::link(real, link));
        SettingsStore store(dir.filePath("config"));
        store.save("Lorimel3", "Settings", "Fontsize", "12");
        {
            Immutable locked(dir.filePath("dotfiles"));
            QVERIFY2(locked.active(), "chattr +i is needed");
            QVERIFY(!store.sync());
            QVERIFY(store.lastError().contains(link));
        }
        QVERIFY(store.sync());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(readFile(real), QByteArray("[Settings]\nBrowser=None\nFontsize=12\n"));
        QCOMPARE(entries(dir.filePath("dotfiles")), QStringList{"Lorimel3.ini"});
    }

    // Two running programs: each one's changes survive the other's sync.
    void otherProgramsChangesAreKept()
    {
        QTemporaryDir dir;
        SettingsStore first(dir.path());
        SettingsStore second(dir.path());
        first.save("Lorimel3", "Settings", "Browser", "/usr/bin/a");
        second.save("Lorimel3", "Colors", "Tables", "255");
        QVERIFY(first.sync());
        QVERIFY(second.sync());
        SettingsStore third(dir.path());
        QCOMPARE(third.get("Lorimel3", "Settings", "Browser"), QStringLiteral("/usr/bin/a"));
        QCOMPARE(third.get("Lorimel3", "Colors", "Tables"), QStringLiteral("255"));
    }

    // A settings file that cannot be read (here a pipe, which would make a
    // plain read wait for ever) is reported, left as it is and never
    // written over.
    void unreadableFileIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("LM3.ini");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        SettingsStore store(dir.path());
        QCOMPARE(store.get("LM3", "Extras", "UseIE"), QString());
        QCOMPARE(store.takeProblems().size(), 1);
        store.save("LM3", "Extras", "UseIE", "No");
        QVERIFY(!store.sync());
        QVERIFY(store.lastError().contains(fifo));
        QVERIFY(S_ISFIFO(statOf(fifo).st_mode));
    }

    void preferencesDefaultsAndStoredLists()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        AppState fresh;
        fresh.loadPreferences(store, "/opt/lorimel");
        QCOMPARE(fresh.colors, AppState::defaultColors());
        QCOMPARE(fresh.browser, QStringLiteral("None"));
        QCOMPARE(fresh.fontSizeText, QStringLiteral("8.5"));
        QCOMPARE(fresh.imageTypes, AppState::builtInImageTypes());
        QVERIFY(fresh.customTags.isEmpty());
        QCOMPARE(fresh.customCaptions[5], QStringLiteral("Custom6"));
        QCOMPARE(fresh.siteFilePath, QStringLiteral("/opt/lorimel"));
        QVERIFY(!fresh.colouringOff);

        store.save("Lorimel3", "Graphics", "Count", "0");
        store.save("Lorimel3", "Colors", "Links", "blue");
        store.save("Lorimel3", "Colors", "OnOff", "1");
        settings::writeList(store, settings::setting(settings::CustomTagCount),
                            {"<H1>", "<BLINK>"});
        AppState stored;
        stored.loadPreferences(store, "/opt/lorimel");
        QVERIFY(stored.imageTypes.isEmpty());
        QCOMPARE(stored.colors[LinksColor], qint64(0));
        QVERIFY(stored.colouringOff);
        QCOMPARE(stored.customTags, QStringList({"<H1>", "<BLINK>"}));
    }

    // A damaged or hand-edited file must not make start-up loop for ever or
    // feed the editor a size it cannot draw.
    void numbersAreClampedWhenRead_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("huge count") << "Graphics"
                                    << "Count"
                                    << "2000000000" << 5000.0;
        QTest::newRow("negative count") << "CustomTags"
                                        << "Count"
                                        << "-7" << -1.0;
        QTest::newRow("huge font") << "Settings"
                                   << "Fontsize"
                                   << "1e10" << 1000.0;
        QTest::newRow("enormous font") << "Settings"
                                       << "Fontsize"
                                       << "1e300" << 1000.0;
        QTest::newRow("zero font") << "Settings"
                                   << "Fontsize"
                                   << "0" << 1.0;
        QTest::newRow("font as typed") << "Settings"
                                       << "Fontsize"
                                       << "12abc" << 12.0;
        QTest::newRow("colour too big") << "Colors"
                                        << "Tables"
                                        << "1e30" << 16777215.0;
        QTest::newRow("missing") << "Colors"
                                 << "Frames" << QString() << 192.0;
    }
    void numbersAreClampedWhenRead()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(double, expected);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        if (!stored.isNull())
            store.save("Lorimel3", section, key, stored);
        for (const settings::Setting &s : settings::catalogue()) {
            if (s.app == "Lorimel3" && s.section == section && s.key == key) {
                QCOMPARE(settings::number(store, s), expected);
                return;
            }
        }
        QFAIL("not in the catalogue");
    }

    // Every name of the catalogue has its own place in the store.
    void catalogueNamesAreDistinct()
    {
        QSet<QString> places;
        for (int key = 0; key < settings::KeyCount; ++key) {
            const settings::Setting &s = settings::setting(settings::Key(key));
            QVERIFY2(!s.app.isEmpty() && !s.section.isEmpty() && !s.key.isEmpty(),
                     qPrintable(QString::number(key)));
            places.insert(s.app + u'/' + s.section + u'/' + s.key);
        }
        QCOMPARE(places.size(), int(settings::KeyCount));
        QCOMPARE(settings::catalogue().size(), int(settings::KeyCount) + 12);
    }

    void hugeStoredListStaysBounded()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        store.save("Lorimel3", "Graphics", "Count", "2000000000");
        AppState state;
        state.loadPreferences(store, "/opt");
        QCOMPARE(state.imageTypes.size(), 5000);
    }

    void fontCacheRebuiltOnlyWhenCountChanges()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const QStringList installed{"Arial", "DejaVu Sans", "Liberation Serif"};
        QCOMPARE(startupstate::fontList(store, installed), installed);
        QCOMPARE(store.get("LM3", "Fonts", "Number"), QStringLiteral("3"));
        QCOMPARE(store.get("LM3", "Fonts", "2"), QStringLiteral("Liberation Serif"));
        // Same count: the cached names are used, not the installed ones.
        store.save("LM3", "Fonts", "1", "Cached Name");
        QCOMPARE(startupstate::fontList(store, {"A", "B", "C"}),
                 QStringList({"Arial", "Cached Name", "Liberation Serif"}));
        // A font more: the list is rebuilt and stored again.
        QCOMPARE(startupstate::fontList(store, {"A", "B", "C", "D"}),
                 QStringList({"A", "B", "C", "D"}));
        QCOMPARE(store.get("LM3", "Fonts", "1"), QStringLiteral("B"));
        QCOMPARE(store.get("LM3", "Fonts", "Number"), QStringLiteral("4"));
    }

    void useIEAnswer_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("expected"); // -1 not asked yet
        QTest::newRow("yes") << "Yes" << 1;
        QTest::newRow("no") << "No" << 0;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("other text") << "yes" << -1;
    }
    void useIEAnswer()
    {
        QFETCH(QString, stored);
        QFETCH(int, expected);
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        if (!stored.isEmpty())
            store.save("LM3", "Extras", "UseIE", stored);
        const auto answer = startupstate::storedPreviewAnswer(store);
        QCOMPARE(answer.has_value() ? int(*answer) : -1, expected);
        // Read before the program starts: the same answer, and a first run
        // leaves the folder as it was.
        store.sync();
        const auto peeked = startupstate::peekPreviewAnswer(dir.path());
        QCOMPARE(peeked.has_value() ? int(*peeked) : -1, expected);
        QTemporaryDir fresh;
        QVERIFY(!startupstate::peekPreviewAnswer(fresh.path()));
        QVERIFY(QDir(fresh.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
