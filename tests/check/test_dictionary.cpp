// SPDX-License-Identifier: GPL-3.0-or-later
// Hunspell dictionaries: which are found, which one a page gets, and the
// words of one.

#include "check/dictionary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using spelling::DictionaryFile;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The American English dictionary scripts/setup installs.
DictionaryFile english()
{
    for (const DictionaryFile &d : spelling::findDictionaries(spelling::dictionaryFolders())) {
        if (d.name == u"en_US")
            return d;
    }
    return {};
}

} // namespace

class TestDictionary : public QObject
{
    Q_OBJECT
private slots:
    void chooseDictionary_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("installed");
        QTest::addColumn<QString>("expected");
        const QString several = "de_DE en_AU en_GB en_US fr";
        QTest::newRow("chosen wins") << "en_GB"
                                     << "de"
                                     << "fr_FR" << several << "en_GB";
        QTest::newRow("chosen but not installed") << "it_IT"
                                                  << "de"
                                                  << "fr_FR" << several << "de_DE";
        QTest::newRow("page language with region") << ""
                                                   << "en-GB"
                                                   << "de_DE" << several << "en_GB";
        QTest::newRow("page language in any case") << ""
                                                   << "EN-gb"
                                                   << "de_DE" << several << "en_GB";
        QTest::newRow("page language alone, locale's region")
            << ""
            << "en"
            << "en_AU.UTF-8" << several << "en_AU";
        QTest::newRow("page language alone, its own region") << ""
                                                             << "de"
                                                             << "C" << several << "de_DE";
        QTest::newRow("page language alone, American English")
            << ""
            << "en"
            << "de_DE.UTF-8" << several << "en_US";
        QTest::newRow("dictionary for the language alone") << ""
                                                           << "fr-CA"
                                                           << "C" << several << "fr";
        QTest::newRow("page language not installed: locale")
            << ""
            << "it"
            << "de_DE.UTF-8@euro" << several << "de_DE";
        QTest::newRow("no page language: locale") << ""
                                                  << ""
                                                  << "en_GB" << several << "en_GB";
        QTest::newRow("C locale is American English") << ""
                                                      << ""
                                                      << "C" << several << "en_US";
        QTest::newRow("POSIX locale") << ""
                                      << ""
                                      << "POSIX"
                                      << "en_US"
                                      << "en_US";
        QTest::newRow("nothing fits") << ""
                                      << "it"
                                      << "ja_JP" << several << "";
        QTest::newRow("nothing installed") << ""
                                           << "en"
                                           << "C"
                                           << ""
                                           << "";
    }
    void chooseDictionary()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, page);
        QFETCH(QString, locale);
        QFETCH(QString, installed);
        QFETCH(QString, expected);
        QCOMPARE(spelling::chooseDictionary(chosen, page, locale,
                                            installed.split(u' ', Qt::SkipEmptyParts)),
                 expected);
    }

    // NAME.dic with NAME.aff, the first folder first, sorted by name.
    void findDictionaries()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath("first"), second = dir.filePath("second");
        writeFile(first + "/fr_FR.aff", "SET UTF-8\n");
        writeFile(first + "/fr_FR.dic", "1\nbonjour\n");
        writeFile(first + "/lonely.dic", "1\nword\n"); // no .aff
        writeFile(second + "/fr_FR.aff", "SET UTF-8\n");
        writeFile(second + "/fr_FR.dic", "1\nsalut\n");
        writeFile(second + "/de_DE.aff", "SET UTF-8\n");
        writeFile(second + "/de_DE.dic", "1\nhallo\n");
        const QList<DictionaryFile> found =
            spelling::findDictionaries({first, dir.filePath("missing"), second});
        QStringList names, folders;
        for (const DictionaryFile &d : found) {
            names << d.name;
            folders << QFileInfo(d.dicPath).dir().dirName();
            QVERIFY(QFileInfo(d.affPath).isFile());
        }
        QCOMPARE(names, QStringList({"de_DE", "fr_FR"}));
        QCOMPARE(folders, QStringList({"second", "first"}));
    }

    void englishWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("correct");
        QTest::newRow("plain") << "world" << true;
        QTest::newRow("capitalised") << "World" << true;
        QTest::newRow("in capitals") << "WORLD" << true;
        QTest::newRow("typo") << "wrold" << false;
        QTest::newRow("curly apostrophe") << QString::fromUtf8("don\u2019t") << true;
        QTest::newRow("straight apostrophe") << "don't" << true;
        QTest::newRow("unknown name") << "Lorimel" << false;
    }
    void englishWords()
    {
        QFETCH(QString, word);
        QFETCH(bool, correct);
        const DictionaryFile file = english();
        QVERIFY2(!file.name.isEmpty(), "hunspell-en-us is missing (scripts/setup installs it)");
        spelling::Dictionary dictionary(file);
        QCOMPARE(dictionary.isCorrect(word), correct);
        QCOMPARE(dictionary.isCorrect(word), correct); // the remembered answer
    }

    void suggestionsAndAddedWords()
    {
        const DictionaryFile file = english();
        QVERIFY2(!file.name.isEmpty(), "hunspell-en-us is missing (scripts/setup installs it)");
        spelling::Dictionary dictionary(file);
        const QStringList suggestions = dictionary.suggestions("wrold");
        QVERIFY2(suggestions.contains("world"), qPrintable(suggestions.join(' ')));
        QVERIFY(suggestions.size() <= 8);
        QVERIFY(dictionary.suggestions("speling", 2).size() <= 2);
        QVERIFY(!dictionary.isCorrect("Lorimel"));
        dictionary.addWord("Lorimel");
        QVERIFY(dictionary.isCorrect("Lorimel"));
    }

    // A dictionary in a legacy encoding reads and answers in its own.
    void legacyEncoding()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath("xx_XX.aff"), "SET ISO8859-1\nTRY esianrtolcdugmphbyfvkwz\n");
        writeFile(dir.filePath("xx_XX.dic"), "2\nK\xF6ln\nStra\xDF"
                                             "e\n");
        spelling::Dictionary dictionary(
            {"xx_XX", dir.filePath("xx_XX.aff"), dir.filePath("xx_XX.dic")});
        QVERIFY(dictionary.isCorrect(QString::fromUtf8("Köln")));
        QVERIFY(dictionary.isCorrect(QString::fromUtf8("Straße")));
        QVERIFY(!dictionary.isCorrect("Koln"));
        QVERIFY(dictionary.suggestions("Koln").contains(QString::fromUtf8("Köln")));
    }

    void wordList_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("lines") << QByteArray("Lorimel\nGrüße\n") << QStringList{"Lorimel", "Grüße"}
                               << QByteArray("Lorimel\nGrüße\n");
        QTest::newRow("CR LF, blanks and repeats")
            << QByteArray("  one \r\n\r\ntwo\none\n") << QStringList{"one", "two"}
            << QByteArray("one\ntwo\n");
        QTest::newRow("no final line end")
            << QByteArray("last") << QStringList{"last"} << QByteArray("last\n");
        QTest::newRow("empty") << QByteArray() << QStringList() << QByteArray();
    }
    void wordList()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, words);
        QFETCH(QByteArray, written);
        QCOMPARE(spelling::parseWordList(bytes), words);
        QCOMPARE(spelling::wordListBytes(words), written);
    }
};

QTEST_GUILESS_MAIN(TestDictionary)
#include "test_dictionary.moc"
