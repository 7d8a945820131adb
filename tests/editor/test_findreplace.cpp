// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findreplace.h"

#include <QtTest>

using findreplace::FindState;

class TestFindReplace : public QObject
{
    Q_OBJECT
private slots:
    void find_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<qsizetype>("expected");
        QTest::newRow("first") << "one two one"
                               << "one" << qsizetype(0) << true << qsizetype(0);
        QTest::newRow("from after the first") << "one two one"
                                              << "one" << qsizetype(1) << true << qsizetype(8);
        QTest::newRow("any case") << "Find THE word"
                                  << "the" << qsizetype(0) << false << qsizetype(5);
        QTest::newRow("matching case misses") << "THE"
                                              << "the" << qsizetype(0) << true << qsizetype(-1);
        QTest::newRow("accented, any case") << "Un ÉTÉ chaud"
                                            << "été" << qsizetype(0) << false << qsizetype(3);
        QTest::newRow("start past the end") << "abc"
                                            << "a" << qsizetype(10) << false << qsizetype(-1);
        QTest::newRow("negative start is the top") << "bab"
                                                   << "b" << qsizetype(-1) << false << qsizetype(0);
        QTest::newRow("empty needle") << "abc"
                                      << "" << qsizetype(0) << false << qsizetype(-1);
    }
    void find()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(qsizetype, start);
        QFETCH(bool, matchCase);
        QFETCH(qsizetype, expected);
        QCOMPARE(findreplace::find(text, needle, start, matchCase), expected);
    }

    void findNextWrapsAfterNotFound()
    {
        const QString text = QStringLiteral("Cat and cat");
        FindState state;
        QCOMPARE(state.position(), -1);
        const auto first = state.findNext(text, u"cat", false);
        QCOMPARE(first.outcome, FindState::Outcome::Found);
        QCOMPARE(first.position, 0);
        QCOMPARE(state.findNext(text, u"cat", false).position, 8);
        const auto third = state.findNext(text, u"cat", false);
        QCOMPARE(third.outcome, FindState::Outcome::NotFound);
        QCOMPARE(third.position, -1);
        QCOMPARE(state.position(), -1);
        QCOMPARE(state.findNext(text, u"cat", false).position, 0);
    }

    void resetStartsAtTheTop()
    {
        FindState state;
        state.findNext(u"ab ab ab", u"ab", false);
        QCOMPARE(state.findNext(u"ab ab ab", u"ab", false).position, 3);
        state.reset();
        QCOMPARE(state.findNext(u"ab ab ab", u"b", false).position, 1);
    }

    void emptyFindTextDoesNothing()
    {
        FindState state;
        state.findNext(u"xx yy", u"yy", false);
        const auto r = state.findNext(u"xx yy", u"", false);
        QCOMPARE(r.outcome, FindState::Outcome::NothingToFind);
        QCOMPARE(state.position(), 3);
    }

    void findNextAfterReplacing()
    {
        // With "Replace With:" ticked the caller replaces each match; the
        // next search starts one past where the match began.
        QString text = QStringLiteral("a-a");
        FindState state;
        for (int k = 0; k < 2; ++k) {
            const auto r = state.findNext(text, u"a", false);
            QCOMPARE(r.outcome, FindState::Outcome::Found);
            text.replace(r.position, 1, QStringLiteral("bb"));
        }
        QCOMPARE(text, QStringLiteral("bb-bb"));
        QCOMPARE(state.findNext(text, u"a", false).outcome, FindState::Outcome::NotFound);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QList<qsizetype>>("positions");
        using P = QList<qsizetype>;
        QTest::newRow("empty needle") << "abc"
                                      << ""
                                      << "x" << false << "abc" << P{};
        QTest::newRow("nothing found") << "abc"
                                       << "z"
                                       << "x" << false << "abc" << P{};
        QTest::newRow("replacement holds the needle") << "ab ab"
                                                      << "ab"
                                                      << "abab" << false << "abab abab" << P{0, 3};
        QTest::newRow("replacement holds the needle, touching")
            << "abab"
            << "ab"
            << "abab" << true << "abababab" << P{0, 2};
        QTest::newRow("any case") << "ab Ab aB"
                                  << "AB"
                                  << "x" << false << "x x x" << P{0, 3, 6};
        QTest::newRow("matching case") << "ab Ab aB"
                                       << "Ab"
                                       << "x" << true << "ab x aB" << P{3};
        QTest::newRow("overlapping matches, left first") << "aaa"
                                                         << "aa"
                                                         << "b" << false << "ba" << P{0};
        QTest::newRow("deleting") << "<B>x</B>"
                                  << "<B>"
                                  << "" << false << "x</B>" << P{0};
        QTest::newRow("accented") << "Été été"
                                  << "ÉTÉ"
                                  << "summer" << false << "summer summer" << P{0, 4};
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(QString, replacement);
        QFETCH(bool, matchCase);
        QFETCH(QString, expected);
        QFETCH(QList<qsizetype>, positions);
        const auto r = findreplace::replaceAll(text, needle, replacement, matchCase);
        QCOMPARE(r.text, expected);
        QCOMPARE(r.count, positions.size());
        QCOMPARE(r.positions, positions); // in the original text
    }
};

QTEST_APPLESS_MAIN(TestFindReplace)
#include "test_findreplace.moc"
