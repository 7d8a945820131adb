// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state every window shares: owned by the main window and handed to
// whoever needs it.

#include "kernel/settingscatalog.h"

#include <array>
#include <QString>
#include <QStringList>

class SettingsStore;

struct UndoRecord
{
    QString replacedText; // the text the last insertion replaced
    bool valid = false;   // the record is valid
    qint64 undoStart = 0;
    qint64 undoLength = 0;
};

enum ColorIndex { TablesColor = 0, FramesColor, LinksColor, CommentsColor, OtherColor };

struct AppState
{
    // Color1..Color5 as the settings catalogue gives them.
    static std::array<qint64, 5> defaultColors();
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

    bool previewWindows = false; // documents with a preview beside them: the first-run answer
    bool colouringOff = false;   // true switches colouring off
    bool livePreview = true;     // the preview refreshes when typing pauses
    bool spellCheck = true;      // misspellings are marked while typing
    QString spellLanguage;       // the dictionary chosen; empty: the page's LANG, else the locale
    bool autoClose = true;       // typing a start tag writes its end tag
    bool upperCaseTags = true;   // the case of tags written for the user
    QString fontSizeText = settings::setting(settings::FontSize).defaultText;
    bool closeCancelled = false;
    UndoRecord undo;
    qint64 colourStart = 0;
    qint64 colourLength = 0; // 0: the next SmartColor run colours the whole document
    std::array<qint64, 5> colors = defaultColors(); // Color1..Color5
    QString browser = settings::setting(settings::Browser).defaultText;
    QString ftpUrl, ftpUserName, ftpPassword;
    // Whether ftpPassword has been looked up in the keyring. The keyring is
    // asked only when the password is first needed, not at start-up.
    bool ftpPasswordRead = false;
    std::array<QString, 6> customCaptions{
        settings::customCaption(0).defaultText, settings::customCaption(1).defaultText,
        settings::customCaption(2).defaultText, settings::customCaption(3).defaultText,
        settings::customCaption(4).defaultText, settings::customCaption(5).defaultText};
    std::array<QString, 6> customTexts; // Custom1..Custom6
    QStringList fontList;
    QStringList imageTypes = builtInImageTypes(); // List4
    QStringList customTags;                       // reference list 4
    int newDocumentNumber = 0;
    // The web-site folder and its drive, as the site pane shows them.
    QString siteDrive, siteDirectory, siteFilePath;

    // Reads every preference the main window loads at start-up. The site
    // folders default to homeFolder, which also replaces a stored folder
    // that is programFolder (the program's own).
    void loadPreferences(const SettingsStore &store, const QString &homeFolder,
                         const QString &programFolder = QString());

    // The FTP password: ftpPassword, or when that is empty and has not been
    // looked up yet, the one in the keyring.
    const QString &currentFtpPassword(const SettingsStore &store);
};
