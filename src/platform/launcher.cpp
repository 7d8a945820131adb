#include "platform/launcher.h"

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

bool start(const QString &program, const QStringList &arguments)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, arguments);
}

} // namespace launcher
