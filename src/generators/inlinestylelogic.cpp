// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/inlinestylelogic.h"

#include "kernel/htmlvalues.h"

namespace inlinestyle {

using htmlvalues::cssValue;

namespace {

void length(QString &out, const char *name, const Length &l)
{
    if (!l.value.isEmpty())
        out +=
            QLatin1String(name) + cssValue(l.value) + stylelogic::unitOf(l.unit) + QLatin1Char(';');
}

} // namespace

QString buildDiv(const DivOptions &o, const QString &selection)
{
    QString out = QStringLiteral("<DIV");
    if (!o.id.isEmpty())
        out += QStringLiteral(" ID=") + htmlvalues::quoted(o.id);
    QString style =
        o.absolute ? QStringLiteral("position:absolute;") : QStringLiteral("position:relative;");
    if (!o.alignment.isEmpty())
        style += QStringLiteral(" text-align:") + cssValue(o.alignment) + QLatin1Char(';');
    length(style, " left:", o.left);
    length(style, " top:", o.top);
    length(style, " width:", o.width);
    length(style, " height:", o.height);
    if (!o.zIndex.isEmpty())
        style += QStringLiteral(" z-index:") + cssValue(o.zIndex) + QLatin1Char(';');
    if (o.fontChecked) {
        const stylelogic::FontChoice &f = o.font;
        if (!f.family.isEmpty())
            style += QStringLiteral(" font-family: ") + cssValue(f.family) + QLatin1Char(';');
        if (f.size != 0)
            style += QStringLiteral(" font-size: ") + stylelogic::pointSize(f.size) +
                     QStringLiteral("pt;");
        style += f.bold ? QStringLiteral(" font-weight: bold;")
                        : QStringLiteral(" font-weight: medium;");
        style += f.italic ? QStringLiteral(" font-style: italic;")
                          : QStringLiteral(" font-style: normal;");
        if (f.underline)
            style += QStringLiteral(" text-decoration: underline;");
        if (f.strikeOut)
            style += QStringLiteral(" text-decoration: line-through;");
    }
    if (o.colourChecked)
        style += QStringLiteral(" color: ") + cssValue(o.fontColour) + QLatin1Char(';');
    if (o.backgroundChecked)
        style += QStringLiteral(" background: ") + cssValue(o.backgroundColour);
    out += QStringLiteral(" Style=") + htmlvalues::quoted(style) + QStringLiteral(">\r\n") +
           selection + QStringLiteral("\r\n</DIV>");
    return out;
}

const QStringList &numberItems()
{
    static const QStringList items = [] {
        QStringList list{QStringLiteral("0"),    QStringLiteral("0.25"), QStringLiteral("0.5"),
                         QStringLiteral("0.75"), QStringLiteral("1"),    QStringLiteral("1.25"),
                         QStringLiteral("1.5"),  QStringLiteral("1.75"), QStringLiteral("2"),
                         QStringLiteral("2.25"), QStringLiteral("2.5"),  QStringLiteral("2.75"),
                         QStringLiteral("3.0"),  QStringLiteral("3.25"), QStringLiteral("3.5"),
                         QStringLiteral("3.75")};
        for (int n = 4; n <= 9; ++n)
            list << QString::number(n);
        for (int n = 10; n <= 90; n += 10)
            list << QString::number(n);
        for (int n = 100; n <= 1000; n += 50)
            list << QString::number(n);
        return list;
    }();
    return items;
}

const QStringList &zIndexItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int n = 0; n <= 10; ++n)
            list << QString::number(n);
        return list;
    }();
    return items;
}

const QStringList &alignmentItems()
{
    static const QStringList items{QStringLiteral("left"), QStringLiteral("center"),
                                   QStringLiteral("right")};
    return items;
}

} // namespace inlinestyle
