#include "shell/appstate.h"

#include "shell/settingsstore.h"

QStringList readStoredList(const SettingsStore &store, const QString &section,
                           const QStringList &fallback)
{
    const QString app = SettingsStore::mainApp();
    const qint64 count = qint64(store.number(app, section, QStringLiteral("Count"), -1));
    if (count == -1)
        return fallback;
    QStringList items;
    for (qint64 i = 0; i < count; ++i)
        items << store.get(app, section, QString::number(i), QStringLiteral("-1"));
    return items;
}

void writeStoredList(SettingsStore &store, const QString &section, const QStringList &items)
{
    const QString app = SettingsStore::mainApp();
    store.save(app, section, QStringLiteral("Count"), QString::number(items.size()));
    for (int i = 0; i < items.size(); ++i)
        store.save(app, section, QString::number(i), items[i]);
}

void AppState::loadPreferences(const SettingsStore &store, const QString &programFolder)
{
    const QString app = SettingsStore::mainApp();
    fonter = store.get(app, QStringLiteral("Settings"), QStringLiteral("Fontsize"),
                       QStringLiteral("8.5"));
    colorOnOff = store.boolean(app, QStringLiteral("Colors"), QStringLiteral("OnOff"), false);
    browser = store.get(app, QStringLiteral("Settings"), QStringLiteral("Browser"),
                        QStringLiteral("None"));
    static const char *const colorKeys[5] = {"Tables", "Frames", "Links", "Comments", "Other"};
    for (int i = 0; i < 5; ++i) {
        colors[i] = qint64(store.number(app, QStringLiteral("Colors"), QLatin1String(colorKeys[i]),
                                        double(defaultColors[i])));
    }
    imageTypes = readStoredList(store, QStringLiteral("Graphics"), builtInImageTypes());
    customTags = readStoredList(store, QStringLiteral("CustomTags"), QStringList());
    undo = UndoRecord();
    for (int i = 0; i < 6; ++i) {
        customCaptions[i] = store.get(app, QStringLiteral("Custom"), QStringLiteral("0%1").arg(i),
                                      QStringLiteral("Custom%1").arg(i + 1));
        customTexts[i] = store.get(app, QStringLiteral("Custom"), QStringLiteral("1%1").arg(i));
    }
    siteDrive = store.get(app, QStringLiteral("Direct"), QStringLiteral("Drive"), programFolder);
    siteDirectory =
        store.get(app, QStringLiteral("Direct"), QStringLiteral("Director"), programFolder);
    siteFilePath =
        store.get(app, QStringLiteral("Direct"), QStringLiteral("FilePath"), programFolder);
    ftpUrl = store.get(app, QStringLiteral("Direct"), QStringLiteral("FTPURL"));
    ftpPassword = store.get(app, QStringLiteral("Direct"), QStringLiteral("FTPPassword"));
    ftpUserName = store.get(app, QStringLiteral("Direct"), QStringLiteral("FTPUserName"));
    textStart = 0;
    textLength = 0;
}
