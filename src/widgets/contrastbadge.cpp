// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/contrastbadge.h"

#include "kernel/colour.h"

ContrastBadge::ContrastBadge(const char *objectName, const QString &caption, QWidget *parent)
    : QLabel(parent), m_caption(caption)
{
    setObjectName(QLatin1String(objectName));
    setTextFormat(Qt::PlainText);
    setToolTip(tr("Contrast of the text colour against its background (WCAG 2): normal text "
                  "needs 4.5:1 for level AA and 7:1 for level AAA"));
    setColours(std::nullopt, std::nullopt);
}

void ContrastBadge::setColours(std::optional<qint64> text, std::optional<qint64> background)
{
    if (!text || !background) {
        m_ratio = 0;
        setText(QString());
        setAccessibleName(m_caption);
        return;
    }
    m_ratio = colour::contrastRatio(*text, *background);
    const QString figure = QString::number(m_ratio, 'f', 2);
    auto mark = [](bool passed) { return passed ? QStringLiteral("✓") : QStringLiteral("✗"); };
    auto word = [](bool passed) { return passed ? tr("passed") : tr("failed"); };
    setText(tr("%1:1  AA %2  AAA %3").arg(figure, mark(passesAA()), mark(passesAAA())));
    setAccessibleName(tr("%1: contrast %2 to 1, AA %3, AAA %4")
                          .arg(m_caption, figure, word(passesAA()), word(passesAAA())));
}

bool ContrastBadge::passesAA() const
{
    return colour::passesAA(m_ratio);
}

bool ContrastBadge::passesAAA() const
{
    return colour::passesAAA(m_ratio);
}
