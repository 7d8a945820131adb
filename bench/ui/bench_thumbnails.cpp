// SPDX-License-Identifier: GPL-3.0-or-later
// The Thumbnail Browser on a folder of 2,000 JPEGs of 640 x 480: until the
// first thumbnail is shown, until every picture has been shown stepping
// through them, and until the window answers after opening. The peers, in
// the same run: vipsthumbnail (Debian package libvips-tools) making
// thumbnails of the same size from the same files, and the browser on an
// empty folder.
//   QT_QPA_PLATFORM=offscreen bench_thumbnails [--benchmark_filter=...]

#include "kernel/appstate.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "site/thumbnailbrowser.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

#include <benchmark/benchmark.h>

namespace {

constexpr int Pictures = 2000;

QString pictureName(int i)
{
    return QStringLiteral("p%1.jpg").arg(i, 4, 10, QChar('0'));
}

// Made once and kept beside the program: a gradient, ellipses and grain in
// colours of their own, so each one decodes like a photograph of its size.
QString pictureFolder()
{
    const QString folder = QCoreApplication::applicationDirPath() + "/thumbnail-pictures";
    if (QFile::exists(folder + '/' + pictureName(Pictures - 1))) // written last
        return folder;
    QDir().mkpath(folder);
    for (int i = 0; i < Pictures; ++i) {
        QRandomGenerator random(quint32(i + 1));
        const auto colour = [&random] { return QColor::fromRgb(random.generate()); };
        QImage image(640, 480, QImage::Format_RGB32);
        QPainter painter(&image);
        QLinearGradient gradient(0, 0, image.width(), image.height());
        gradient.setColorAt(0, colour());
        gradient.setColorAt(1, colour());
        painter.fillRect(image.rect(), gradient);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < 30; ++k) {
            painter.setBrush(colour());
            painter.drawEllipse(random.bounded(640), random.bounded(480), random.bounded(20, 240),
                                random.bounded(20, 240));
        }
        painter.end();
        auto *pixel = reinterpret_cast<QRgb *>(image.bits());
        for (quint32 p = 0, grain = quint32(i); p < 640 * 480; ++p) {
            grain = grain * 1664525u + 1013904223u;
            pixel[p] ^= (grain >> 8) & 0x0f0f0f;
        }
        image.save(folder + '/' + pictureName(i), "JPG", 85);
    }
    return folder;
}

// All the browser asks of the program is the web-site folder.
class Host : public BuilderHost
{
public:
    explicit Host(const QString &folder) : m_folder(folder) {}
    DialogService &dialogs() override { return m_dialogs; }
    const AppState &state() const override { return m_state; }
    const SettingsStore &settings() const override { return m_settings; }
    QWidget *mainWidget() override { return nullptr; }
    void insertFragment(const QString &) override {}
    void wrapSelection(const QString &, const QString &) override {}
    bool hasDocument() const override { return false; }
    QString selectedText() const override { return {}; }
    void focusDocument() override {}
    QString siteFolder() const override { return m_folder; }
    bool openBuilder(const QString &, const QString &) override { return false; }
    bool openBuilderFor(FileRole, const QString &) override { return false; }

private:
    QString m_folder;
    QTemporaryDir m_settingsDir;
    WidgetDialogService m_dialogs;
    AppState m_state;
    SettingsStore m_settings{m_settingsDir.path()};
};

template <class Done> void waitFor(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// From opening the browser until the first N pictures have each been the
// one in view, decoded and painted (stepping on as soon as it is).
void BM_Browser(benchmark::State &state)
{
    Host host(pictureFolder());
    const int steps = int(state.range(0));
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *browser = BuilderDialog::showBuilder<ThumbnailBrowser>(host);
        for (int i = 0; i < steps; ++i) {
            if (i > 0)
                browser->nextPicture();
            waitFor([&] { return browser->thumbnails().contains(i); });
            QCoreApplication::processEvents(); // the square painted
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        if (browser->thumbnails().value(steps - 1).isNull())
            state.SkipWithError("a picture was not decoded");
        delete browser;
    }
}

// From opening the browser on the pictures (1) or on an empty folder (0)
// until an event posted then has come back.
void BM_BrowserAnswers(benchmark::State &state)
{
    QTemporaryDir empty;
    Host host(state.range(0) ? pictureFolder() : empty.path());
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto *browser = BuilderDialog::showBuilder<ThumbnailBrowser>(host);
        bool answered = false;
        QTimer::singleShot(0, browser, [&answered] { answered = true; });
        waitFor([&answered] { return answered; });
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        delete browser;
    }
}

// The peer: vipsthumbnail making thumbnails of the first N pictures at the
// browser's size, stretched to the square as the browser shows them.
void BM_Vipsthumbnail(benchmark::State &state)
{
    const QString folder = pictureFolder();
    QTemporaryDir out;
    const int side = int(std::lround(double(site::ThumbnailStrip::Size) / numbers::TwipsPerPixel));
    QStringList arguments{"-s", QStringLiteral("%1x%1!").arg(side), "-o", out.filePath("%s.jpg")};
    for (int i = 0; i < state.range(0); ++i)
        arguments << folder + '/' + pictureName(i);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        QProcess vips;
        vips.start(QStringLiteral("vipsthumbnail"), arguments);
        if (!vips.waitForFinished(-1) || vips.exitCode() != 0) {
            state.SkipWithError("vipsthumbnail did not run (apt-get install libvips-tools)");
            return;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

void timed(benchmark::internal::Benchmark *b)
{
    b->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Browser)->Arg(1)->Iterations(10)->Apply(timed);
BENCHMARK(BM_Browser)->Arg(Pictures)->Iterations(1)->Apply(timed);
BENCHMARK(BM_BrowserAnswers)->Arg(1)->Arg(0)->Iterations(10)->Apply(timed);
BENCHMARK(BM_Vipsthumbnail)->Arg(1)->Iterations(10)->Apply(timed);
BENCHMARK(BM_Vipsthumbnail)->Arg(Pictures)->Iterations(1)->Apply(timed);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
