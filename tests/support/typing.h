// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing into an editor as a person does, key by key.

#include <QKeyEvent>
#include <QtTest>

namespace typing {

// Keys: text is typed; \b is Backspace, \x7f Delete, \r Return, \x1a undo.
inline void press(QWidget *editor, const QString &keys)
{
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QChar c = keys[i];
        if (c == u'\b')
            QTest::keyClick(editor, Qt::Key_Backspace);
        else if (c == u'\x7f')
            QTest::keyClick(editor, Qt::Key_Delete);
        else if (c == u'\r')
            QTest::keyClick(editor, Qt::Key_Return);
        else if (c == u'\x1a')
            QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        else if (c.unicode() < 0x80)
            QTest::keyClicks(editor, QString(c));
        else {
            // A character no key names: what an input method hands over.
            const QString text = keys.mid(i, c.isHighSurrogate() ? 2 : 1);
            i += text.size() - 1;
            QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, text);
            QCoreApplication::sendEvent(editor, &event);
        }
    }
}

} // namespace typing
