#include "shell/startupstate.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"

#include <QFileInfo>
#include <QSettings>

namespace startupstate {

QStringList fontList(SettingsStore &store, const QStringList &installed)
{
    const settings::Setting &count = settings::fontCount();
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

std::optional<bool> storedUseIE(const SettingsStore &store)
{
    return answer(settings::text(store, settings::useIE()));
}

std::optional<bool> peekUseIE(const QString &directory)
{
    const settings::Setting &s = settings::useIE();
    const QString path = directory + u'/' + s.app + QStringLiteral(".ini");
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const QSettings file(path, QSettings::IniFormat);
    return answer(file.value(s.section + u'/' + s.key).toString());
}

void storeUseIE(SettingsStore &store, bool useIE)
{
    settings::write(store, settings::useIE(), useIE ? QStringLiteral("Yes") : QStringLiteral("No"));
}

} // namespace startupstate
