// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/manual.h"

#include "generators/effectslogic.h"
#include "kernel/keytable.h"
#include "platform/textfile.h"

namespace manual {

namespace {

// The page is kept with LF line ends here and written with CR LF.
QString crlf(const char *text)
{
    QString s = QString::fromUtf8(text);
    s.replace(u'\n', QStringLiteral("\r\n"));
    return s;
}

const char Head[] = R"html(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">
<HTML>
<HEAD>
<TITLE>Lorimel 3.0 Manual</TITLE>
<STYLE TYPE="text/css">
<!--
A:hover {color: #F08C30}
-->
</STYLE>
</HEAD>
<BODY BGCOLOR="#FFFFFF" LINK="#0000B0" VLINK="#0000B0" ALINK="#FF0000" TEXT="#000000">
)html";

const char Contents[] = R"html(<H2>Contents</H2>
<UL>
<LI><A HREF="#1">A Letter From the Author</A>
<LI><A HREF="#2">Who Needs Lorimel?</A>
<LI><A HREF="#3">The Interface</A>
<LI><A HREF="#4">The Tools</A>
<UL>
<LI><A HREF="#T1">Anchors</A>
<LI><A HREF="#T2">Extended List</A>
<LI><A HREF="#T3">Floating Frame</A>
<LI><A HREF="#T4">Font</A>
<LI><A HREF="#T5">Form Input</A>
<LI><A HREF="#T6">Form Listbox</A>
<LI><A HREF="#T7">Form Wizard</A>
<LI><A HREF="#T8">Frame Builder / Frames</A>
<LI><A HREF="#T9">Image</A>
<LI><A HREF="#T10">Image Map Builder</A>
<LI><A HREF="#T11">Inline Style Sheet</A>
<LI><A HREF="#T12">Insert Object Tags</A>
<LI><A HREF="#T13">Insert Script Tags</A>
<LI><A HREF="#T14">Java Applet</A>
<LI><A HREF="#T15">List Builder / List</A>
<LI><A HREF="#T16">Marquee</A>
<LI><A HREF="#T17">Paragraph Builder</A>
<LI><A HREF="#T18">Parameter Tags</A>
<LI><A HREF="#T25">Premade Scripts</A>
<LI><A HREF="#T19">QuickColor</A>
<LI><A HREF="#T20">QuickStart</A>
<LI><A HREF="#T21">QuickStart With Style</A>
<LI><A HREF="#T22">Sound</A>
<LI><A HREF="#T23">Special Effects</A>
<LI><A HREF="#T24">Table Builder</A>
<LI><A HREF="#T26">VRML Builder</A>
</UL>
<LI><A HREF="#5">Other Useful Features</A>
<UL>
<LI><A HREF="#O1">Importation Features</A>
<LI><A HREF="#O2">Customizable Tag Buttons and List</A>
<LI><A HREF="#O3">Ostrel PIM (Personal Information Manager)</A>
<LI><A HREF="#O4">Publish File</A>
<LI><A HREF="#O5">Writing HTML by Hand</A>
<LI><A HREF="#O6">Keys</A>
</UL>
</UL>
<HR>

<H2><A NAME="1">A Letter From the Author</A></H2>
<P>Thank you for using Lorimel. I wrote it because I like to see the HTML I am writing. Visual page
designers hide the markup and then surprise you with what they put into it; a plain text editor shows
everything but makes you type every bracket yourself. Lorimel sits between the two: the source of your
page is always in front of you, exactly as it will be saved, and some thirty small tools write the
tedious parts of it for you at the caret. Nothing is rewritten behind your back. If a tool writes
something you do not like, one Undo takes it out again.</P>
<P>I hope it saves you as much typing as it saves me. Happy page building!</P>

<H2><A NAME="2">Who Needs Lorimel?</A></H2>
<P>Lorimel is for anybody who writes web pages by hand, or wants to learn how. Beginners can build a
whole page with QuickStart, add a table, a list and a few pictures with the builders, and learn the
markup by watching what each tool writes. Experienced authors keep the control they are used to and
let the builders take over the repetitive work: tables with coloured cells, frame sets, forms, image
maps, style sheets and scripts. Because every document is plain text, Lorimel works with any web
server, any site layout and any other tool you already use.</P>

<H2><A NAME="3">The Interface</A></H2>
<P>Everything happens in the main window. Each page you work on has its own <B>document window</B>
inside it, filling the document area; the Window menu arranges them, lists them and, with Tabbed
Documents, shows them as tabs. You type the HTML source on the left of a document window. When the
preview is in use (you are asked once, at the first start), the right half shows the page as a browser
draws it, a moment after you stop typing (View &gt; Settings can switch that off); the Refresh button
above it or F5 refreshes it at once, and the bar between the halves shares the room between source and
preview. The element under the caret is outlined in the preview, and a click in the preview puts the
caret at that element's tag. The preview shows the page with the pictures, style sheets and frames of
its own folder (or of your web-site folder, when the page lies in it) and nothing from elsewhere; it
saves no file. A new document window starts by showing this manual in its preview.</P>
<P>Along the top you find the <B>main toolbar</B> (New, Open, Save, Save As, Print, External Preview,
Find Files, Smartcolor and Ostrel PIM), the <B>custom bar</B> with your own six buttons and the
<B>color bar</B>: click a colour in it and its value, such as #FF8000, is written at the caret.
The <B>side bar</B> holds the tag palettes: the upper row of tabs chooses a group of tools (Non-Coding
Tools, Character Sets, Fonts, Forms, Frames, Graphics and Sound, Lists, Tables, Scripts, Style Sheets)
and the lower row shows the buttons of that group. Beside them are the reference lists (see
<A HREF="#T2">Extended List</A>). On the left, the <B>website manager</B> shows the folder that holds
your web site: every file dialog starts there, double-clicking a file opens it (or hands a picture or a
sound to the matching tool), and a right click offers to link to, rename, delete or describe the file.
The View menu shows and hides each bar; Lorimel remembers your choice.</P>
<P><B>SmartColor</B> paints the source so that tags stand out: tables, frames, links, other tags and
comments each have a colour of their own (View &gt; Settings changes them, or switches colouring off).
Everything a tool writes is coloured as it arrives; the Smartcolor button colours the whole document
again. The colours are only on screen: files are always saved as plain text.</P>
<P>The status bar shows the size of the active document and a short description of whatever the mouse
is over. Useful keys: <B>F1</B> shows this manual, <B>F2</B> saves, <B>F3</B> finds text, <B>F7</B>
checks the spelling, <B>F9</B> checks the page, <B>Ctrl+P</B> prints through the print dialog (File &gt; Print
Preview shows the pages first; all the keys are listed under <A HREF="#O6">Keys</A>). A right click
in a document offers the edit commands and the most common tags. The Edit menu also converts the letters
of all tags to upper or lower case, finds and replaces text in the document and replaces a text in many
files of a folder at once. The MS Apps menu starts the desktop's calculator, character map and
clipboard viewer when they are installed.</P>
<P><B>Check Page</B> (Tools menu, F9, or the button on the main toolbar) reads the document's HTML the
way a browser would and lists its errors and warnings in the Page Check pane below the documents: line,
column and what is wrong. Double-click a line of the list, or press Enter, to go there; the lines with
a finding carry a mark in the margin until you change them. The pane shows errors and warnings, or
errors only. A page that declares the HTML 5 doctype is checked as HTML 5; any other page is checked as
the HTML 3.2 or 4 it is, so FONT, CENTER and the other tags the tools write are not reported.</P>
<P><B>Spelling</B>: misspelt words of the page's text get a wavy red line as you type; the markup,
comments, scripts and style sheets are left alone, and of the attributes only ALT and TITLE are read. A
right click on a marked word offers up to eight corrections, Add to Dictionary (your own word list,
kept with your settings) and Ignore All (until Lorimel ends). Tools &gt; Spelling (F7) goes through the
misspellings one by one. The dictionary is the one for the LANG of the page's HTML tag, else the one
of your desktop's language; View &gt; Settings can choose another or switch the marks off. Lorimel uses
the Hunspell dictionaries of your system: install more with your package manager (hunspell-de-de,
hunspell-fr and so on).</P>

<H2><A NAME="4">The Tools</A></H2>
<P>Each tool is a small window that asks for a few values and writes the matching HTML into the active
document at the caret, replacing any selected text. While a tool is open the main window waits for it;
<B>OK</B> (or Enter) writes, <B>Cancel</B> (or Escape) writes nothing. A tool opens with the cursor in
its first field; a field that takes a number accepts only that, and its tool tip says what it takes.
Everything a tool writes can be taken out
again with Edit &gt; Undo. Most tools are found in the Tools menu, in the side bar's palettes, or both.</P>

<P><B><A NAME="T1">Anchors</A></B><BR>
Tools &gt; A - M &gt; Anchor opens the Links window with three pages. <I>Link</I> writes a link to
another page or site: its address, the caption (the text you had selected is filled in for you), an
optional target window such as _blank and a tool-tip text. <I>Named Reference</I> writes a named
anchor that other links can jump to, like the headings of this manual. <I>E-mail</I> writes a
mailto: link with its caption. Only the page that is showing is used.</P>

<P><B><A NAME="T2">Extended List</A></B><BR>
The reference lists beside the palettes hold what you would otherwise look up. Choose a list with its
tab and double-click an entry: <I>Tags</I> (95 HTML tags; a tag with an end tag is wrapped around the
selected text, an empty tag such as BR is written alone), <I>Attributes</I> (123 attribute names),
<I>JavaScript</I> (the name of a method, property or statement), <I>Time/Date</I> (the current date
and time in seven formats, refreshed when you click the tab), <I>Faces</I> (smileys) and <I>Custom</I>,
your own list of tags made in View &gt; Settings (see <A HREF="#O2">Customizable Tag Buttons and
List</A>). The Character Sets palette adds four lists of special characters (Math, Currency, Legal,
Latin) that write the named reference, such as &amp;copy; for &copy;.</P>

<P><B><A NAME="T3">Floating Frame</A></B><BR>
A floating frame shows another page inside your page, in a box of its own. Tools &gt; A - M &gt;
Floating Frame (or the Frames palette) asks for the page to show, the frame's name, its alignment,
its height and width, its margins and whether it has a border, and writes an IFRAME element.</P>

<P><B><A NAME="T4">Font</A></B><BR>
Select some text and choose Tools &gt; A - M &gt; Font Wizard (or Font in the Fonts palette). Pick a
face, a size from 1 to 7 and a colour, by name or with Set Color, and OK wraps the selection in a FONT
element. The Fonts palette also wraps the selection in B, I, U, BIG, SMALL or a heading with one
click.</P>

<P><B><A NAME="T5">Form Input</A></B><BR>
Form Input writes one control of a form. Choose its kind with the option buttons: check box, hidden
field, image button, password box, radio button, reset button, submit button, text box or a text area of
several lines. Each kind shows its own page of fields (name, value, width and maximum length in
characters, the caption of a button, the picture of an image button, and so on).</P>

<P><B><A NAME="T6">Form Listbox</A></B><BR>
Form Listbox writes a SELECT element: give it a name, the number of lines it shows and whether several
items may be chosen, then type the items one per row, each with the text it shows and the value it
sends; the spin arrows add and remove rows. OK writes the list with its OPTION rows.</P>

<P><B><A NAME="T7">Form Wizard</A></B><BR>
Form Wizard writes the opening and closing FORM tags: the address of the program that processes the
form, the method (GET or POST) and an optional target window. Put the form's controls between the two
tags with <A HREF="#T5">Form Input</A> and <A HREF="#T6">Form Listbox</A>.</P>

<P><B><A NAME="T8">Frame Builder / Frames</A></B><BR>
The Frame Builder writes a whole frame set in two steps. First click one of the six pictures: two
columns, two rows, or one frame above or beside a pair of frames. The second step asks for the size of
each split (in pixels, or a percentage chosen from the list) and for every frame its name, the page it
shows, and whether it has scroll bars, a border and a size the visitor may change. Finish writes the
FRAMESET. The Frames palette also writes single FRAMESET, FRAME, NOFRAMES and IFRAME tags.</P>

<P><B><A NAME="T9">Image</A></B><BR>
Tools &gt; A - M &gt; Image, Animation (or a double click on a picture in the website manager) writes an
IMG tag: the kind of media (a picture, a movie through DYNSRC, or a VRML world), the file (Find picks one
from your web-site folder), height and width, spacing, border, alignment, a description shown while the
picture loads and, when you tick Image Map, the name of the map it uses. The second page adds one of the
Microsoft visual filters as a style: alpha (opacity), blur, flip horizontal or vertical, grayscale,
invert, mask (with its colour), wave or x-ray, with the strength the filter needs. The filters show only
in browsers that support them.</P>
)html";

const char Tools[] = R"html(
<P><B><A NAME="T10">Image Map Builder</A></B><BR>
An image map makes parts of one picture into separate links. In the Image Map Builder choose Open Web
Image to load a picture from your web-site folder. Then, for every area, click its top-left corner with
the left mouse button and its bottom-right corner with the right mouse button, and type the address the
area links to. The spin arrows add a row for the next area. Give the map a name, and OK writes the MAP
with one AREA per row, followed by the IMG tag that uses it.</P>

<P><B><A NAME="T11">Inline Style Sheet</A></B><BR>
Select the text you want to style and open Tools &gt; A - M &gt; Inline Style Sheet. The Font Properties
page sets an identification name, the text alignment, the font (face, size, bold, italic, underline,
strike-through), the font colour and a background colour; tick or clear the box beside each group to use
it or leave it out. The Positioning page places the text relative to where it stands or at an absolute
position, with left, top, width and height in the unit you choose (pixels, points, inches or centimetres)
and a stacking order (z-index). OK wraps the selection in a DIV that carries the style.</P>

<P><B><A NAME="T12">Insert Object Tags</A></B><BR>
Tools &gt; N - Z &gt; Object Tags lists the ActiveX controls registered with the Windows compatibility
layer (Wine) of this computer; the list is empty when there is none. Select one or more controls
(Shift and Ctrl select several) and double-click, or right-click and choose Copy: an OBJECT tag for each
control is written into your document between two comments. Options, on the same right-click menu, set
how the tags are written: OBJECT or INSERT, by class id or by programmatic id, capitals, lower case or
mixed, one line or one attribute per line, the default width and height and an optional code base.
Lorimel remembers these options.</P>

<P><B><A NAME="T13">Insert Script Tags</A></B><BR>
Script Tags writes an empty SCRIPT block for VBScript or JavaScript, with the comment lines that hide
the script from old browsers, ready for your own code.</P>

<P><B><A NAME="T14">Java Applet</A></B><BR>
Java Applet writes an APPLET element: the applet's file name, the address of its folder (the code base),
the name the page's scripts know it by, an alternate text, its alignment, width and height and the
space around it. Put its parameters inside it with <A HREF="#T18">Parameter Tags</A>.</P>

<P><B><A NAME="T15">List Builder / List</A></B><BR>
The List Builder writes one list of any of five kinds: a definition list (a term and its definition on
each row), an ordered list (with the numbering style: numbers, capital or small letters, capital or small
Roman numerals, and the number to start from), an unordered list, an itemized list (MENU) or a
directory list (DIR). Type the items into the grid; the spin arrows set the number of rows. Text Color
colours the selected items. The Lists palette also writes the bare list tags and list items.</P>

<P><B><A NAME="T16">Marquee</A></B><BR>
A marquee is a line of text that moves across the page. The Marquee window asks for the message, its
background and text colours and size, how it moves (scroll, slide or alternate), its direction, how
many times it runs, how far and how often it steps, and its size and placement on the page. Moving
text shows only in browsers that know the MARQUEE element.</P>

<P><B><A NAME="T17">Paragraph Builder</A></B><BR>
The Paragraph Builder is a small word processor. Type a paragraph, or load a text or rich-text file
with Open Text File, and format it with bold, italic, underline, strike-through, colours, font sizes,
font faces, centring and bullets. OK turns the formatting into HTML tags and writes one P element, with
the tags exactly where the formatting changes.</P>

<P><B><A NAME="T18">Parameter Tags</A></B><BR>
Parameters writes a PARAM element for every row of its grid, each with a name and a value, to be placed
inside an APPLET or OBJECT element. The spin arrows add and remove rows.</P>

<P><B><A NAME="T25">Premade Scripts</A></B><BR>
Premade Scripts offers fifteen finished scripts in two groups. The VBScript group writes the current
date, weekday or time, a greeting for the time of day, the browser's name and the date the page was
last changed; three entries open a further tool instead: a random background colour (five colours to
choose from), a random text (a list of texts, one shown at each visit) and a link box (a drop-down list
of addresses with a Goto button). The JavaScript group writes the visitor's platform, screen resolution,
colour depth, processor, browser name and the date of the last change.</P>

<P><B><A NAME="T19">QuickColor</A></B><BR>
QuickColor, in the Graphics and Sound palette, opens the colour chooser and writes the colour you pick
as an HTML colour value such as #3366FF. The Color... button on the color bar does the same, and a
click on the color bar itself writes the colour under the mouse.</P>

<P><B><A NAME="T20">QuickStart</A></B><BR>
QuickStart writes the skeleton of a whole page in one step: the document type line, the HEAD with the
title, and a BODY tag with the margins, the text and link colours (by name or with Set Color), a
background colour or picture, and optionally a colour for links under the mouse. It also appears at
start-up in the Did You Know? window, so a new page is one click away.</P>

<P><B><A NAME="T21">QuickStart With Style</A></B><BR>
QuickStart With Style writes a whole page like QuickStart but puts its look into a style sheet in the
HEAD: the page margins, the background colour or picture, the font of the body text and of seven groups
of elements (paragraphs, three heading levels, lists, tables and bold text, each selector can be
changed), and the colours of links, visited links and links under the mouse. Tick the box of every group
you want written.</P>

<P><B><A NAME="T22">Sound</A></B><BR>
Background Sound writes a BGSOUND element, or an EMBED element for browsers that play sounds that way:
the sound file (Find picks one from your web-site folder) and how many times it plays. A double click
on a sound file in the website manager opens it with the file already filled in.</P>

<P><B><A NAME="T23">Special Effects</A></B><BR>
Special Effects makes decorations out of plain HTML, without pictures: <I>3D Text</I> lays two copies of
a text over each other in two colours; <I>Sloped Text</I> makes the letters of the selected text rise
and fall in size; a <I>Gradient Divider</I> is a bar of coloured cells that runs from one colour to
another in the number of steps you choose, as wide as the page (the two bars at the top of this
manual are such dividers); <I>Gradient
Text</I> colours each letter of a text a little differently, from one colour to another.</P>

<P><B><A NAME="T24">Table Builder</A></B><BR>
The Table Builder lays out a table the way a spreadsheet does. Set the number of rows and columns with
the spin arrows, click a cell and type its text, and drag the column borders to give the columns their
widths. Select cells to give them a font size, a text colour, a background colour or a picture. The
Table Settings page sets the table's title, alignment, border size and colour, padding and spacing,
frame and rules, text alignment and width. With Retain Info On Exit ticked the builder keeps your table
for the next time.</P>

<P><B><A NAME="T26">VRML Builder</A></B><BR>
The VRML Builder writes VRML 2.0 worlds, three-dimensional scenes that VRML viewers show. <I>VRML
Text</I> makes a line of coloured 3-D text; <I>VRML Sitemap</I> makes a row of spheres or cubes, each
with a caption, that link to the addresses you list. Save File writes the world to a .wrl file of its
own; link to it or show it with the Image tool.</P>

<H2><A NAME="5">Other Useful Features</A></H2>

<P><B><A NAME="O1">Importation Features</A></B><BR>
File &gt; Import turns other files into HTML. <I>Import Text to New File</I> makes a whole new page
from a text or rich-text file; <I>Import Text To Current Document</I> writes the converted text at the
caret. Line breaks become BR tags and characters that HTML reserves are escaped; from rich text Lorimel
keeps centred and bulleted paragraphs, bold, italic, underline, strike-through and changes of font size,
colour and face. <I>Import Table Into Current Document</I> turns a tab-separated file, as spreadsheets
export it, into an HTML table.</P>

<P><B><A NAME="O2">Customizable Tag Buttons and List</A></B><BR>
The custom bar has six buttons of your own. In View &gt; Settings (or with the Customize button) give
each one a caption and the text it writes: a signature, a favourite tag, a whole block of HTML. The same
page keeps the Custom list of the side bar: add the tags you use most, and double-click one to write it
at the caret.</P>

<P><B><A NAME="O3">Ostrel PIM (Personal Information Manager)</A></B><BR>
The Ostrel PIM button opens the organizer. Its <I>Calendar</I> keeps one note per day: choose the month
and year, click a day and type its agenda. Everything you type is kept; the organizer opens on today.
Print Agenda prints the day's note (into a PDF file when no printer is installed), Import into HTML
writes it into your document with its line breaks as BR tags, and Clear Appointments removes every
note. <I>Contacts (Phone)</I> keeps names and telephone numbers, and <I>Internet Favorites</I> keeps
names and web addresses: double-click a favourite to open it in your web browser. All of it is saved
when you close the organizer with Done.</P>

<P><B><A NAME="O4">Publish File</A></B><BR>
Publish File, under the website manager, sends the selected file to your web server by FTP. Enter the
server's upload directory, your user name and your password once on the FTP page of View &gt; Settings.
Retrieve Files copies files from anywhere into your web-site folder, and Thumbnail Viewer shows the
pictures of the site and writes an image tag for the one you choose.</P>

<P><B><A NAME="O5">Writing HTML by Hand</A></B><BR>
When you type a tag yourself the editor helps. After a &lt; and a short pause (or at once with
Ctrl+Space) it lists the element names; after an element's name and a space, its attributes; after the =
of an attribute such as ALIGN, TYPE or METHOD, the values it takes; after an &amp;, the named characters.
Go on typing to narrow the list, take an entry with Enter or Tab, or close the list with Escape; Undo
takes a written entry out again. Names that HTML 5 made obsolete, such as CENTER and FONT, are listed in
grey. The list writes in the case you type, and in the case of View &gt; Settings while you have typed no
letter yet (UpperCase All Tags and LowerCase All Tags change that setting too).</P>
<P>Typing the &gt; of a start tag writes its end tag after the caret (not for empty elements such as
BR and IMG, nor when the end tag is there already), and typing &lt;/ finishes the end tag of the
element still open; View &gt; Settings switches this off. With the caret in a tag, the tag it matches
is marked; markup that does not pair them, like a P or LI without its end tag, marks nothing. The Edit
menu closes the open element, jumps to the matching tag and selects the whole element (again for the
one around it). Elements and comments that take several lines fold with the small boxes beside the
line numbers and from the View menu.</P>
)html";

// After the key table.
const char Footer[] = R"html(
<HR>
<P><A HREF="#1">Back to the top</A></P>
</BODY>
</HTML>
)html";

} // namespace

QString banner()
{
    // Red to blue in five cells, as the Special Effects dialog writes it.
    effects::DividerOptions red;
    red.red1 = QStringLiteral("255");
    red.green1 = red.blue1 = red.red2 = red.green2 = QStringLiteral("0");
    red.blue2 = QStringLiteral("255");
    red.steps = QStringLiteral("5");
    const QString divider = effects::gradientDivider(red) + QStringLiteral("\r\n");
    return crlf("<CENTER>\n") + divider +
           crlf("<FONT SIZE=6 COLOR=\"#FF0000\"><B>Lorimel 3.0</B></FONT><BR>\n") + divider +
           crlf("<FONT SIZE=4>HTML Authoring System</FONT>\n"
                "</CENTER>\n");
}

QString textHtml()
{
    return crlf(Head) + banner() + crlf(Contents);
}

// Every key of the key table.
QString keyTable()
{
    QString html = QStringLiteral("\n<P><B><A NAME=\"O6\">Keys</A></B></P>\n"
                                  "<TABLE BORDER=1 CELLPADDING=3>\n"
                                  "<TR><TH>Key</TH><TH>Command</TH></TR>\n");
    for (const keytable::Row &row : keytable::rows()) {
        QString keys = QString::fromLatin1(row.keys).toHtmlEscaped();
        keys.replace(QLatin1String("; "), QLatin1String("</B> or <B>"));
        html += QStringLiteral("<TR><TD><B>%1</B></TD><TD>%2</TD></TR>\n")
                    .arg(keys, keytable::commandOf(row).toHtmlEscaped());
    }
    html += QStringLiteral("</TABLE>\n");
    return crlf(html.toUtf8().constData());
}

QString textHtml2()
{
    return crlf(Tools) + keyTable() + crlf(Footer);
}

QString text()
{
    return textHtml() + textHtml2();
}

bool write(const QString &path, QString *error)
{
    return textfile::save(path, text(), textfile::Encoding::Utf8, error);
}

} // namespace manual
