#include "generators/inlinestylelogic.h"

namespace inlinestyle {

namespace {

void length(QString &out, const char *name, const Length &l)
{
    if (!l.value.isEmpty())
        out += QLatin1String(name) + l.value + stylelogic::unitOf(l.unit) + QLatin1Char(';');
}

} // namespace

QString buildDiv(const DivOptions &o, const QString &selection)
{
    QString out = QStringLiteral("<DIV");
    if (!o.id.isEmpty())
        out += QStringLiteral(" ID=\"") + o.id + QLatin1Char('"');
    out += QStringLiteral(" Style=\"");
    out += o.absolute ? QStringLiteral("position:absolute;") : QStringLiteral("position:relative;");
    if (!o.alignment.isEmpty())
        out += QStringLiteral(" text-align:") + o.alignment + QLatin1Char(';');
    length(out, " left:", o.left);
    length(out, " top:", o.top);
    length(out, " width:", o.width);
    length(out, " height:", o.height);
    if (!o.zIndex.isEmpty())
        out += QStringLiteral(" z-index:") + o.zIndex + QLatin1Char(';');
    if (o.fontChecked) {
        const stylelogic::FontChoice &f = o.font;
        if (!f.family.isEmpty())
            out += QStringLiteral(" font-family: ") + f.family + QLatin1Char(';');
        if (f.size != 0)
            out += QStringLiteral(" font-size: ") + stylelogic::pointSize(f.size) +
                   QStringLiteral("pt;");
        out += f.bold ? QStringLiteral(" font-weight: bold;")
                      : QStringLiteral(" font-weight: medium;");
        out += f.italic ? QStringLiteral(" font-style: italic;")
                        : QStringLiteral(" font-style: normal;");
        if (f.underline)
            out += QStringLiteral(" text-decoration: underline;");
        if (f.strikeOut)
            out += QStringLiteral(" text-decoration: line-through;");
    }
    if (o.colourChecked)
        out += QStringLiteral(" color: ") + o.fontColour + QLatin1Char(';');
    if (o.backgroundChecked)
        out += QStringLiteral(" background: ") + o.backgroundColour;
    out += QStringLiteral("\">\r\n") + selection + QStringLiteral("\r\n</DIV>");
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
