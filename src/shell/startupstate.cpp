#include "shell/startupstate.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"

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

std::optional<bool> storedPreviewAnswer(const SettingsStore &store)
{
    const QString value = settings::text(store, settings::PreviewAnswer);
    if (value == QLatin1String("Yes"))
        return true;
    if (value == QLatin1String("No"))
        return false;
    return std::nullopt;
}

void storePreviewAnswer(SettingsStore &store, bool previewWindows)
{
    settings::write(store, settings::PreviewAnswer,
                    previewWindows ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace startupstate
