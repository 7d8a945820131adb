// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/appstate.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/numbers.h"

#include <QDir>

std::array<qint64, 5> AppState::defaultColors()
{
    std::array<qint64, 5> colours{};
    for (int i = 0; i < int(colours.size()); ++i)
        colours[std::size_t(i)] = qint64(numbers::leadingNumber(settings::colour(i).defaultText));
    return colours;
}

void AppState::loadPreferences(const SettingsStore &store, const QString &homeFolder,
                               const QString &programFolder)
{
    using namespace settings;
    fontSizeText = numbers::shortestDouble(number(store, FontSize));
    colouringOff = boolean(store, ColorsOff);
    livePreview = boolean(store, LivePreview);
    spellCheck = boolean(store, SpellCheck);
    spellLanguage = text(store, SpellLanguage);
    autoClose = boolean(store, AutoClose);
    upperCaseTags = text(store, TagCase) != tagCaseText(false);
    browser = text(store, Browser);
    for (int i = 0; i < int(colors.size()); ++i)
        colors[std::size_t(i)] = qint64(number(store, colour(i)));
    imageTypes = readList(store, setting(ImageTypeCount), builtInImageTypes());
    customTags = readList(store, setting(CustomTagCount), QStringList());
    undo = UndoRecord();
    for (int i = 0; i < 6; ++i) {
        customCaptions[std::size_t(i)] = text(store, customCaption(i));
        customTexts[std::size_t(i)] = text(store, customText(i));
    }
    // Earlier versions stored the program's own folder as the default; the
    // program never works there.
    const QString program = QDir(programFolder).canonicalPath();
    auto folder = [&](const Setting &s) {
        const QString stored = store.get(s.app, s.section, s.key, homeFolder);
        const bool own = !program.isEmpty() && QDir(stored).canonicalPath() == program;
        return own ? homeFolder : stored;
    };
    siteDrive = folder(setting(SiteDrive));
    siteDirectory = folder(setting(SiteDirectory));
    siteFilePath = folder(setting(SiteFilePath));
    ftpUrl = text(store, FtpUrl);
    // Only what the settings file holds: the keyring waits until needed.
    ftpPassword = text(store, FtpPassword);
    ftpPasswordRead = !ftpPassword.isEmpty();
    ftpUserName = text(store, FtpUserName);
    colourStart = 0;
    colourLength = 0;
}

const QString &AppState::currentFtpPassword(const SettingsStore &store)
{
    if (ftpPassword.isEmpty() && !ftpPasswordRead) {
        const settings::Setting &s = settings::setting(settings::FtpPassword);
        ftpPassword = store.secret(s.app, s.section, s.key);
        ftpPasswordRead = true;
    }
    return ftpPassword;
}
