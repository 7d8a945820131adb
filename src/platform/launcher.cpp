// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/launcher.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace launcher {

QStringList candidates(Tool tool)
{
    switch (tool) {
    case Tool::Calculator:
        return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
                QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
                QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
    case Tool::CharacterMap:
        return {QStringLiteral("gucharmap"), QStringLiteral("kcharselect"),
                QStringLiteral("gnome-characters")};
    case Tool::ClipboardViewer:
        return {QStringLiteral("gpaste-client"), QStringLiteral("copyq"), QStringLiteral("diodon"),
                QStringLiteral("parcellite"), QStringLiteral("xclipboard")};
    case Tool::FindFiles:
        return {QStringLiteral("catfish"), QStringLiteral("searchmonkey"),
                QStringLiteral("gnome-search-tool"), QStringLiteral("kfind"),
                QStringLiteral("mate-search-tool")};
    case Tool::MediaPlayer:
        return {QStringLiteral("vlc"),       QStringLiteral("mpv"),      QStringLiteral("totem"),
                QStringLiteral("celluloid"), QStringLiteral("smplayer"), QStringLiteral("parole")};
    }
    return {};
}

QString findTool(Tool tool)
{
    for (const QString &name : candidates(tool)) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

QString notInstalledMessage(Tool tool)
{
    const char *kind = "";
    switch (tool) {
    case Tool::Calculator:
        kind = QT_TRANSLATE_NOOP("launcher", "No calculator is installed.");
        break;
    case Tool::CharacterMap:
        kind = QT_TRANSLATE_NOOP("launcher", "No character map is installed.");
        break;
    case Tool::ClipboardViewer:
        kind = QT_TRANSLATE_NOOP("launcher", "No clipboard viewer is installed.");
        break;
    case Tool::FindFiles:
        kind = QT_TRANSLATE_NOOP("launcher", "No desktop search tool is installed.");
        break;
    case Tool::MediaPlayer:
        kind = QT_TRANSLATE_NOOP("launcher", "No media player is installed.");
        break;
    }
    const QStringList tried = candidates(tool);
    return QCoreApplication::translate("launcher", kind) + u'\n' +
           QCoreApplication::translate("launcher", "Looked for: %1.")
               .arg(tried.join(QLatin1String(", "))) +
           u'\n' +
           QCoreApplication::translate(
               "launcher", "Install one with your desktop's software manager, or in a terminal:\n"
                           "sudo apt install %1")
               .arg(tried.value(0));
}

bool start(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace launcher
