// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/tagcommands.h"

namespace tagcommands {

namespace {

TagCommand both(const char *menuCaption, const char *popupCaption, int popupIndex,
                const char *firstTag, const char *lastTag)
{
    return {QString::fromLatin1(menuCaption),  Menu::Html,
            QString::fromLatin1(popupCaption), popupIndex,
            QString::fromLatin1(firstTag),     QString::fromLatin1(lastTag)};
}

TagCommand menuOnly(Menu menu, const char *caption, const char *firstTag, const char *lastTag)
{
    return {QString::fromLatin1(caption), menu, QString(), -1, QString::fromLatin1(firstTag),
            QString::fromLatin1(lastTag)};
}

QVector<TagCommand> buildCommands()
{
    QVector<TagCommand> list{
        both("&Paragraph <P></P>", "Paragraph Tag <P></P>", 2, "<P>", "</P>"),
        both("&Line Break <BR>", "&Line Break <BR>", 1, "<BR>", ""),
        menuOnly(Menu::Html, "Horizontal &Rule <HR>", "<HR>", ""),
        both("&Center <CENTER></CENTER>", "Center Text <CENTER></CENTER>", 0, "<CENTER>",
             "</CENTER>"),
        both("&Bold Text <B></B>", "&Bold Text <B></B>", 3, "<B>", "</B>"),
        both("&Italized <I></I>", "&Italic Text <I></I>", 4, "<I>", "</I>"),
        both("&Underline <U></U>", "&Underline Text <U></U>", 6, "<U>", "</U>"),
    };
    for (int level = 1; level <= 6; ++level) {
        const QString n = QString::number(level);
        list.append({QStringLiteral("Heading &%1 <H%1></H%1>").arg(n), Menu::Headings, QString(),
                     -1, QStringLiteral("<H%1>").arg(n), QStringLiteral("</H%1>").arg(n)});
    }
    list.append({
        menuOnly(Menu::Lists, "&Directory List <DIR></DIR>", "<DIR>", "</DIR>"),
        menuOnly(Menu::Lists, "&Itemized List <MENU></MENU>", "<MENU>", "</MENU>"),
        menuOnly(Menu::Lists, "&Ordered List <OL></OL>", "<OL>", "</OL>"),
        menuOnly(Menu::Lists, "&Unordered List <UL></UL>", "<UL>", "</UL>"),
        menuOnly(Menu::Lists, "&List Item <LI>", "<LI>", ""),
        menuOnly(Menu::Lists, "Definition List <DL></DL>", "<DL>", "</DL>"),
        menuOnly(Menu::Lists, "Defintion List Term <DT>", "<DT>", ""),
        menuOnly(Menu::Lists, "Definition List Definition <DD>", "<DD>", ""),
    });
    list.append({QString(), Menu::Html, QStringLiteral("&Strikethru Text <STRIKE></STRIKE>"), 5,
                 QStringLiteral("<STRIKE>"), QStringLiteral("</STRIKE>")});
    return list;
}

} // namespace

const QVector<TagCommand> &tagCommands()
{
    static const QVector<TagCommand> commands = buildCommands();
    return commands;
}

QString fragment(QStringView firstTag, QStringView selection, QStringView lastTag)
{
    if (lastTag.isEmpty())
        return firstTag.toString();
    QString out;
    out.reserve(firstTag.size() + selection.size() + lastTag.size());
    out.append(firstTag).append(selection).append(lastTag);
    return out;
}

} // namespace tagcommands
