// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/tips.h"

#include <QRandomGenerator>
#include <QtTest>

class TestTips : public QObject
{
    Q_OBJECT
private slots:
    void list()
    {
        const QStringList &tips = tips::tipList();
        QCOMPARE(tips.size(), 11);
        QCOMPARE(tips.first(), QStringLiteral("The Table Builder supports WYSIWYG cell sizing."));
        QCOMPARE(
            tips.at(2),
            QStringLiteral("HTML generated graphics are available through \"Special Effects\""));
        QCOMPARE(tips.at(7), QStringLiteral("The Frame Builder supports 6 layouts."));
        QCOMPARE(
            tips.last(),
            QStringLiteral("Internet Explorer 4.0 or higher is used as the main preview window."));
    }

    void seededPickRepeats()
    {
        // The same seed gives the same tips: the pick depends on the source only.
        QRandomGenerator first(42);
        QRandomGenerator second(42);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(tips::randomTipIndex(first), tips::randomTipIndex(second));
    }

    void everyTipReachable()
    {
        QRandomGenerator random(7);
        QList<int> seen(tips::tipList().size(), 0);
        for (int i = 0; i < 2000; ++i) {
            const int index = tips::randomTipIndex(random);
            QVERIFY(index >= 0 && index < tips::tipList().size());
            ++seen[index];
        }
        for (int count : seen)
            QVERIFY(count > 0);
    }
};

QTEST_GUILESS_MAIN(TestTips)
#include "test_tips.moc"
