// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The browser engine behind the preview lives in a module of its own,
// loaded the first time a page is to be shown in it: the engine's
// libraries are large, and a run that previews nothing should not pay for
// them. This is all the rest of the program sees of it; nothing here needs
// the engine's headers.

#include <functional>
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QVector>
#include <QWidget>

// One browser view: the copy of a document served from memory under an
// address of its own, or an address of the web.
class PreviewBrowser : public QWidget
{
public:
    using QWidget::QWidget;

    // Shows `html` as the page `page` of the folder `root`, from which the
    // page loads its images, style sheets, scripts and frames. Showing the
    // same page again keeps its scroll position.
    virtual void showDocument(const QString &root, const QString &page, const QByteArray &html) = 0;
    virtual void showAddress(const QUrl &url) = 0;
    // Scrolls the first shown element of `chain` (the values of its start
    // tags' position attributes) into view and outlines it for a moment;
    // `shown` gets its position, or -1 when none was shown.
    virtual void outline(const QVector<qsizetype> &chain, std::function<void(qsizetype)> shown) = 0;

    // The document's copy has loaded.
    std::function<void()> loaded;
    // A click in the document's copy landed in the element whose start
    // tag carries this position.
    std::function<void(qsizetype)> clicked;
};

class PreviewEngine
{
public:
    virtual PreviewBrowser *newBrowser(QWidget *parent) = 0;
    // Page scripts run only inside Chromium's sandbox.
    virtual bool scriptsEnabled() const = 0;
    // Tests run as root without the sandbox and still need page scripts;
    // they call this before the first browser is made. The program never
    // does.
    virtual void allowScriptsWithoutSandbox() = 0;

protected:
    ~PreviewEngine() = default; // the module's own, for the whole run
};

// The one symbol the module exports: `PreviewEngine *name()`.
#define LORIMEL_PREVIEW_ENTRY "lorimelPreviewEngine"
