// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/typingdriver.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "platform/keyring.h"
#include "platform/safefile.h"
#include "platform/translations.h"
#include "preview/previewmodule.h"
#include "preview/previewrules.h"
#include "shell/mainwindow.h"
#include "shell/splash.h"
#include "shell/startup.h"
#include "shell/startupstate.h"

#include <cstdio>
#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <stdio.h>
#include <unistd.h>

namespace {

void describe(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Lorimel 3.0 - HTML Authoring System: write HTML source with builders, "
                "SmartColor syntax colouring and a live preview."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("exit-after-startup"),
        QCoreApplication::translate(
            "main", "Quit as soon as start-up has finished (for timing start-up).")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("screenshot"),
        QCoreApplication::translate(
            "main", "After start-up, save a picture of the screen to <png> and quit."),
        QStringLiteral("png")));
    QCommandLineOption writeIcons(
        QStringLiteral("write-icons"),
        QCoreApplication::translate("main", "Write the icon theme's pictures into <folder>."),
        QStringLiteral("folder"));
    writeIcons.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(writeIcons);
    QCommandLineOption checkPreview(
        QStringLiteral("check-preview"),
        QStringLiteral("Load the preview's browser engine, or say why it cannot be, and quit."));
    checkPreview.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(checkPreview);
    // The tests that kill the real program type into it through this.
    QCommandLineOption driver(QStringLiteral("typing-driver"),
                              QStringLiteral("Take typing commands on standard input."));
    driver.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(driver);
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QCoreApplication::translate("main", "An HTML or text file to open."),
        QStringLiteral("[file]"));
}

// Help and version only print: they must work without any display, so they
// are answered before the windowing system is started.
bool onlyPrints(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--")
            break;
        for (const char *option : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
            if (arg == option)
                return true;
        }
    }
    return false;
}

// A picture as a PNG file, by the one safe write; the reason on stderr.
bool writePng(const QPixmap &picture, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    QString error = QCoreApplication::translate("main", "the picture cannot be encoded");
    if (buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG") &&
        safefile::write(path, png, &error))
        return true;
    fprintf(stderr, "lorimel: %s: %s\n", qPrintable(path), qPrintable(error));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("lorimel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("3.0"));
    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        translations::install(QLocale());
        QCommandLineParser parser;
        describe(parser);
        parser.process(app); // prints and exits
        return 0;
    }
    // As root the browser engine starts only without its sandbox; the
    // preview then keeps page scripts off (and says so once). The engine
    // reads its flags when it starts, which is later, if ever.
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const previewrules::EngineStart engine = previewrules::engineStart(
        geteuid() == 0, flags, qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
    if (engine.chromiumFlags != flags)
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", engine.chromiumFlags);
    // The browser engine and the OpenGL context it draws through are
    // loaded when a preview first needs them. A user who answered that
    // there is no browser engine never needs OpenGL either: it is not
    // even looked for then.
    const bool plainWindows = startupstate::peekPreviewAnswer(SettingsStore::defaultDirectory()) ==
                              std::optional<bool>(false);
    const bool noOpenGL = plainWindows && !qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION");
    if (noOpenGL)
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication app(argc, argv);
    translations::install(QLocale());
    if (noOpenGL)
        qunsetenv("QT_XCB_GL_INTEGRATION"); // programs started from here keep theirs
    QApplication::setApplicationDisplayName(QStringLiteral("Lorimel"));
    QApplication::setWindowIcon(programIcon());

    QCommandLineParser parser;
    describe(parser);
    parser.process(app);
    const QCommandLineOption exitAfterStartup(QStringLiteral("exit-after-startup"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"));
    const QCommandLineOption writeIcons(QStringLiteral("write-icons"));
    const QCommandLineOption checkPreview(QStringLiteral("check-preview"));

    if (parser.isSet(writeIcons)) {
        // Installation draws the icon once for each size of the theme.
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString dir =
                QStringLiteral("%1/%2x%2/apps").arg(parser.value(writeIcons)).arg(size);
            if (!QDir().mkpath(dir) || !writePng(programIconPixmap(size),
                                                 dir + QStringLiteral("/net.lorimel.Lorimel.png")))
                return 1;
        }
        return 0;
    }

    if (parser.isSet(checkPreview)) {
        // Installation checks that the program finds its engine.
        QString error;
        if (!previewmodule::engine(&error)) {
            fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        return 0;
    }

    const QStringList files = parser.positionalArguments();
    DesktopKeyring keyring; // asked only when the FTP password is needed
    SettingsStore settings;
    settings.setKeyring(&keyring);
    WidgetDialogService dialogs;
    Startup startup(settings, dialogs, files.isEmpty() ? QString() : files.first());
    if (parser.isSet(exitAfterStartup)) {
        QObject::connect(&startup, &Startup::finished, &app,
                         [] { QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); }); });
    }
    if (parser.isSet(screenshot)) {
        // The picture shows the program, not its first-run question.
        startup.answerPreviewQuestion(false);
        const QString target = parser.value(screenshot);
        auto grab = [target] {
            QScreen *screen = QGuiApplication::primaryScreen();
            const bool saved = screen && writePng(screen->grabWindow(0), target);
            QCoreApplication::exit(saved ? 0 : 1);
        };
        // Give the windows a moment to paint.
        QObject::connect(&startup, &Startup::finished, &app,
                         [grab] { QTimer::singleShot(2000, qApp, grab); });
        QTimer::singleShot(15000, qApp, grab);
    }
    if (parser.isSet(QStringLiteral("typing-driver"))) {
        QObject::connect(&startup, &Startup::finished, &app, [&startup] {
            // After the recovery offer, which comes once start-up is done.
            QTimer::singleShot(0, qApp,
                               [&startup] { new TypingDriver(startup.mainWindow(), qApp); });
        });
    }
    startup.start();
    const int code = app.exec();
    // The windows go before the application: a preview page must not
    // outlive the browser profile it belongs to.
    delete startup.mainWindow();
    if (!settings.sync())
        fprintf(stderr, "lorimel: %s\n", qPrintable(settings.lastError()));
    return code;
}
