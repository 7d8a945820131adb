// SPDX-License-Identifier: GPL-3.0-or-later
// Check Links over a generated site against `linkchecker` (Debian package
// linkchecker) on the same files through file:// URLs. Each page holds 50
// links: pages in other folders, places in them, images, a style sheet, a
// script, and one broken link; index.htm links to every page so the peer,
// which follows links, reaches them all. Ours lists the folder, reads every
// page and checks every link each iteration.
// bench/compare_linkcheck.sh runs both and prints the ratio.

#include "site/linkcheck.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int LinksPerPage = 50;
constexpr int Folders = 20;
constexpr int Images = 20;

QString pagePath(int i)
{
    return QStringLiteral("d%1/p%2.htm")
        .arg(i % Folders, 2, 10, QChar(u'0'))
        .arg(i, 4, 10, QChar(u'0'));
}

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

struct Site
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/lorimel-bench-XXXXXX")};

    explicit Site(int pages)
    {
        for (int i = 0; i < Images; ++i)
            write(dir.filePath(QStringLiteral("img/i%1.gif").arg(i)), "GIF89a");
        write(dir.filePath(QStringLiteral("style.css")), "p { margin: 0 }");
        write(dir.filePath(QStringLiteral("app.js")), "var x = 1;");
        QByteArray index("<html><body>\r\n");
        for (int i = 0; i < pages; ++i) {
            index += "<a href=\"" + pagePath(i).toUtf8() + "\">page</a>\r\n";
            write(dir.filePath(pagePath(i)), page(i, pages));
        }
        write(dir.filePath(QStringLiteral("index.htm")), index + "</body></html>\r\n");
    }

    static QByteArray page(int i, int pages)
    {
        QByteArray out("<html><head><title>Page</title>\r\n"
                       "<link rel=\"stylesheet\" href=\"../style.css\">\r\n"
                       "<script src=\"../app.js\"></script></head><body>\r\n");
        int links = 2;
        for (int k = 0; k < 10; ++k)
            out += "<h2><a name=\"s" + QByteArray::number(k) + "\">Part</a></h2>\r\n";
        out += "<p><a href=\"../missing.htm\">gone</a></p>\r\n";
        ++links;
        for (int k = 0; k < 10; ++k, ++links)
            out += "<p><img src=\"../img/i" + QByteArray::number((i + k) % Images) +
                   ".gif\" alt=\"\"> Lorem ipsum dolor sit amet, consectetur.</p>\r\n";
        for (int k = 0; links < LinksPerPage; ++k, ++links) {
            const int target = (i * 7 + k * 13 + 1) % pages;
            out += "<p><a href=\"../" + pagePath(target).toUtf8();
            if (k % 6 == 0)
                out += "#s" + QByteArray::number(k % 10);
            out += "\">Sed ut perspiciatis</a> unde omnis iste natus error.</p>\r\n";
        }
        return out + "</body></html>\r\n";
    }
};

void BM_CheckLinks(benchmark::State &state)
{
    const int pages = int(state.range(0));
    Site site(pages);
    qsizetype rows = 0;
    for (auto _ : state) {
        linkcheck::Site read;
        if (!linkcheck::readSite(site.dir.path(), &read))
            state.SkipWithError("the check stopped");
        rows = linkcheck::check(read).size();
    }
    if (rows != pages)
        state.SkipWithError("not one broken link per page");
    state.counters["rows"] = double(rows);
    state.counters["links"] = double(pages) * LinksPerPage;
}
BENCHMARK(BM_CheckLinks)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Linkchecker(benchmark::State &state)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("linkchecker"));
    if (program.isEmpty()) {
        state.SkipWithError("linkchecker is not installed");
        return;
    }
    Site site(int(state.range(0)));
    const QString start =
        QStringLiteral("file://") + site.dir.filePath(QStringLiteral("index.htm"));
    for (auto _ : state) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(program, {QStringLiteral("--no-status"), QStringLiteral("--no-warnings"),
                          QStringLiteral("--recursion-level=-1"), start});
        // It exits with 1 when it found broken links, as it should here.
        if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 1)
            state.SkipWithError("linkchecker failed");
    }
}
BENCHMARK(BM_Linkchecker)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
