// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The hyperlink builders' values and fragments: one anchor (a link, a named
// reference or an e-mail link), a link box (a drop-down list of addresses
// with a "Goto" button) and a floating frame. The dialogs map their widgets
// onto these structs; all HTML is made here.
//
// A "quoted" value is written between two double quotes with nothing
// escaped. None of these fragments ends with a line break.

#include "kernel/tagreader.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace links {

// The pages of the Links dialog, in tab order.
enum class LinkPage { Link, NamedReference, Email };

struct LinksOptions
{
    LinkPage page = LinkPage::Link; // the visible page: the only one written

    // "Link".
    QString url;         // HREF, quoted, always
    QString linkCaption; // between the tags
    QString target;      // TARGET, unquoted, when not empty
    QString toolTip;     // TITLE, quoted, when not empty

    // "Named Reference".
    QString referenceName; // NAME, quoted, always
    QString referenceText; // between the tags

    // "E-mail".
    QString address;      // right after MAILTO:, unquoted
    QString emailCaption; // between the tags
};

QString buildLinks(const LinksOptions &options);
// The anchor an A element is, over `options`: an e-mail link when its HREF
// starts with MAILTO:, a link with any other HREF, a named reference with a
// NAME alone; nothing for an A with neither.
std::optional<LinksOptions> readLinks(const tagreader::Element &element, LinksOptions options);

struct LinkBoxRow
{
    QString listing; // what the list shows
    QString address; // where Goto goes
};

struct LinkBoxOptions
{
    QString name = QStringLiteral("LinkBox"); // the list's ID, read by Goto
    QList<LinkBoxRow> rows{LinkBoxRow()};     // in grid order
};

// A FORM with the list and its "Goto" button, between "<!--Begin LinkBox -->"
// and "<!-- End LinkBox -->" (no line break after the last).
QString buildLinkBox(const LinkBoxOptions &options);

struct FloatingFrameOptions
{
    QString alignment = QStringLiteral("TOP"); // unquoted, also when empty
    QString name = QStringLiteral("Frame1");   // quoted, always
    QString source;                            // SRC, quoted, always
    QString height;                            // the four sizes: unquoted,
    QString width;                             // each only when not empty
    QString marginHeight;
    QString marginWidth;
    bool frameBorder = false; // FRAMEBORDER=1 or 0
    bool scrollBars = false;  // SCROLLING=YES or NO
};

QString buildFloatingFrame(const FloatingFrameOptions &options);
std::optional<FloatingFrameOptions> readFloatingFrame(const tagreader::Element &element,
                                                      FloatingFrameOptions options);

// The Floating Frame's alignments.
const QStringList &frameAlignmentItems(); // TOP, MIDDLE, BOTTOM, LEFT, RIGHT

} // namespace links
