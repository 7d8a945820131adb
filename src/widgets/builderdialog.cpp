// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/builderdialog.h"

#include "platform/dialogservice.h"
#include "widgets/formkit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <utility>

BuilderDialog::BuilderDialog(BuilderHost &host)
    : QDialog(host.mainWidget()), m_host(host), m_main(host.mainWidget())
{
    if (m_main) {
        // A QWidget announces its end before it deletes its children, so a
        // builder dying with the main window knows not to touch it.
        connect(m_main, &QObject::destroyed, this, [this] { m_mainGoing = true; });
    }
}

BuilderDialog::~BuilderDialog()
{
    releaseMainWindow();
}

void BuilderDialog::releaseMainIfHidden()
{
    if (!isVisible() && m_main && !m_mainGoing)
        m_main->setEnabled(true);
}

void BuilderDialog::setFragmentReceiver(std::function<void(const QString &)> receiver)
{
    m_receiver = std::move(receiver);
}

bool BuilderDialog::fieldsFinished()
{
    QWidget *field = formkit::unfinishedField(this);
    if (!field)
        return true;
    host().dialogs().message(this, formkit::fieldProblem(field), windowTitle(),
                             DialogService::Buttons::Ok, DialogService::Icon::Warning);
    showField(field);
    return false;
}

void BuilderDialog::finishOk(const QString &fragment)
{
    if (!fieldsFinished())
        return;
    const std::function<void(const QString &)> receiver = std::exchange(m_receiver, nullptr);
    finish();
    if (receiver) {
        receiver(fragment);
        return;
    }
    // Without a document there is nowhere to insert; the builder still
    // closes and the main window is enabled again.
    if (m_host.hasDocument())
        m_host.insertFragment(fragment);
}

void BuilderDialog::accept()
{
    finishCancel();
}

void BuilderDialog::finishCancel()
{
    finish();
}

void BuilderDialog::reject()
{
    finishCancel();
}

void BuilderDialog::finish()
{
    m_receiver = nullptr;
    hide();
    if (m_retain) {
        m_host.focusDocument();
        return;
    }
    m_discarded = true;
    deleteLater();
}

void BuilderDialog::holdMainWindow()
{
    if (!m_main || m_mainGoing)
        return;
    m_main->setEnabled(false);
    // Disabling a widget disables its child windows too; this one must stay
    // usable.
    setEnabled(true);
    m_holdingMain = true;
}

void BuilderDialog::releaseMainWindow()
{
    if (m_holdingMain && m_main && !m_mainGoing && !anotherHoldsMain())
        m_main->setEnabled(true);
    m_holdingMain = false;
}

bool BuilderDialog::anotherHoldsMain() const
{
    // A wizard shows its next step before closing the current one; the main
    // window stays held across the change.
    const QList<BuilderDialog *> builders =
        m_main->findChildren<BuilderDialog *>(Qt::FindDirectChildrenOnly);
    for (const BuilderDialog *other : builders) {
        if (other != this && other->m_holdingMain && other->isVisible())
            return true;
    }
    return false;
}

bool BuilderDialog::event(QEvent *event)
{
    // Something may have enabled the main window behind the builder's back.
    if (event->type() == QEvent::WindowActivate && isVisible() && m_main && m_main->isEnabled())
        holdMainWindow();
    return QDialog::event(event);
}

void BuilderDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        holdMainWindow();
        formkit::assignMnemonics(this);
        formkit::relateCaptions(this);
        formkit::buttonRowsLast(this);
        focusFirstField();
    }
}

bool BuilderDialog::isField(const QWidget *w)
{
    return !qobject_cast<const QPushButton *>(w) && !qobject_cast<const QToolButton *>(w) &&
           !qobject_cast<const QTabBar *>(w) && !qobject_cast<const QTabWidget *>(w) &&
           (w->focusPolicy() & Qt::TabFocus);
}

void BuilderDialog::focusFirstField()
{
    const QWidget *focused = focusWidget();
    if (focused && focused != this && isField(focused))
        return;
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!isAncestorOf(w) || !w->isVisibleTo(this) || !w->isEnabled() || !isField(w))
            continue;
        // An option group is entered at its chosen option, as Tab does.
        if (auto *option = qobject_cast<QRadioButton *>(w); option && !option->isChecked()) {
            const QList<QAbstractButton *> group =
                option->group() ? option->group()->buttons()
                                : option->parentWidget()->findChildren<QAbstractButton *>(
                                      Qt::FindDirectChildrenOnly);
            for (QAbstractButton *other : group) {
                if (qobject_cast<QRadioButton *>(other) && other->isChecked() &&
                    other->isEnabled() && other->isVisibleTo(this)) {
                    w = other;
                    break;
                }
            }
        }
        w->setFocus(Qt::TabFocusReason);
        return;
    }
}

void BuilderDialog::showField(QWidget *field)
{
    for (QWidget *child = field, *parent = field->parentWidget(); parent && parent != this;
         child = parent, parent = parent->parentWidget()) {
        if (auto *pages = qobject_cast<QStackedWidget *>(parent))
            pages->setCurrentWidget(child);
    }
    field->setFocus(Qt::OtherFocusReason);
}

void BuilderDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // A spontaneous hide is the window being minimised, not closed.
    if (!event->spontaneous())
        releaseMainWindow();
}

void BuilderDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        centreOnScreen();
}

void BuilderDialog::centreOnScreen()
{
    const QScreen *s = screen();
    if (!s)
        return;
    const QRect area = s->geometry();
    // Before the first show the frame is not known yet; the inner size is
    // the best guess then.
    const QSize size = isVisible() ? frameGeometry().size() : geometry().size();
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}
