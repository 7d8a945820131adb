// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/settingscatalog.h"

#include "kernel/settingsstore.h"
#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace settings {

namespace {

const QString Main = QStringLiteral("Lorimel3");
const QString Window = QStringLiteral("LM3");
const QString Organizer = QStringLiteral("Ostrel Organizer");

Setting textSetting(const QString &app, const char *section, const char *key,
                    const QString &defaultText = QString())
{
    return {app, QLatin1String(section), QLatin1String(key), Type::Text, defaultText, 0, 0};
}

Setting numberSetting(const QString &app, const char *section, const char *key, double defaultValue,
                      double min, double max)
{
    return {app,
            QLatin1String(section),
            QLatin1String(key),
            Type::Number,
            numbers::shortestDouble(defaultValue),
            min,
            max};
}

Setting booleanSetting(const QString &app, const char *section, const char *key, bool defaultValue,
                       Type type = Type::Boolean)
{
    return {app,
            QLatin1String(section),
            QLatin1String(key),
            type,
            defaultValue ? QStringLiteral("True") : QStringLiteral("False"),
            0,
            0};
}

constexpr double MaxColour = 0xFFFFFF;
constexpr double MaxListCount = 5000;
constexpr double MinInt = -2147483648.0;
constexpr double MaxInt = 2147483647.0;

} // namespace

const Setting &setting(Key key)
{
    static const std::array<Setting, KeyCount> table = [] {
        std::array<Setting, KeyCount> t;
        t[FontSize] = numberSetting(Main, "Settings", "Fontsize", 8.5, 1, 1000);
        t[Browser] = textSetting(Main, "Settings", "Browser", QStringLiteral("None"));
        t[ColorsOff] = booleanSetting(Main, "Colors", "OnOff", false);
        t[ColourTables] = numberSetting(Main, "Colors", "Tables", 8388736, 0, MaxColour);
        t[ColourFrames] = numberSetting(Main, "Colors", "Frames", 192, 0, MaxColour);
        t[ColourLinks] = numberSetting(Main, "Colors", "Links", 8388608, 0, MaxColour);
        t[ColourComments] = numberSetting(Main, "Colors", "Comments", 8421504, 0, MaxColour);
        t[ColourOther] = numberSetting(Main, "Colors", "Other", 32768, 0, MaxColour);
        t[ImageTypeCount] = numberSetting(Main, "Graphics", "Count", -1, -1, MaxListCount);
        t[CustomTagCount] = numberSetting(Main, "CustomTags", "Count", -1, -1, MaxListCount);
        t[ShowTips] = textSetting(Main, "Startup", "ShowStart", QStringLiteral("yes"));
        t[LivePreview] = booleanSetting(Main, "Settings", "LivePreview", true);
        t[SpellCheck] = booleanSetting(Main, "Settings", "SpellCheck", true);
        t[SpellLanguage] = textSetting(Main, "Settings", "SpellLanguage");
        t[CheckWarnings] = booleanSetting(Main, "Settings", "CheckWarnings", true);
        t[AutoClose] = booleanSetting(Main, "Settings", "AutoClose", true);
        t[TagCase] = textSetting(Main, "Settings", "TagCase", tagCaseText(true));
        t[RestoreSession] = booleanSetting(Main, "Settings", "RestoreSession", true);
        t[SiteDrive] = textSetting(Main, "Direct", "Drive");
        t[SiteDirectory] = textSetting(Main, "Direct", "Director");
        t[SiteFilePath] = textSetting(Main, "Direct", "FilePath");
        t[FtpUrl] = textSetting(Main, "Direct", "FTPURL");
        t[FtpUserName] = textSetting(Main, "Direct", "FTPUserName");
        t[FtpPassword] = textSetting(Main, "Direct", "FTPPassword");
        t[BarToolbar] = booleanSetting(Window, "Previous", "Picture1", true, Type::ExactFalse);
        t[BarSideBar] = booleanSetting(Window, "Previous", "Picture5", true, Type::ExactFalse);
        t[BarSitePane] = booleanSetting(Window, "Previous", "Picture11", true, Type::ExactFalse);
        t[BarColourBar] = booleanSetting(Window, "Previous", "Picture14", true, Type::ExactFalse);
        t[BarCustomBar] = booleanSetting(Window, "Previous", "Picture15", true, Type::ExactFalse);
        t[FontCount] = numberSetting(Window, "Fonts", "Number", -1, -1, 100000);
        t[PreviewAnswer] = textSetting(Window, "Extras", "UseIE");
        t[WindowGeometry] = textSetting(Window, "Window", "Geometry");
        t[WindowLayout] = textSetting(Window, "Window", "State");
        t[SiteSplitter] = textSetting(Window, "Window", "SiteSplitter");
        t[TabbedDocuments] = booleanSetting(Window, "Window", "Tabbed", false);
        t[RecentCount] = numberSetting(Window, "Recent", "Count", 0, 0, 10);
        t[SessionCount] = numberSetting(Window, "Session", "Count", 0, 0, 1000);
        t[SessionActive] = numberSetting(Window, "Session", "Active", -1, -1, 1000);
        t[AgendaCount] = numberSetting(Organizer, "Data", "Number", 1, 0, 100000);
        t[PhoneCount] = numberSetting(Organizer, "Phone", "Number", 0, 0, 100000);
        t[FavouriteCount] = numberSetting(Organizer, "URL", "URLS", 0, 0, 100000);
        const QString options = SettingsStore::programApp();
        t[ObjectTagClassId] = booleanSetting(options, "Options", "TagClassID", true);
        t[ObjectObj] = booleanSetting(options, "Options", "Obj", true);
        t[ObjectTagCase] = numberSetting(options, "Options", "TagCase", 0, 0, 255);
        t[ObjectLines] = booleanSetting(options, "Options", "Lines", true);
        t[ObjectWidth] = numberSetting(options, "Options", "Width", 80, MinInt, MaxInt);
        t[ObjectHeight] = numberSetting(options, "Options", "Height", 30, MinInt, MaxInt);
        t[ObjectInclCode] = numberSetting(options, "Options", "InclCode", 0, 0, 255);
        t[ObjectCode] = textSetting(options, "Options", "Code", QStringLiteral("http://"));
        return t;
    }();
    return table.at(std::size_t(std::clamp<int>(key, 0, KeyCount - 1)));
}

const Setting &colour(int index)
{
    return setting(Key(ColourTables + std::clamp(index, 0, 4)));
}

const Setting &barVisible(int index)
{
    return setting(Key(BarToolbar + std::clamp(index, 0, 4)));
}

Setting customCaption(int index)
{
    return {Main,
            QStringLiteral("Custom"),
            QStringLiteral("0%1").arg(index),
            Type::Text,
            QStringLiteral("Custom%1").arg(index + 1),
            0,
            0};
}

Setting customText(int index)
{
    return {
        Main, QStringLiteral("Custom"), QStringLiteral("1%1").arg(index), Type::Text, QString(), 0,
        0};
}

QList<Setting> catalogue()
{
    QList<Setting> all;
    for (int key = 0; key < KeyCount; ++key)
        all << setting(Key(key));
    for (int i = 0; i < 6; ++i)
        all << customCaption(i) << customText(i);
    return all;
}

QString text(const SettingsStore &store, const Setting &setting)
{
    return store.get(setting.app, setting.section, setting.key, setting.defaultText);
}

double number(const SettingsStore &store, const Setting &setting)
{
    const double fallback = numbers::leadingNumber(setting.defaultText);
    if (!store.contains(setting.app, setting.section, setting.key))
        return fallback;
    const double value = numbers::leadingNumber(text(store, setting));
    if (std::isnan(value))
        return fallback;
    if (setting.type != Type::Number || setting.min >= setting.max)
        return value;
    return std::clamp(value, setting.min, setting.max);
}

bool boolean(const SettingsStore &store, const Setting &setting)
{
    const QString stored = text(store, setting);
    if (setting.type == Type::ExactFalse)
        return stored != QLatin1String("False");
    return SettingsStore::textToBoolean(stored, setting.defaultText == QLatin1String("True"));
}

void write(SettingsStore &store, const Setting &setting, const QString &text)
{
    store.save(setting.app, setting.section, setting.key, text);
}

QStringList readList(const SettingsStore &store, const Setting &count, const QStringList &fallback,
                     const QString &missingItem)
{
    const qint64 n = qint64(number(store, count));
    if (n < 0)
        return fallback;
    QStringList items;
    items.reserve(qsizetype(n));
    for (qint64 i = 0; i < n; ++i)
        items << store.get(count.app, count.section, QString::number(i), missingItem);
    return items;
}

void writeList(SettingsStore &store, const Setting &count, const QStringList &items)
{
    write(store, count, QString::number(items.size()));
    for (int i = 0; i < items.size(); ++i)
        store.save(count.app, count.section, QString::number(i), items[i]);
}

} // namespace settings
