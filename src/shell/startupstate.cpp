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

std::optional<bool> storedUseIE(const SettingsStore &store)
{
    const QString value = settings::text(store, settings::UseIE);
    if (value == QLatin1String("Yes"))
        return true;
    if (value == QLatin1String("No"))
        return false;
    return std::nullopt;
}

void storeUseIE(SettingsStore &store, bool useIE)
{
    settings::write(store, settings::UseIE, useIE ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace startupstate
