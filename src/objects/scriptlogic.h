// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ready-made client-side snippets: an empty SCRIPT block, the premade
// scripts and the search forms of the public search services.

#include <QList>
#include <QString>
#include <QStringList>

namespace scripts {

enum class Language { VBScript, JavaScript };

// "<SCRIPT language=..." with two empty lines inside the comment markers;
// no line end after "</SCRIPT>".
QString buildScriptBlock(Language language);

struct PremadeScript
{
    QString caption;  // as the option button shows it ("&&" is one "&")
    Language group;   // VBScript or JavaScript
    QString builder;  // builderid of the dialog this entry opens, or empty
    QStringList body; // the lines between "<!--" and "-->"
    bool lineEndAfterScript = false;
};

// The fifteen entries in the order the dialog lists them.
const QList<PremadeScript> &premadeScripts();
// The entry's script; empty for the entries that open another dialog.
QString buildPremadeScript(const PremadeScript &script);

struct SearchService
{
    QString name;       // the list item, e.g. "Altavista"
    QString endpoint;   // where the form submits
    QString queryField; // the name of the typed words in the address
};

// The services in list order: the first three forms of long standing, then
// services of today that still answer a plain GET form. Their addresses
// live here and nowhere else.
const QList<SearchService> &searchServices();
// The search form of service `index` in searchServices(); empty for any
// other index (nothing chosen).
QString buildSearchForm(int index);

} // namespace scripts
