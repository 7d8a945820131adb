#pragma once
// The state every window shares: owned by the main window and handed to
// whoever needs it.

#include <array>
#include <QString>
#include <QStringList>

class SettingsStore;

struct UndoRecord
{
    QString undoer;       // the text the last insertion replaced
    bool undoYes = false; // the record is valid
    qint64 undoStart = 0;
    qint64 undoLength = 0;
};

enum ColorIndex { TablesColor = 0, FramesColor, LinksColor, CommentsColor, OtherColor };

struct AppState
{
    static constexpr std::array<qint64, 5> defaultColors{8388736, 192, 8388608, 8421504, 32768};
    static QStringList builtInImageTypes()
    {
        return {QStringLiteral(".bmp"), QStringLiteral(".jpg"), QStringLiteral(".gif"),
                QStringLiteral(".png"), QStringLiteral(".wrl")};
    }
    static QStringList soundTypes()
    {
        return {QStringLiteral(".AU"), QStringLiteral(".MID"), QStringLiteral(".WAV"),
                QStringLiteral(".RMI")};
    }

    bool useIE = false;
    bool colorOnOff = false; // true switches colouring off
    QString fonter = QStringLiteral("8.5");
    bool canceler = false;
    UndoRecord undo;
    qint64 textStart = 0;
    qint64 textLength = 0; // 0: the next SmartColor run colours the whole document
    std::array<qint64, 5> colors = defaultColors; // Color1..Color5
    QString browser = QStringLiteral("None");
    QString ftpUrl, ftpUserName, ftpPassword;
    std::array<QString, 6> customCaptions{QStringLiteral("Custom1"), QStringLiteral("Custom2"),
                                          QStringLiteral("Custom3"), QStringLiteral("Custom4"),
                                          QStringLiteral("Custom5"), QStringLiteral("Custom6")};
    std::array<QString, 6> customTexts; // Custom1..Custom6
    QStringList fontList;
    QStringList imageTypes = builtInImageTypes(); // List4
    QStringList customTags;                       // reference list 4
    int newnum = 0;
    // The web-site folder and its drive, as the site pane shows them.
    QString siteDrive, siteDirectory, siteFilePath;

    // Reads every preference the main window loads at start-up.
    // programFolder is the default of the site folders.
    void loadPreferences(const SettingsStore &store, const QString &programFolder);
};

// Reads a list stored as Count plus keys "0", "1", ...; a Count of -1 (or a
// missing Count) keeps fallback.
QStringList readStoredList(const SettingsStore &store, const QString &section,
                           const QStringList &fallback);
void writeStoredList(SettingsStore &store, const QString &section, const QStringList &items);
