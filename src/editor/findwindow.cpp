// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findwindow.h"

#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FindWindow::FindWindow(Workbench &workbench) : BuilderDialog(workbench), m_workbench(workbench)
{
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(tr("Find"));

    m_findText = formkit::lineEdit("Text1");
    m_findText->setMinimumWidth(240);
    QLabel *findLabel = formkit::captionLabel(tr("Text To Find:"), m_findText);

    m_replace = formkit::checkBox("Check2", tr("Replace With:"));
    m_replaceText = formkit::lineEdit("Text2");
    formkit::setCaption(m_replaceText, tr("Replace With:"));

    m_matchCase = formkit::checkBox("Check1", tr("Match Case"));

    m_findNext = formkit::button("Command2", tr("&Find Next"));
    m_findNext->setDefault(true); // Enter in the find box searches
    m_replaceAll = formkit::button("Command1", tr("&Replace All"));
    m_done = formkit::button("Command3", tr("&Done"));

    m_positionLabel = new QLabel(QStringLiteral("-1"), this);
    m_positionLabel->setObjectName(QStringLiteral("Label1"));
    m_positionLabel->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(m_findText, 0, 1);
    grid->addWidget(m_findNext, 0, 2);
    grid->addWidget(m_replace, 1, 0);
    grid->addWidget(m_replaceText, 1, 1);
    grid->addWidget(m_replaceAll, 1, 2);
    grid->addWidget(m_matchCase, 2, 1, Qt::AlignLeft);
    grid->addWidget(m_done, 2, 2);
    grid->setColumnStretch(1, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_findText, &QLineEdit::textChanged, this, &FindWindow::resetPosition);
    connect(m_matchCase, &QCheckBox::clicked, this, &FindWindow::resetPosition);
    connect(m_replace, &QCheckBox::toggled, this, &FindWindow::replaceToggled);
    connect(m_findNext, &QPushButton::clicked, this, &FindWindow::findNext);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindWindow::replaceAll);
    connect(m_done, &QPushButton::clicked, this, &FindWindow::finishCancel);

    replaceToggled(false);
    m_findText->setFocus();
}

FindWindow *FindWindow::open(Workbench &workbench, bool replace)
{
    auto *window = showBuilder<FindWindow>(workbench);
    if (replace)
        window->m_replace->setChecked(true);
    window->m_findText->setFocus();
    return window;
}

void FindWindow::replaceToggled(bool on)
{
    m_replaceText->setEnabled(on);
    QPalette palette = m_replaceText->palette();
    const QColor base = on ? QColor(Qt::white) : QColor(0xC0, 0xC0, 0xC0);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    m_replaceText->setPalette(palette);
    m_replaceAll->setEnabled(on);
}

void FindWindow::resetPosition()
{
    m_search.reset();
    m_positionLabel->setText(QStringLiteral("-1"));
}

void FindWindow::forgetUndoRecord()
{
    workbench().state().undo.valid = false;
}

void FindWindow::findNext()
{
    const QString needle = m_findText->text();
    HtmlEditor *editor = workbench().activeEditor();
    if (needle.isEmpty() || !editor)
        return;
    // The editor searches its own text in place and selects the match.
    const qsizetype at = needle.isValidUtf16() ? editor->findText(needle, m_search.nextStart(), -1,
                                                                  m_matchCase->isChecked())
                                               : -1;
    const findreplace::FindState::Result result = m_search.found(at);
    m_positionLabel->setText(QString::number(result.position));
    if (result.outcome == findreplace::FindState::Outcome::NotFound) {
        workbench().dialogs().message(this, tr("Text Not Found"));
        return;
    }
    editor->ensureCursorVisible();
    if (m_replace->isChecked()) {
        // The replacement takes the colour of the text it replaces.
        editor->setSelColor(editor->colorAt(result.position));
        editor->setSelText(m_replaceText->text());
        forgetUndoRecord();
    }
}

void FindWindow::replaceAll()
{
    const QString needle = m_findText->text();
    HtmlEditor *editor = workbench().activeEditor();
    if (needle.isEmpty() || !editor)
        return;
    const qsizetype count =
        editcommands::replaceAll(*editor, needle, m_replaceText->text(), m_matchCase->isChecked());
    if (count > 0) {
        forgetUndoRecord();
        AppState &state = workbench().state();
        if (!state.colouringOff) {
            state.colourStart = 0;
            state.colourLength = 0;
        }
        workbench().smartcolor();
    }
    workbench().dialogs().message(this, tr("Replacements Complete"));
}
