// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers for driving windows in GUI tests.

#include "widgets/builderdialog.h"
#include "widgets/spinarrows.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

// Finds a control by its object name or fails the test.
#define FIND(type, var, parent, name)                                                              \
    auto *var = (parent)->findChild<type *>(QStringLiteral(name));                                 \
    QVERIFY2(var, name)

namespace gui {

// Shows the builder or tool window of type T as the registry does: the one
// kept from the last opening, or a new one.
template <class T> T *open(BuilderHost &host)
{
    return BuilderDialog::showBuilder<T>(host);
}

// Clicks the button (or check box, option) of that object name.
inline void click(QWidget *parent, const char *name)
{
    auto *button = parent->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void spin(QWidget *parent, const char *name, bool up)
{
    auto *arrows = parent->findChild<SpinArrows *>(QLatin1String(name));
    QVERIFY2(arrows, name);
    QTest::mouseClick(up ? arrows->upButton() : arrows->downButton(), Qt::LeftButton);
}

// Replaces the text of a line edit or editable combo by typing it.
inline void type(QWidget *parent, const char *name, const QString &text)
{
    QWidget *w = parent->findChild<QWidget *>(QLatin1String(name));
    QVERIFY2(w, name);
    QLineEdit *edit = qobject_cast<QLineEdit *>(w);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        edit = combo->lineEdit();
    QVERIFY2(edit, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Lets windows that closed themselves go.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace gui
