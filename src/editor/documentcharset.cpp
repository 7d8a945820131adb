// SPDX-License-Identifier: GPL-3.0-or-later
// The document window's care for character sets: the bar that tells a
// page's declared charset from the one it is stored in, and the question
// before a save that would lose characters.

#include "editor/charsetcheck.h"
#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "platform/dialogservice.h"
#include "widgets/messagebar.h"

MessageBar *DocumentWindow::charsetBar() const
{
    return m_charsetBar;
}

namespace {

// A declaration stands in the page's head; reading that much, and not a
// copy of the whole text, keeps opening a big page cheap.
QString pageHead(const HtmlEditor &editor)
{
    constexpr qsizetype HeadCharacters = 64 * 1024;
    return editor.textRange(0, std::min(editor.characterLength(), HeadCharacters));
}

} // namespace

void DocumentWindow::checkCharset()
{
    if (m_charsetBar)
        m_charsetBar->dismiss();
    const charsetcheck::Verdict verdict =
        charsetcheck::judge(pageHead(*m_editor), m_editor->isAscii(), m_encoding);
    if (!verdict.mismatch)
        return;
    MessageBar *bar =
        addMessageBar(tr("This page declares the charset %1, but it is stored as %2.")
                          .arg(verdict.declaration.charset, textfile::encodingName(m_encoding)));
    bar->setObjectName(QStringLiteral("CharsetBar"));
    connect(bar, &MessageBar::closed, this, [this] { m_charsetBar = nullptr; });
    if (const std::optional<textfile::Encoding> declared = verdict.declaredEncoding) {
        bar->addAction(tr("&Save as declared"), QStringLiteral("SaveAsDeclared"),
                       [this, encoding = *declared] { saveAsDeclared(encoding); });
    }
    bar->addAction(tr("Fi&x the declaration"), QStringLiteral("FixDeclaration"),
                   [this] { fixDeclaration(); });
    m_charsetBar = bar;
}

void DocumentWindow::saveAsDeclared(textfile::Encoding encoding)
{
    const textfile::Encoding before = m_encoding;
    const int saves = m_saves;
    m_encoding = encoding;
    emit saveRequested();
    // Not saved (declined, or the file cannot be written): as it was.
    if (m_saves == saves) {
        m_encoding = before;
        checkCharset();
    }
}

// The declaration names the encoding the page is in; the change is one
// step of the editor's undo history, saved when the user saves.
void DocumentWindow::fixDeclaration()
{
    const charsetcheck::Declaration declaration = charsetcheck::declared(pageHead(*m_editor));
    if (!declaration.found)
        return;
    // A UTF-8 mark in front of Windows-1252 misleads every browser: it goes.
    if (m_encoding == textfile::Encoding::Windows1252Bom)
        m_encoding = textfile::Encoding::Windows1252;
    m_editor->replaceRanges(
        {{declaration.start, declaration.length, charsetcheck::charsetName(m_encoding)}});
    checkCharset();
}

bool DocumentWindow::settleUnrepresentable(QString *text, textfile::Encoding *encoding,
                                           QString *error)
{
    if (textfile::firstUnrepresentable(*text, *encoding) < 0)
        return true;
    const int answer = m_dialogs.choose(
        this,
        tr("This document holds characters that %1 cannot represent.\n"
           "Write them as numeric character references (\"&#8364;\"), or save the document "
           "as UTF-8?")
            .arg(textfile::encodingName(*encoding)),
        tr("Save"), {tr("Character &References"), tr("Save as &UTF-8"), tr("Cancel")});
    if (answer == 0) {
        QList<HtmlEditor::Replacement> replacements;
        for (const charsetcheck::Replacement &r : charsetcheck::referencesFor(*text, *encoding))
            replacements.append({r.start, r.length, r.text});
        m_editor->replaceRanges(replacements);
        *text = m_editor->documentText();
        return true;
    }
    if (answer == 1) {
        // A file that began with a byte-order mark keeps one.
        *encoding = *encoding == textfile::Encoding::Windows1252Bom ? textfile::Encoding::Utf8Bom
                                                                    : textfile::Encoding::Utf8;
        return true;
    }
    if (error)
        *error = tr("The document was not saved.");
    return false;
}
