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

// Lorimel3
const Setting &fontSize();        // Settings/Fontsize, 1 .. 1000, "8.5"
const Setting &browser();         // Settings/Browser, "None"
const Setting &colorsOff();       // Colors/OnOff, False
const Setting &colour(int index); // Colors/Tables, Frames, Links, Comments, Other
const Setting &imageTypeCount();  // Graphics/Count, -1 .. 5000, -1 (the built-in list)
const Setting &customTagCount();  // CustomTags/Count, -1 .. 5000, -1
const Setting &showTips();        // Startup/ShowStart, "yes"
const Setting &livePreview();     // Settings/LivePreview, True: refresh while typing
const Setting &autoClose();       // Settings/AutoClose, True: end tags written while typing
const Setting &tagCase();         // Settings/TagCase, "Upper": the case of tags written
// The stored text of the tag case: "Upper" or "Lower".
inline QString tagCaseText(bool upper)
{
    return upper ? QStringLiteral("Upper") : QStringLiteral("Lower");
}
const Setting &siteDrive();       // Direct/Drive
const Setting &siteDirectory();   // Direct/Director
const Setting &siteFilePath();    // Direct/FilePath
const Setting &ftpUrl();          // Direct/FTPURL
const Setting &ftpUserName();     // Direct/FTPUserName
const Setting &ftpPassword();     // Direct/FTPPassword
Setting customCaption(int index); // Custom/00 .. 05, "Custom1" .. "Custom6"
Setting customText(int index);    // Custom/10 .. 15

// LM3
const Setting &barVisible(int index); // Previous/Picture1, 5, 11, 14, 15
const Setting &fontCount();           // Fonts/Number, -1 .. 100000
const Setting &useIE();               // Extras/UseIE
const Setting &windowGeometry();      // Window/Geometry, base64; empty on first run
const Setting &windowLayout();        // Window/State, base64: docks and bars
const Setting &siteSplitter();        // Window/SiteSplitter, base64: folders over files
const Setting &tabbedDocuments();     // Window/Tabbed, False: documents as tabs

// Ostrel Organizer
const Setting &agendaCount();    // Data/Number, 0 .. 100000, 1
const Setting &phoneCount();     // Phone/Number, 0 .. 100000, 0
const Setting &favouriteCount(); // URL/URLS, 0 .. 100000, 0

// The OBJECT tag options, under the executable's name.
const Setting &objectTagClassId(); // Options/TagClassID, True
const Setting &objectObj();        // Options/Obj, True
const Setting &objectTagCase();    // Options/TagCase, 0 .. 255, 0
const Setting &objectLines();      // Options/Lines, True
const Setting &objectWidth();      // Options/Width, 80
const Setting &objectHeight();     // Options/Height, 30
const Setting &objectInclCode();   // Options/InclCode, 0 .. 255, 0
const Setting &objectCode();       // Options/Code, "http://"

// Every fixed setting above (the indexed ones once each).
QList<Setting> catalogue();

// The stored text, or the default when the key is missing.
QString text(const SettingsStore &store, const Setting &setting);
// The stored number clamped into the setting's bounds; the default when
// the key is missing.
double number(const SettingsStore &store, const Setting &setting);
// A Boolean or ExactFalse setting.
bool boolean(const SettingsStore &store, const Setting &setting);
void write(SettingsStore &store, const Setting &setting, const QString &text);

// A list stored as a count plus the keys "0", "1" ... in the count's
// section; items missing from the file read as `missingItem`. A count of -1
// (or none) keeps `fallback`.
QStringList readList(const SettingsStore &store, const Setting &count, const QStringList &fallback,
                     const QString &missingItem = QStringLiteral("-1"));
void writeList(SettingsStore &store, const Setting &count, const QStringList &items);

} // namespace settings
