// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewmodule.h"

#include "preview/previewbrowser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
// Exported by Qt GUI for its own modules (the browser engine uses it the
// same way); there is no public setter.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
QT_END_NAMESPACE

namespace previewmodule {

namespace {

QString g_location;
PreviewEngine *g_engine = nullptr;
bool g_noticeGiven = false;
QOpenGLContext *g_shareContext = nullptr;

QString fileName()
{
    return QStringLiteral("liblorimel_preview.so");
}

QStringList candidates()
{
    if (!g_location.isEmpty())
        return {g_location};
    const QString program = QCoreApplication::applicationDirPath();
    return {program + u'/' + fileName(),
            QDir::cleanPath(program + QStringLiteral("/" LORIMEL_MODULE_DIR "/") + fileName())};
}

void dropShareContext()
{
    if (QOpenGLContext::globalShareContext() == g_shareContext)
        qt_gl_set_global_share_context(nullptr);
    delete g_shareContext;
    g_shareContext = nullptr;
}

// The engine draws through an OpenGL context shared with the program's
// own, which must exist before the engine's libraries load. Asking for it
// with Qt::AA_ShareOpenGLContexts would load the whole OpenGL stack at
// every start; it is made here instead, as the application would have made
// it, just before the module loads. The engine then finds what it needs
// and has nothing to warn about.
void prepareOpenGL()
{
    if (QOpenGLContext::globalShareContext() || !qobject_cast<QGuiApplication *>(qApp))
        return;
    g_shareContext = new QOpenGLContext;
    g_shareContext->setFormat(QSurfaceFormat::defaultFormat());
    // Without OpenGL (no display driver) the context stays invalid and
    // the engine draws without it.
    g_shareContext->create();
    qt_gl_set_global_share_context(g_shareContext);
    qAddPostRoutine(dropShareContext);
}

} // namespace

void setLocation(const QString &file)
{
    g_location = file;
}

PreviewEngine *engine(QString *error)
{
    if (g_engine)
        return g_engine;
    QString file;
    for (const QString &candidate : candidates()) {
        if (QFileInfo(candidate).isFile()) {
            file = candidate;
            break;
        }
    }
    if (file.isEmpty()) {
        if (error) {
            *error = QCoreApplication::translate("PreviewPane",
                                                 "The browser engine's module is missing: %1.")
                         .arg(candidates().join(QLatin1String(", ")));
        }
        return nullptr;
    }
    prepareOpenGL();
    QLibrary library(file);
    library.setLoadHints(QLibrary::PreventUnloadHint);
    if (!library.load()) {
        if (error) {
            *error = QCoreApplication::translate("PreviewPane",
                                                 "The browser engine's module cannot be loaded: %1")
                         .arg(library.errorString());
        }
        return nullptr;
    }
    using Entry = PreviewEngine *(*)();
    const auto entry = reinterpret_cast<Entry>(library.resolve(LORIMEL_PREVIEW_ENTRY));
    if (!entry) {
        if (error) {
            *error = QCoreApplication::translate(
                         "PreviewPane", "The browser engine's module cannot be loaded: %1 is "
                                        "not the module of this version of the program.")
                         .arg(file);
        }
        return nullptr;
    }
    g_engine = entry();
    return g_engine;
}

bool takeScriptsOffNotice()
{
    if (!g_engine || g_engine->scriptsEnabled() || g_noticeGiven)
        return false;
    g_noticeGiven = true;
    return true;
}

} // namespace previewmodule
