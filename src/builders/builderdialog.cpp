#include "builders/builderdialog.h"

#include "editor/htmleditor.h"

#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>

BuilderDialog::BuilderDialog(Workbench &workbench)
    : QDialog(workbench.mainWidget()), m_workbench(workbench), m_main(workbench.mainWidget())
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

void BuilderDialog::Hidden()
{
    if (!isVisible() && m_main && !m_mainGoing)
        m_main->setEnabled(true);
}

void BuilderDialog::finishOk(const QString &fragment)
{
    finish();
    // Without a document there is nowhere to insert; the builder still
    // closes and the main window is enabled again.
    if (m_workbench.activeEditor())
        m_workbench.portableColor(fragment);
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
    hide();
    if (m_retain) {
        if (HtmlEditor *editor = m_workbench.activeEditor())
            editor->setFocus();
        return;
    }
    m_discarded = true;
    deleteLater();
}

void BuilderDialog::setCaption(QWidget *control, const QString &caption)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    control->setAccessibleName(name);
}

QLabel *BuilderDialog::captionLabel(const QString &caption, QWidget *control)
{
    auto *label = new QLabel(caption);
    label->setBuddy(control);
    setCaption(control, caption);
    return label;
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
    if (m_holdingMain && m_main && !m_mainGoing)
        m_main->setEnabled(true);
    m_holdingMain = false;
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
    if (!event->spontaneous())
        holdMainWindow();
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
