// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/parallel.h"

#include <QtTest>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

class TestParallel : public QObject
{
    Q_OBJECT
private slots:
    void forEach_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("threads");
        QTest::newRow("nothing to do") << 0 << 4;
        QTest::newRow("one item, many threads") << 1 << 8;
        QTest::newRow("fewer items than threads") << 3 << 8;
        QTest::newRow("many items") << 5000 << 8;
        QTest::newRow("one thread") << 100 << 1;
        QTest::newRow("no thread asked for") << 100 << 0;
    }
    void forEach()
    {
        QFETCH(int, count);
        QFETCH(int, threads);
        std::vector<std::atomic<int>> calls(static_cast<size_t>(count));
        std::atomic<bool> outside{false};
        std::mutex lock;
        std::set<std::thread::id> seen;
        parallel::forEach(count, threads, [&](qsizetype i) {
            if (i < 0 || i >= count) {
                outside = true;
                return;
            }
            ++calls[size_t(i)];
            const std::lock_guard<std::mutex> hold(lock);
            seen.insert(std::this_thread::get_id());
        });
        QVERIFY(!outside);
        for (int i = 0; i < count; ++i)
            QCOMPARE(calls[size_t(i)].load(), 1);
        QVERIFY(int(seen.size()) <= std::max(1, std::min(count, threads)));
        if (threads <= 1 && count > 0)
            QVERIFY(seen == std::set<std::thread::id>{std::this_thread::get_id()});
    }
};

QTEST_GUILESS_MAIN(TestParallel)
#include "test_parallel.moc"
