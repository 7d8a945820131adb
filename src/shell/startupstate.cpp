// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startupstate.h"

#include "kernel/inifile.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/textfile.h"

#include <QFileInfo>

namespace startupstate {

QStringList fontList(SettingsStore &store, const QStringList &installed)
{
    const settings::Setting &count = settings::setting(settings::FontCount);
    if (qint64(settings::number(store, count)) != installed.size()) {
        store.remove(count.app, count.section);
        settings::writeList(store, count, installed);
        return installed;
    }
    return settings::readList(store, count, installed, QString());
}

namespace {

std::optional<bool> answer(const QString &value)
{
    if (value == QLatin1String("Yes"))
        return true;
    if (value == QLatin1String("No"))
        return false;
    return std::nullopt;
}

} // namespace

std::optional<bool> storedPreviewAnswer(const SettingsStore &store)
{
    return answer(settings::text(store, settings::PreviewAnswer));
}

std::optional<bool> peekPreviewAnswer(const QString &directory)
{
    const settings::Setting &s = settings::setting(settings::PreviewAnswer);
    const QString path = directory + u'/' + s.app + QStringLiteral(".ini");
    // Read as the store reads it, never waiting on the file.
    QByteArray bytes;
    IniFile file;
    if (!QFileInfo::exists(path) || !textfile::readFile(path, &bytes) || !file.parse(bytes))
        return std::nullopt;
    return answer(file.value(s.section, s.key));
}

void storePreviewAnswer(SettingsStore &store, bool previewWindows)
{
    settings::write(store, settings::PreviewAnswer,
                    previewWindows ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace startupstate
