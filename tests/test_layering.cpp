// SPDX-License-Identifier: GPL-3.0-or-later
// The source folders form layers, and an include may only point down:
// platform, kernel, shared widgets, the subsystems, the shell, the program.
// Between subsystems only the listed one-way dependencies are allowed.
// Every source file names its licence at its top.

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QHash<QString, int> &layers()
{
    static const QHash<QString, int> map{
        {"platform", 0}, {"kernel", 1},    {"widgets", 2},  {"editor", 3},
        {"site", 3},     {"import", 3},    {"builders", 3}, {"generators", 3},
        {"objects", 3},  {"organizer", 3}, {"help", 3},     {"preview", 3},
        {"check", 3},    {"recovery", 3},  {"shell", 4},    {"app", 5}};
    return map;
}

// from -> to between folders of one layer: every one of them is used.
const QSet<QString> &allowedSideways()
{
    static const QSet<QString> edges{"site->editor",     "import->editor",   "help->editor",
                                     "builders->import", "help->generators", "editor->preview",
                                     "check->editor",    "recovery->editor"};
    return edges;
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT
private slots:
    void includesPointDown()
    {
        const QString root = QStringLiteral(LORIMEL_SOURCE_DIR "/src");
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s+\"([a-z]+)/"),
                                                QRegularExpression::MultilineOption);
        QStringList broken;
        QSet<QString> usedSideways;
        int files = 0;
        QDirIterator it(root, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString folder = QDir(root).relativeFilePath(path).section(u'/', 0, 0);
            QVERIFY2(layers().contains(folder), qPrintable("folder without a layer: " + folder));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            ++files;
            auto matches = include.globalMatch(text);
            while (matches.hasNext()) {
                const QString target = matches.next().captured(1);
                if (target == folder)
                    continue;
                const QString where = QDir(root).relativeFilePath(path);
                if (!layers().contains(target)) {
                    broken << where + " includes unknown folder " + target;
                    continue;
                }
                const int from = layers().value(folder);
                const int to = layers().value(target);
                if (to == from)
                    usedSideways.insert(folder + "->" + target);
                if (to > from ||
                    (to == from && !allowedSideways().contains(folder + "->" + target)))
                    broken << where + " -> " + target;
            }
        }
        QVERIFY(files > 50);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));
        // An allowed edge nobody uses only hides a future mistake.
        const QSet<QString> unused = allowedSideways() - usedSideways;
        QVERIFY2(unused.isEmpty(),
                 qPrintable(QStringList(unused.begin(), unused.end()).join(u' ')));
    }

    void everySourceFileNamesItsLicence()
    {
        const QDir root(QStringLiteral(LORIMEL_SOURCE_DIR));
        QStringList unnamed;
        int files = 0;
        for (const char *folder : {"src", "tests", "bench", "fuzz", "scripts", "packaging"}) {
            // The scripts folder holds programs without a suffix.
            const QStringList names =
                qstrcmp(folder, "scripts") == 0
                    ? QStringList{"*"}
                    : QStringList{"*.h", "*.cpp", "*.sh", "*.py", "CMakeLists.txt"};
            QDirIterator it(root.filePath(QLatin1String(folder)), names, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                QFile file(it.next());
                QVERIFY(file.open(QIODevice::ReadOnly));
                ++files;
                // The first line, or the second after a "#!" line.
                const QByteArray head = file.readLine() + file.readLine();
                if (!head.contains("SPDX-License-Identifier: GPL-3.0-or-later"))
                    unnamed << root.relativeFilePath(file.fileName());
            }
        }
        QVERIFY(files > 300);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(u'\n')));
    }

    void sidewaysDependenciesGoOneWay()
    {
        for (const QString &edge : allowedSideways()) {
            const QStringList ends = edge.split(QStringLiteral("->"));
            QVERIFY2(!allowedSideways().contains(ends[1] + "->" + ends[0]), qPrintable(edge));
        }
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "test_layering.moc"
