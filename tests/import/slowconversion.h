// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rich-text conversion done the slow way, as a person would describe it:
// one find, replace or insert at a time. Tests and the fuzzer check the
// one-pass converter against it on small documents.

#include "import/richtext.h"
#include "kernel/colour.h"
#include "kernel/htmlvalues.h"
#include "platform/numbers.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <utility>

namespace slowimport {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

// The conversion done the slow way, one find, replace or insert at a time,
// on a buffer whose characters carry format ids like a rich-text control.
// From an editor a line break is one position, a lone LF here, until the
// end.
struct SlowConversion
{
    const RichText &doc;
    bool editor = false;
    QString text;
    QList<int> ids;

    // What the control reports at a caret: the character before it; from a
    // file, at the start of a line the line's first character.
    int caretFormat(int c) const
    {
        if (text.isEmpty())
            return doc.emptyFormatId();
        if (c <= 0)
            return ids[0];
        if (c >= text.size())
            return ids.last();
        return text[c - 1] == u'\n' && !editor ? ids[c] : ids[c - 1];
    }
    void replace(int at, int length, const QString &with, int id)
    {
        text.replace(at, length, with);
        ids.remove(at, length);
        for (int k = 0; k < with.size(); ++k)
            ids.insert(at + k, id);
    }
    void insertAtCaret(int &caret, const QString &s)
    {
        replace(caret, 0, s, caretFormat(caret));
        caret += int(s.size());
    }
    void escape(QChar ch, const QString &entity)
    {
        for (int at = int(text.indexOf(ch)); at >= 0;
             at = int(text.indexOf(ch, at + entity.size())))
            replace(at, 1, entity, ids[at]);
    }

    QString run()
    {
        for (int i = 0; i < doc.size(); ++i) {
            if (editor && doc.text()[i] == u'\r')
                continue;
            text += doc.text()[i];
            ids.append(doc.formatIdAt(i));
        }
        escape(u'<', "&lt;");
        escape(u'>', "&gt;");

        bool centre = false, list = false;
        int caret = 0;
        int paragraph = 0;
        auto lineTags = [&](const ParagraphFormat &p) {
            const bool centred = p.alignment == Alignment::Center;
            if (centred && !centre) {
                insertAtCaret(caret, "<CENTER>");
                centre = true;
            } else if (!centred && centre) {
                insertAtCaret(caret, "</CENTER>");
                centre = false;
            }
            if (p.bullet) {
                if (!list) {
                    insertAtCaret(caret, "<UL>");
                    list = true;
                }
                insertAtCaret(caret, "<LI>");
            } else if (list) {
                insertAtCaret(caret, "</UL>");
                list = false;
            }
        };
        lineTags(doc.paragraphFormat(0));
        for (int at = int(text.indexOf(u'\n', caret)); at >= 0;
             at = int(text.indexOf(u'\n', caret))) {
            const QString br = editor ? QStringLiteral("<BR>\n") : QStringLiteral("<BR>\r\n");
            replace(at, 1, br, ids[at]);
            caret = at + int(br.size());
            lineTags(doc.paragraphFormat(++paragraph));
        }

        QString tags = text;
        int inserted = 0;
        int tagCaret = 0;
        bool b = false, i = false, u = false, s = false;
        CharFormat recorded;
        auto insert = [&](int target, const QString &tag) {
            target = std::min<int>(target, int(tags.size()));
            tags.insert(target, tag);
            tagCaret = target + int(tag.size());
            inserted += int(tag.size());
        };
        const int length = int(text.size());
        for (int c = 0; c <= length + 1; ++c) {
            const CharFormat &f = doc.format(caretFormat(c));
            auto target = [&] {
                if (c == 0)
                    return editor ? inserted : tagCaret;
                if (!editor && c >= 2 && (text[c - 2] == u'\r' || text[c - 2] == u'\n'))
                    return c + inserted;
                return c - 1 + inserted;
            };
            auto flag = [&](bool on, bool &open, const QString &o, const QString &cl) {
                if (on && !open) {
                    open = true;
                    insert(target(), o);
                } else if (!on && open) {
                    open = false;
                    insert(target(), cl);
                }
            };
            flag(f.bold, b, "<B>", "</B>");
            flag(f.italic, i, "<I>", "</I>");
            flag(f.underline, u, "<U>", "</U>");
            flag(f.strike, s, "<S>", "</S>");
            auto tag = [&f] {
                return QStringLiteral(
                           "<FONT STYLE=\"font-size:%1pt\" SIZE=%2 COLOR=%3 FACE=\"%4\">")
                    .arg(numbers::shortestDouble(f.size),
                         htmlvalues::htmlFontSize(numbers::roundHalfEven(f.size)),
                         colour::html(f.colour), f.face);
            };
            if (c == 0) {
                recorded = f;
                insert(target(), tag());
            } else if (!recorded.sameFont(f)) {
                recorded = f;
                insert(target(), "</FONT>" + tag());
            }
        }
        if (centre)
            tags += "</CENTER>";
        if (list)
            tags += "</UL>";
        for (auto [open, tag] : {std::pair{b, "</B>"}, {i, "</I>"}, {u, "</U>"}, {s, "</S>"}}) {
            if (open)
                tags += tag;
        }
        tags += "</FONT>";
        if (editor)
            tags.replace(u'\n', QStringLiteral("\r\n"));
        return QStringLiteral("<!-- Beginning of Paragraph -->\r\n<P>\r\n") + tags +
               QStringLiteral("\r\n</P>\r\n<!-- End Of Paragraph -->\r\n");
    }
};

inline QString richTextFragment(const RichText &doc, bool editor = false)
{
    return SlowConversion{doc, editor, {}, {}}.run();
}

} // namespace slowimport
