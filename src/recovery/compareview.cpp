// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/compareview.h"

#include "recovery/textdiff.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

CompareView::CompareView(const QString &nameA, const QString &textA, const QString &nameB,
                         const QString &textB, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CompareView"));
    setWindowTitle(tr("Compare"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("CompareText"));
    m_text->setAccessibleName(tr("Differences"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QList<textdiff::Line> lines =
        textdiff::diff(textdiff::splitLines(textA), textdiff::splitLines(textB));
    QString shown = textdiff::unified(nameA, nameB, lines);
    if (shown.isEmpty())
        shown = tr("The texts are the same.");
    m_text->setPlainText(shown);
    // Colours by the first character of each line.
    QList<QTextEdit::ExtraSelection> marks;
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (line.startsWith(QLatin1String("---")) || line.startsWith(QLatin1String("+++")))
            continue;
        QColor colour;
        if (line.startsWith(u'-'))
            colour = QColor(255, 220, 220);
        else if (line.startsWith(u'+'))
            colour = QColor(220, 255, 220);
        else
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.format.setBackground(colour);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
    }
    m_text->setExtraSelections(marks);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(760, 520);
}

QString CompareView::differenceText() const
{
    return m_text->toPlainText();
}
