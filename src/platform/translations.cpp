// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace translations {

namespace {

// Loads lorimel_<locale>.qm (or a less specific one, lorimel_de for de_AT)
// into a translator owned by the application.
bool installOne(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder) || translator->isEmpty()) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool install(const QLocale &locale, const QString &folder)
{
    installOne(locale, QStringLiteral("qtbase"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return installOne(locale, QStringLiteral("lorimel"), folder);
}

} // namespace translations
