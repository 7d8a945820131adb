#include "kernel/appstate.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/numbers.h"

std::array<qint64, 5> AppState::defaultColors()
{
    std::array<qint64, 5> colours{};
    for (int i = 0; i < int(colours.size()); ++i)
        colours[std::size_t(i)] = qint64(numbers::leadingNumber(settings::colour(i).defaultText));
    return colours;
}

void AppState::loadPreferences(const SettingsStore &store, const QString &programFolder)
{
    using namespace settings;
    fonter = numbers::shortestDouble(number(store, fontSize()));
    colorOnOff = boolean(store, colorsOff());
    livePreview = boolean(store, settings::livePreview());
    autoClose = boolean(store, settings::autoClose());
    upperCaseTags = text(store, settings::tagCase()) != settings::tagCaseText(false);
    browser = text(store, settings::browser());
    for (int i = 0; i < int(colors.size()); ++i)
        colors[std::size_t(i)] = qint64(number(store, colour(i)));
    imageTypes = readList(store, imageTypeCount(), builtInImageTypes());
    customTags = readList(store, customTagCount(), QStringList());
    undo = UndoRecord();
    for (int i = 0; i < 6; ++i) {
        customCaptions[std::size_t(i)] = text(store, customCaption(i));
        customTexts[std::size_t(i)] = text(store, customText(i));
    }
    auto folder = [&](const Setting &s) {
        return store.get(s.app, s.section, s.key, programFolder);
    };
    siteDrive = folder(settings::siteDrive());
    siteDirectory = folder(settings::siteDirectory());
    siteFilePath = folder(settings::siteFilePath());
    ftpUrl = text(store, settings::ftpUrl());
    // Only what the settings file holds: the keyring waits until needed.
    ftpPassword = text(store, settings::ftpPassword());
    ftpPasswordRead = !ftpPassword.isEmpty();
    ftpUserName = text(store, settings::ftpUserName());
    textStart = 0;
    textLength = 0;
}

const QString &AppState::currentFtpPassword(const SettingsStore &store)
{
    if (ftpPassword.isEmpty() && !ftpPasswordRead) {
        const settings::Setting &s = settings::ftpPassword();
        ftpPassword = store.secret(s.app, s.section, s.key);
        ftpPasswordRead = true;
    }
    return ftpPassword;
}
