// SPDX-License-Identifier: GPL-3.0-or-later
// Where the FTP password rests: the desktop keyring when one answers (a
// real Secret Service, gnome-keyring-daemon on a private D-Bus started by
// the test), else the settings file readable by the user only.

#include "kernel/settingsstore.h"
#include "platform/keyring.h"

#include <QProcess>
#include <QtTest>

namespace {

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString App = SettingsStore::mainApp();
const QString Section = QStringLiteral("Direct");
const QString Key = QStringLiteral("FTPPassword");

} // namespace

class TestKeyring : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QProcess bus, keyring;

    // A private session bus with an unlocked gnome-keyring on it.
    bool startKeyring()
    {
        const QString home = dir.filePath(QStringLiteral("home"));
        const QString runtime = dir.filePath(QStringLiteral("run"));
        QDir().mkpath(home);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
        if (!bus.waitForStarted(10000) || !bus.waitForReadyRead(10000))
            return false;
        const QByteArray address = bus.readLine().trimmed();
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_DATA_HOME"), home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        keyring.setProcessEnvironment(env);
        keyring.start(QStringLiteral("gnome-keyring-daemon"),
                      {"--foreground", "--unlock", "--components=secrets"});
        if (!keyring.waitForStarted(10000))
            return false;
        keyring.write("throw-away");
        keyring.closeWriteChannel();
        DesktopKeyring probe(QStringLiteral("lorimel-test-probe"));
        for (int i = 0; i < 50; ++i) {
            if (probe.write(QStringLiteral("probe"), QStringLiteral("x")))
                return true;
            QTest::qWait(200);
        }
        return false;
    }

private slots:
    void cleanupTestCase()
    {
        for (QProcess *p : {&keyring, &bus}) {
            p->kill();
            p->waitForFinished(5000);
        }
    }

    // No keyring answers: the INI file, 0600, as before.
    void noKeyringKeepsTheSettingsFile()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS",
                "unix:path=" + dir.filePath(QStringLiteral("no-bus")).toLocal8Bit());
        DesktopKeyring nobody;
        QVERIFY(!nobody.read(Key).has_value());
        SettingsStore store(dir.filePath(QStringLiteral("plain")));
        store.setKeyring(&nobody);
        QVERIFY(!store.saveSecret(App, Section, Key, QStringLiteral("p@ss word")));
        QVERIFY(store.sync());
        QCOMPARE(store.secret(App, Section, Key), QStringLiteral("p@ss word"));
        const QString file = store.fileName(App);
        QVERIFY(fileBytes(file).contains("p@ss word"));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(file) & others, QFile::Permissions());
    }

    // The keyring takes the password and the file keeps none; a password
    // left in the file is read, and moved on the next save; removing the
    // settings removes it from the keyring too.
    void keyringHoldsThePassword_data()
    {
        QTest::addColumn<QString>("inFileBefore");
        QTest::addColumn<QString>("saved");
        QTest::newRow("new password") << ""
                                      << "k3y-ring";
        QTest::newRow("moved from the file") << "old-in-file"
                                             << "n3w";
        QTest::newRow("emptied") << "old-in-file"
                                 << "";
    }

    void keyringHoldsThePassword()
    {
        QFETCH(QString, inFileBefore);
        QFETCH(QString, saved);
        static const bool running = startKeyring();
        if (!running)
            QSKIP(qPrintable("no Secret Service could be started (dbus-daemon, gnome-keyring): " +
                             QString::fromLocal8Bit(keyring.readAllStandardError())));
        DesktopKeyring desktop;
        QVERIFY(desktop.remove(App + u'/' + Section + u'/' + Key));
        QTemporaryDir config;
        {
            SettingsStore store(config.path());
            store.save(App, Section, Key, inFileBefore);
        }
        SettingsStore store(config.path());
        store.setKeyring(&desktop);
        QCOMPARE(store.secret(App, Section, Key), inFileBefore);
        QVERIFY(store.saveSecret(App, Section, Key, saved));
        QVERIFY(store.sync());
        const QByteArray file = fileBytes(store.fileName(App));
        QVERIFY(!inFileBefore.isEmpty() || !saved.isEmpty());
        if (!inFileBefore.isEmpty())
            QVERIFY(!file.contains(inFileBefore.toUtf8()));
        if (!saved.isEmpty())
            QVERIFY(!file.contains(saved.toUtf8()));

        // Another run of the program finds it.
        SettingsStore later(config.path());
        later.setKeyring(&desktop);
        QCOMPARE(later.secret(App, Section, Key), saved);
        later.remove(App);
        QCOMPARE(desktop.read(App + u'/' + Section + u'/' + Key),
                 std::optional<QString>(QString()));
    }
};

QTEST_GUILESS_MAIN(TestKeyring)
#include "test_keyring.moc"
