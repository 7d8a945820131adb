// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every stored setting in one place: where it lives, its type, its default
// and, for numbers and counts, the bounds a value is clamped into when read.
// A hand-edited or damaged settings file can then neither hang the program
// (a count of two billion) nor feed it values it cannot use.

#include <QList>
#include <QString>
#include <QStringList>

class SettingsStore;

namespace settings {

enum class Type {
    Text,
    Number,     // leading number of the text, clamped into [min, max]
    Boolean,    // "True"/"False" in any case or a number
    ExactFalse, // true unless the text is exactly "False"
};

struct Setting
{
    QString app;
    QString section;
    QString key;
    Type type = Type::Text;
    QString defaultText;
    double min = 0;
    double max = 0;
};

// Every fixed setting by name. The comments give the section/key and
// the default (with the bounds of numbers).
enum Key {
    // Lorimel3
    FontSize,  // Settings/Fontsize, 1 .. 1000, "8.5"
    Browser,   // Settings/Browser, "None"
    ColorsOff, // Colors/OnOff, False
    // Colors/Tables, Frames, Links, Comments, Other: the SmartColor colour
    // numbers, 0 .. 0xFFFFFF.
    ColourTables,
    ColourFrames,
    ColourLinks,
    ColourComments,
    ColourOther,
    ImageTypeCount, // Graphics/Count, -1 .. 5000, -1 (the built-in list)
    CustomTagCount, // CustomTags/Count, -1 .. 5000, -1
    ShowTips,       // Startup/ShowStart, "yes"
    LivePreview,    // Settings/LivePreview, True: refresh while typing
    SpellCheck,     // Settings/SpellCheck, True: mark misspellings while typing
    SpellLanguage,  // Settings/SpellLanguage: a dictionary; empty: the page's LANG
    CheckWarnings,  // Settings/CheckWarnings, True: Page Check lists warnings too
    AutoClose,      // Settings/AutoClose, True: end tags written while typing
    TagCase,        // Settings/TagCase, "Upper": the case of tags written (or "Lower")
    RestoreSession, // Settings/RestoreSession, True: reopen the last session's files
    SiteDrive,      // Direct/Drive
    SiteDirectory,  // Direct/Director
    SiteFilePath,   // Direct/FilePath
    FtpUrl,         // Direct/FTPURL
    FtpUserName,    // Direct/FTPUserName
    FtpPassword,    // Direct/FTPPassword
    // LM3
    // Previous/Picture1, 5, 11, 14, 15: whether each bar shows, true unless
    // exactly "False".
    BarToolbar,
    BarSideBar,
    BarSitePane,
    BarColourBar,
    BarCustomBar,
    FontCount,       // Fonts/Number, -1 .. 100000
    PreviewAnswer,   // Extras/UseIE
    WindowGeometry,  // Window/Geometry, base64; empty on first run
    WindowLayout,    // Window/State, base64: docks and bars
    SiteSplitter,    // Window/SiteSplitter, base64: folders over files
    TabbedDocuments, // Window/Tabbed, False: documents as tabs
    RecentCount,     // Recent/Count, 0 .. 10, 0: File > Recent Files, newest first
    SessionCount,    // Session/Count, 0 .. 1000, 0: the files open at the last quit
    SessionActive,   // Session/Active, -1 .. 1000, -1: which of them was active
    // Ostrel Organizer
    AgendaCount,    // Data/Number, 0 .. 100000, 1
    PhoneCount,     // Phone/Number, 0 .. 100000, 0
    FavouriteCount, // URL/URLS, 0 .. 100000, 0
    // The OBJECT tag options, under the executable's name.
    ObjectTagClassId, // Options/TagClassID, True
    ObjectObj,        // Options/Obj, True
    ObjectTagCase,    // Options/TagCase, 0 .. 255, 0
    ObjectLines,      // Options/Lines, True
    ObjectWidth,      // Options/Width, 80
    ObjectHeight,     // Options/Height, 30
    ObjectInclCode,   // Options/InclCode, 0 .. 255, 0
    ObjectCode,       // Options/Code, "http://"
    KeyCount
};

const Setting &setting(Key key);
// The stored text of the tag case.
inline QString tagCaseText(bool upper)
{
    return upper ? QStringLiteral("Upper") : QStringLiteral("Lower");
}
// The indexed ones: colour 0 .. 4 (Tables ... Other) and bar 0 .. 4
// (Picture1 ... Picture15), out-of-range indexes clamped.
const Setting &colour(int index);
const Setting &barVisible(int index);
// Custom/00 .. 05, "Custom1" .. "Custom6", and Custom/10 .. 15.
Setting customCaption(int index);
Setting customText(int index);

// Every setting above, the custom ones once each.
QList<Setting> catalogue();

// The stored text, or the default when the key is missing.
QString text(const SettingsStore &store, const Setting &setting);
inline QString text(const SettingsStore &store, Key key)
{
    return text(store, setting(key));
}
// The stored number clamped into the setting's bounds; the default when
// the key is missing.
double number(const SettingsStore &store, const Setting &setting);
inline double number(const SettingsStore &store, Key key)
{
    return number(store, setting(key));
}
// A Boolean or ExactFalse setting.
bool boolean(const SettingsStore &store, const Setting &setting);
inline bool boolean(const SettingsStore &store, Key key)
{
    return boolean(store, setting(key));
}
void write(SettingsStore &store, const Setting &setting, const QString &text);
inline void write(SettingsStore &store, Key key, const QString &text)
{
    write(store, setting(key), text);
}

// A list stored as a count plus the keys "0", "1" ... in the count's
// section; items missing from the file read as `missingItem`. A count of -1
// (or none) keeps `fallback`.
QStringList readList(const SettingsStore &store, const Setting &count, const QStringList &fallback,
                     const QString &missingItem = QStringLiteral("-1"));
void writeList(SettingsStore &store, const Setting &count, const QStringList &items);

} // namespace settings
