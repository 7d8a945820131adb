#include "shell/startupstate.h"

#include "shell/settingsstore.h"

namespace startupstate {

QStringList fontList(SettingsStore &store, const QStringList &installed)
{
    const QString app = SettingsStore::windowApp();
    const QString section = QStringLiteral("Fonts");
    const qint64 cached = qint64(store.number(app, section, QStringLiteral("Number"), -1));
    if (cached != installed.size()) {
        store.remove(app, section);
        store.save(app, section, QStringLiteral("Number"), QString::number(installed.size()));
        for (int i = 0; i < installed.size(); ++i)
            store.save(app, section, QString::number(i), installed[i]);
        return installed;
    }
    QStringList names;
    names.reserve(int(cached));
    for (qint64 i = 0; i < cached; ++i)
        names << store.get(app, section, QString::number(i));
    return names;
}

std::optional<bool> storedUseIE(const SettingsStore &store)
{
    const QString value =
        store.get(SettingsStore::windowApp(), QStringLiteral("Extras"), QStringLiteral("UseIE"));
    if (value == QLatin1String("Yes"))
        return true;
    if (value == QLatin1String("No"))
        return false;
    return std::nullopt;
}

void storeUseIE(SettingsStore &store, bool useIE)
{
    store.save(SettingsStore::windowApp(), QStringLiteral("Extras"), QStringLiteral("UseIE"),
               useIE ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace startupstate
