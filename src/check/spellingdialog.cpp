// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/spellingdialog.h"

#include "check/spellservice.h"
#include "editor/htmleditor.h"
#include "platform/dialogservice.h"
#include "widgets/formkit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

SpellingDialog::SpellingDialog(HtmlEditor &editor, SpellService &service, DialogService &dialogs,
                               QWidget *parent)
    : QDialog(parent), m_editor(&editor), m_highlighter(SpellHighlighter::of(&editor)),
      m_service(service), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmSpelling"));
    setWindowTitle(tr("Spelling"));
    auto *grid = new QGridLayout(this);
    m_notFound = formkit::lineEdit("txtNotFound", QString(), this);
    m_notFound->setReadOnly(true);
    m_changeTo = formkit::lineEdit("txtChangeTo", QString(), this);
    m_suggestions = new QListWidget(this);
    m_suggestions->setObjectName(QStringLiteral("lstSuggestions"));
    grid->addWidget(formkit::captionLabel(tr("&Not in Dictionary:"), m_notFound, this), 0, 0);
    grid->addWidget(m_notFound, 1, 0);
    grid->addWidget(formkit::captionLabel(tr("Change &To:"), m_changeTo, this), 2, 0);
    grid->addWidget(m_changeTo, 3, 0);
    grid->addWidget(formkit::captionLabel(tr("Su&ggestions:"), m_suggestions, this), 4, 0);
    grid->addWidget(m_suggestions, 5, 0, 2, 1);

    auto *buttons = new QVBoxLayout;
    const auto button = [&](const char *name, const QString &caption,
                            void (SpellingDialog::*fn)()) {
        QPushButton *b = formkit::button(name, caption, this);
        connect(b, &QPushButton::clicked, this, fn);
        buttons->addWidget(b);
        m_wordButtons << b;
        return b;
    };
    button("cmdChange", tr("&Change"), &SpellingDialog::change)->setDefault(true);
    button("cmdChangeAll", tr("Change A&ll"), &SpellingDialog::changeAll);
    button("cmdIgnore", tr("&Ignore"), &SpellingDialog::ignore);
    button("cmdAdd", tr("&Add"), &SpellingDialog::add);
    QPushButton *close = formkit::button("cmdClose", tr("Cl&ose"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 1, 7, 1);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSpellStatus"));
    grid->addWidget(m_status, 7, 0, 1, 2);

    connect(m_suggestions, &QListWidget::currentTextChanged, m_changeTo, &QLineEdit::setText);
    connect(m_suggestions, &QListWidget::itemActivated, this, &SpellingDialog::change);

    m_origin = m_position = editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    if (m_highlighter && !m_highlighter->dictionaryName().isEmpty())
        setWindowTitle(tr("Spelling (%1)").arg(m_highlighter->dictionaryName()));
    findNext();
}

QString SpellingDialog::word() const
{
    return m_notFound->text();
}

void SpellingDialog::findNext()
{
    if (!m_editor || !m_highlighter) {
        finish();
        return;
    }
    for (;;) {
        const SpellHighlighter::Range range = m_highlighter->nextMisspelling(m_position);
        if (m_wrapped && (!range.isValid() || range.start >= m_origin)) {
            finish();
            return;
        }
        if (!range.isValid()) {
            m_wrapped = true;
            m_position = 0;
            continue;
        }
        const auto change = m_changeAll.constFind(m_highlighter->textOf(range));
        if (change != m_changeAll.constEnd()) {
            replaceAt(range, change.value());
            continue;
        }
        showWord(range);
        return;
    }
}

void SpellingDialog::showWord(SpellHighlighter::Range range)
{
    m_current = range;
    const QString text = m_highlighter->textOf(range);
    m_editor->SendScintilla(QsciScintillaBase::SCI_SETSEL, range.start, range.start + range.length);
    m_editor->SendScintilla(QsciScintillaBase::SCI_SCROLLCARET);
    m_notFound->setText(text);
    m_suggestions->clear();
    const QStringList suggestions = m_highlighter->suggestions(text);
    m_suggestions->addItems(suggestions);
    if (!suggestions.isEmpty())
        m_suggestions->setCurrentRow(0);
    m_changeTo->setText(suggestions.isEmpty() ? text : suggestions.first());
    for (QPushButton *b : std::as_const(m_wordButtons))
        b->setEnabled(true);
    m_status->clear();
}

void SpellingDialog::finish()
{
    m_current = {};
    m_notFound->clear();
    m_changeTo->clear();
    m_suggestions->clear();
    for (QPushButton *b : std::as_const(m_wordButtons))
        b->setEnabled(false);
    if (!m_highlighter || m_highlighter->dictionaryName().isEmpty())
        m_status->setText(tr("No spelling dictionary is installed for this page's language."));
    else
        m_status->setText(tr("The spelling check is complete."));
    if (auto *close = findChild<QPushButton *>(QStringLiteral("cmdClose")))
        close->setFocus();
}

void SpellingDialog::replaceAt(SpellHighlighter::Range range, const QString &text)
{
    const long length = long(text.toUtf8().size());
    m_highlighter->replace(range, text);
    m_position = range.start + length;
    if (range.start < m_origin)
        m_origin += length - range.length;
}

void SpellingDialog::change()
{
    if (!m_current.isValid() || !m_editor)
        return;
    replaceAt(m_current, m_changeTo->text());
    findNext();
}

void SpellingDialog::changeAll()
{
    if (!m_current.isValid() || !m_editor)
        return;
    const QString from = m_highlighter->textOf(m_current);
    const QString to = m_changeTo->text();
    m_changeAll.insert(from, to);
    const long delta = long(to.toUtf8().size()) - m_current.length;
    long before = 0; // occurrences before the current one
    m_editor->SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION);
    // The last first, so the earlier ones stay where they are.
    for (const SpellHighlighter::Range &range : m_highlighter->misspellingsOf(from)) {
        m_highlighter->replace(range, to);
        if (range.start < m_current.start)
            ++before;
        if (range.start < m_origin)
            m_origin += delta;
    }
    m_editor->SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION);
    m_position = m_current.start + before * delta + long(to.toUtf8().size());
    findNext();
}

void SpellingDialog::ignore()
{
    if (!m_current.isValid())
        return;
    m_position = m_current.start + m_current.length;
    findNext();
}

void SpellingDialog::add()
{
    if (!m_current.isValid())
        return;
    QString error;
    if (!m_service.addWord(m_highlighter->textOf(m_current), &error)) {
        m_dialogs.message(this,
                          tr("The word could not be added to your dictionary.\n%1").arg(error),
                          tr("Spelling"), DialogService::Buttons::Ok, DialogService::Icon::Warning);
        return;
    }
    m_position = m_current.start + m_current.length;
    findNext();
}
