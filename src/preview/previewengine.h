// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the browser engine's module: the scheme previewed pages are
// served under, the profile they live in (nothing kept on disk, every
// request to another origin refused) and whether page scripts may run.

#include <QByteArray>
#include <QString>

class QWebEngineProfile;

namespace previewengine {

// Registers the preview's scheme. It must happen before the engine starts:
// the module does it as it is loaded; the profiles call it too.
void registerScheme();

// The profile of previewed pages: the scheme handler and the request
// filter installed, scripts as scriptsEnabled() says.
QWebEngineProfile *pageProfile();
// The profile of pages from the web (the HTML reference): nothing of the
// preview's scheme, scripts as scriptsEnabled() says.
QWebEngineProfile *webProfile();

// Page scripts run only inside Chromium's sandbox.
bool scriptsEnabled();
// Tests run as root without the sandbox and still need page scripts; they
// call this before any profile is made. The program never does.
void allowScriptsWithoutSandbox();

// What is served under one address: the page itself from memory, the
// rest from the root folder.
struct Site
{
    QString root;    // the folder files are served from
    QString page;    // the page's path inside it
    QByteArray html; // the page as served
};

// A fresh address that no page can guess.
QString newHost();
void publish(const QString &host, const Site &site);
void withdraw(const QString &host);

} // namespace previewengine
