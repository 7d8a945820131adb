// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/listbuilderlogic.h"

#include "kernel/colour.h"
#include "kernel/htmlvalues.h"

#include <QCoreApplication>

namespace listbuilder {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString simpleList(const ListOptions &options, const QString &tag)
{
    QString list = QLatin1Char('<') + tag + QLatin1Char('>') + crlf;
    for (const ListRow &row : options.rows)
        list += itemLine(row.item, QStringLiteral("<LI>"), options.useColors);
    return list + QStringLiteral("</") + tag + QLatin1Char('>');
}

} // namespace

QString itemLine(const ListCell &cell, const QString &itemTag, bool useColors)
{
    if (!useColors)
        return itemTag + cell.text + crlf;
    return QStringLiteral("<FONT COLOR=") + colour::html(cell.color) + QLatin1Char('>') + itemTag +
           cell.text + QStringLiteral("</FONT>") + crlf;
}

QString buildList(const ListOptions &options)
{
    QString list = QStringLiteral("<!--Beginning of List-->") + crlf;
    switch (options.kind) {
    case ListKind::Definition:
        list += QStringLiteral("<DL>") + crlf;
        for (const ListRow &row : options.rows) {
            list += itemLine(row.item, QStringLiteral("<DT>"), options.useColors);
            list += itemLine(row.definition, QStringLiteral("<DD>"), options.useColors);
        }
        list += QStringLiteral("</DL>");
        break;
    case ListKind::Ordered:
        list += QStringLiteral("<OL");
        if (!options.startingNumber.isEmpty())
            list += QStringLiteral(" START=") + htmlvalues::attributeValue(options.startingNumber);
        list += QStringLiteral(" TYPE=") + typeValue(options.numbering) + QLatin1Char('>') + crlf;
        for (const ListRow &row : options.rows)
            list += itemLine(row.item, QStringLiteral("<LI>"), options.useColors);
        list += QStringLiteral("</OL>");
        break;
    case ListKind::Unordered:
        list += simpleList(options, QStringLiteral("UL"));
        break;
    case ListKind::Itemized:
        list += simpleList(options, QStringLiteral("MENU"));
        break;
    case ListKind::Directory:
        list += simpleList(options, QStringLiteral("DIR"));
        break;
    }
    return list + crlf + QStringLiteral("<!--End Of List-->") + crlf;
}

QString typeValue(Numbering numbering)
{
    switch (numbering) {
    case Numbering::LargeLetters:
        return QStringLiteral("A");
    case Numbering::SmallLetters:
        return QStringLiteral("a");
    case Numbering::LargeRoman:
        return QStringLiteral("I");
    case Numbering::SmallRoman:
        return QStringLiteral("i");
    case Numbering::Regular:
        break;
    }
    return QStringLiteral("1");
}

const QStringList &numberingNames()
{
    static const QStringList names{
        QCoreApplication::translate("listbuilder", "Large Letters"),
        QCoreApplication::translate("listbuilder", "Small Letters"),
        QCoreApplication::translate("listbuilder", "Large Roman Numerals"),
        QCoreApplication::translate("listbuilder", "Small Roman Numerals"),
        QCoreApplication::translate("listbuilder", "Regular Numbers"),
    };
    return names;
}

const QStringList &kindCaptions()
{
    static const QStringList captions{
        QCoreApplication::translate("listbuilder", "Definition List"),
        QCoreApplication::translate("listbuilder", "Ordered List"),
        QCoreApplication::translate("listbuilder", "UnOrdered List"),
        QCoreApplication::translate("listbuilder", "Itemized List"),
        QCoreApplication::translate("listbuilder", "Directory List"),
    };
    return captions;
}

QList<int> columnTwips(ListKind kind)
{
    if (kind == ListKind::Definition)
        return {TermColumnTwips, DefinitionColumnTwips};
    return {SingleColumnTwips};
}

QString colourFlagText(bool useColors)
{
    return useColors ? QCoreApplication::translate("listbuilder", "Using Selected Colors")
                     : QCoreApplication::translate("listbuilder", "No Colors Set");
}

} // namespace listbuilder
