// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a script in a page and waits for its result; finds the browser view
// of a preview.

#include "preview/previewbrowser.h"
#include "preview/previewpane.h"

#include <QtTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

// An invalid QVariant when no result came.
inline QVariant runScript(QWebEnginePage &page, const QString &script,
                          quint32 world = QWebEngineScript::MainWorld)
{
    QVariant result;
    bool done = false;
    page.runJavaScript(script, world, [&](const QVariant &v) {
        result = v;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, 20000) ? result : QVariant();
}

// The pane's browser view, the engine loaded; null when it cannot be.
inline QWebEngineView *engineView(PreviewPane *pane)
{
    PreviewBrowser *browser = pane->browser();
    return browser ? browser->findChild<QWebEngineView *>() : nullptr;
}
