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

const QString &optionsApp()
{
    static const QString app = SettingsStore::programApp();
    return app;
}

constexpr double MaxColour = 0xFFFFFF;
constexpr double MaxListCount = 5000;

} // namespace

const Setting &fontSize()
{
    static const Setting s{Main,         QStringLiteral("Settings"), QStringLiteral("Fontsize"),
                           Type::Number, QStringLiteral("8.5"),      1,
                           1000};
    return s;
}

const Setting &browser()
{
    static const Setting s = textSetting(Main, "Settings", "Browser", QStringLiteral("None"));
    return s;
}

const Setting &colorsOff()
{
    static const Setting s = booleanSetting(Main, "Colors", "OnOff", false);
    return s;
}

const Setting &colour(int index)
{
    static const std::array<Setting, 5> colours{
        numberSetting(Main, "Colors", "Tables", 8388736, 0, MaxColour),
        numberSetting(Main, "Colors", "Frames", 192, 0, MaxColour),
        numberSetting(Main, "Colors", "Links", 8388608, 0, MaxColour),
        numberSetting(Main, "Colors", "Comments", 8421504, 0, MaxColour),
        numberSetting(Main, "Colors", "Other", 32768, 0, MaxColour)};
    return colours.at(std::size_t(std::clamp(index, 0, 4)));
}

const Setting &imageTypeCount()
{
    static const Setting s = numberSetting(Main, "Graphics", "Count", -1, -1, MaxListCount);
    return s;
}

const Setting &customTagCount()
{
    static const Setting s = numberSetting(Main, "CustomTags", "Count", -1, -1, MaxListCount);
    return s;
}

const Setting &showTips()
{
    static const Setting s = textSetting(Main, "Startup", "ShowStart", QStringLiteral("yes"));
    return s;
}

const Setting &livePreview()
{
    static const Setting s = booleanSetting(Main, "Settings", "LivePreview", true);
    return s;
}

const Setting &autoClose()
{
    static const Setting s = booleanSetting(Main, "Settings", "AutoClose", true);
    return s;
}

const Setting &tagCase()
{
    static const Setting s = textSetting(Main, "Settings", "TagCase", tagCaseText(true));
    return s;
}

const Setting &siteDrive()
{
    static const Setting s = textSetting(Main, "Direct", "Drive");
    return s;
}

const Setting &siteDirectory()
{
    static const Setting s = textSetting(Main, "Direct", "Director");
    return s;
}

const Setting &siteFilePath()
{
    static const Setting s = textSetting(Main, "Direct", "FilePath");
    return s;
}

const Setting &ftpUrl()
{
    static const Setting s = textSetting(Main, "Direct", "FTPURL");
    return s;
}

const Setting &ftpUserName()
{
    static const Setting s = textSetting(Main, "Direct", "FTPUserName");
    return s;
}

const Setting &ftpPassword()
{
    static const Setting s = textSetting(Main, "Direct", "FTPPassword");
    return s;
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

const Setting &barVisible(int index)
{
    static const std::array<Setting, 5> bars{
        booleanSetting(Window, "Previous", "Picture1", true, Type::ExactFalse),
        booleanSetting(Window, "Previous", "Picture5", true, Type::ExactFalse),
        booleanSetting(Window, "Previous", "Picture11", true, Type::ExactFalse),
        booleanSetting(Window, "Previous", "Picture14", true, Type::ExactFalse),
        booleanSetting(Window, "Previous", "Picture15", true, Type::ExactFalse)};
    return bars.at(std::size_t(std::clamp(index, 0, 4)));
}

const Setting &fontCount()
{
    static const Setting s = numberSetting(Window, "Fonts", "Number", -1, -1, 100000);
    return s;
}

const Setting &useIE()
{
    static const Setting s = textSetting(Window, "Extras", "UseIE");
    return s;
}

const Setting &windowGeometry()
{
    static const Setting s = textSetting(Window, "Window", "Geometry");
    return s;
}

const Setting &windowLayout()
{
    static const Setting s = textSetting(Window, "Window", "State");
    return s;
}

const Setting &siteSplitter()
{
    static const Setting s = textSetting(Window, "Window", "SiteSplitter");
    return s;
}

const Setting &tabbedDocuments()
{
    static const Setting s = booleanSetting(Window, "Window", "Tabbed", false);
    return s;
}

const Setting &agendaCount()
{
    static const Setting s = numberSetting(Organizer, "Data", "Number", 1, 0, 100000);
    return s;
}

const Setting &phoneCount()
{
    static const Setting s = numberSetting(Organizer, "Phone", "Number", 0, 0, 100000);
    return s;
}

const Setting &favouriteCount()
{
    static const Setting s = numberSetting(Organizer, "URL", "URLS", 0, 0, 100000);
    return s;
}

const Setting &objectTagClassId()
{
    static const Setting s = booleanSetting(optionsApp(), "Options", "TagClassID", true);
    return s;
}

const Setting &objectObj()
{
    static const Setting s = booleanSetting(optionsApp(), "Options", "Obj", true);
    return s;
}

const Setting &objectTagCase()
{
    static const Setting s = numberSetting(optionsApp(), "Options", "TagCase", 0, 0, 255);
    return s;
}

const Setting &objectLines()
{
    static const Setting s = booleanSetting(optionsApp(), "Options", "Lines", true);
    return s;
}

const Setting &objectWidth()
{
    static const Setting s =
        numberSetting(optionsApp(), "Options", "Width", 80, -2147483648.0, 2147483647.0);
    return s;
}

const Setting &objectHeight()
{
    static const Setting s =
        numberSetting(optionsApp(), "Options", "Height", 30, -2147483648.0, 2147483647.0);
    return s;
}

const Setting &objectInclCode()
{
    static const Setting s = numberSetting(optionsApp(), "Options", "InclCode", 0, 0, 255);
    return s;
}

const Setting &objectCode()
{
    static const Setting s =
        textSetting(optionsApp(), "Options", "Code", QStringLiteral("http://"));
    return s;
}

QList<Setting> catalogue()
{
    QList<Setting> all{fontSize(),         browser(),      colorsOff(),      imageTypeCount(),
                       customTagCount(),   showTips(),     siteDrive(),      siteDirectory(),
                       siteFilePath(),     ftpUrl(),       ftpUserName(),    ftpPassword(),
                       fontCount(),        useIE(),        windowGeometry(), windowLayout(),
                       siteSplitter(),     agendaCount(),  phoneCount(),     favouriteCount(),
                       objectTagClassId(), objectObj(),    objectTagCase(),  objectLines(),
                       objectWidth(),      objectHeight(), objectInclCode(), objectCode()};
    all << livePreview() << tabbedDocuments() << autoClose() << tagCase();
    for (int i = 0; i < 5; ++i)
        all << colour(i) << barVisible(i);
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
