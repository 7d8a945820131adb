// SPDX-License-Identifier: GPL-3.0-or-later
// Builders reopened on what they wrote: the element under the caret, the
// parts a builder owns, what its reader makes of them, and the edits that
// carry the builder's changes back without touching anything else.

#include "builders/formbuilderslogic.h"
#include "builders/graphicslogic.h"
#include "builders/linkslogic.h"
#include "builders/marqueelogic.h"
#include "builders/tablebuilderlogic.h"
#include "editor/reopen.h"
#include "objects/appletlogic.h"

#include <functional>
#include <QtTest>

namespace {

const QChar Caret = u'|';

// A shape from words: "content", "trailing", "children=OPTION",
// "wrapper=FONT", "params" (the PARAMs of an APPLET or OBJECT alone).
reopen::Shape shapeOf(const QString &words)
{
    reopen::Shape shape;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts)) {
        if (word == QLatin1String("content"))
            shape.content = true;
        else if (word == QLatin1String("trailing"))
            shape.trailing = true;
        else if (word.startsWith(QLatin1String("children=")))
            shape.children = word.section(u'=', 1);
        else if (word.startsWith(QLatin1String("wrapper=")))
            shape.wrapper = word.section(u'=', 1);
        else if (word == QLatin1String("params")) {
            shape.startTag = false;
            shape.children = QStringLiteral("PARAM");
        }
    }
    return shape;
}

// The document (its caret marked "|") after reopening the element at the
// caret and carrying the change from `first` to `last` into it; "<nothing>"
// when no element is found, "<damaged>" when its parts cannot be read.
QString reopened(QString document, const reopen::Target &target, const QString &first,
                 const QString &last)
{
    const qsizetype caret = document.indexOf(Caret);
    document.remove(caret, 1);
    const elementmap::Map map = elementmap::scan(document);
    const reopen::Found found = reopen::find(document, map, caret, {target});
    if (found.target < 0)
        return QStringLiteral("<nothing>");
    const std::optional<reopen::Parts> parts =
        reopen::partsOf(document, map, found.element, target.shape);
    if (!parts)
        return QStringLiteral("<damaged>");
    const std::optional<reopen::Parts> f =
        reopen::partsInFragment(first, target.elements, target.shape);
    const std::optional<reopen::Parts> l =
        reopen::partsInFragment(last, target.elements, target.shape);
    if (!f || !l)
        return QStringLiteral("<no element in a fragment>");
    const QList<reopen::Edit> edits =
        reopen::patch(document, *parts, {first, *f}, {last, *l}, target.shape);
    for (int i = 1; i < edits.size(); ++i) {
        if (edits[i].start < edits[i - 1].start + edits[i - 1].length)
            return QStringLiteral("<edits overlap>");
    }
    return reopen::applied(document, edits);
}

// Each builder's reader followed by its fragment function.
struct Builder
{
    QStringList elements;
    QString shape;
    std::function<QString(const tagreader::Element &)> rebuild;
};

template <class Options, class Read, class Build>
std::function<QString(const tagreader::Element &)> rebuilding(Read read, Build build)
{
    return [read, build](const tagreader::Element &element) {
        const std::optional<Options> options = read(element, Options());
        return options ? build(*options, element) : QStringLiteral("<refused>");
    };
}

const QHash<QString, Builder> &builders()
{
    static const QHash<QString, Builder> table{
        {"links",
         {{"A"},
          "content",
          rebuilding<links::LinksOptions>(links::readLinks,
                                          [](auto o, auto &) { return links::buildLinks(o); })}},
        {"floating frame",
         {{"IFRAME"},
          "",
          rebuilding<links::FloatingFrameOptions>(
              links::readFloatingFrame,
              [](auto o, auto &) { return links::buildFloatingFrame(o); })}},
        {"marquee",
         {{"MARQUEE"},
          "content wrapper=FONT",
          rebuilding<marquee::MarqueeOptions>(
              marquee::readMarquee, [](auto o, auto &) { return marquee::buildMarquee(o); })}},
        {"font",
         {{"FONT"},
          "",
          rebuilding<marquee::FontOptions>(
              marquee::readFont,
              [](auto o, auto &e) { return marquee::buildFont(o, e.content); })}},
        {"graphics",
         {{"IMG"},
          "",
          rebuilding<graphics::GraphicsOptions>(
              graphics::readGraphics, [](auto o, auto &) { return graphics::buildGraphics(o); })}},
        {"sound",
         {{"BGSOUND", "EMBED"},
          "",
          rebuilding<graphics::SoundOptions>(
              graphics::readSound, [](auto o, auto &) { return graphics::buildSound(o); })}},
        {"form",
         {{"FORM"},
          "",
          rebuilding<formbuilders::FormOptions>(
              formbuilders::readForm, [](auto o, auto &) { return formbuilders::buildForm(o); })}},
        {"form input",
         {{"INPUT", "TEXTAREA"},
          "content trailing",
          rebuilding<formbuilders::FormInputOptions>(
              formbuilders::readFormInput,
              [](auto o, auto &) { return formbuilders::buildFormInput(o); })}},
        {"listbox",
         {{"SELECT"},
          "children=OPTION",
          rebuilding<formbuilders::ListboxOptions>(
              formbuilders::readListbox,
              [](auto o, auto &) { return formbuilders::buildListbox(o); })}},
        {"table",
         {{"TABLE"},
          "",
          rebuilding<tablebuilder::TableOptions>(
              tablebuilder::readTable,
              [](auto o, auto &) { return tablebuilder::buildTableFragment(o); })}},
        {"applet",
         {{"APPLET"},
          "",
          rebuilding<applet::AppletOptions>(
              applet::readAppletTag, [](auto o, auto &) { return applet::buildAppletTag(o); })}},
        {"parameters",
         {{"PARAM", "OBJECT"},
          "params",
          rebuilding<QList<applet::Parameter>>(
              applet::readParameterList,
              [](auto o, auto &) { return applet::buildParameterList(o); })}},
    };
    return table;
}

} // namespace

class TestReopen : public QObject
{
    Q_OBJECT
private slots:
    void find_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("found"); // the element's start tag, "" for none

        QTest::newRow("in a single tag") << "a <IMG SR|C=\"x.png\"> b"
                                         << "<IMG SRC=\"x.png\">";
        QTest::newRow("in an element's text") << "<A HREF=\"x\">g|o</A>"
                                              << "<A HREF=\"x\">";
        QTest::newRow("in its end tag") << "<A HREF=\"x\">go</|A>"
                                        << "<A HREF=\"x\">";
        QTest::newRow("the innermost") << "<A HREF=\"x\"><IMG |SRC=\"y\"></A>"
                                       << "<IMG SRC=\"y\">";
        QTest::newRow("through one no builder writes") << "<A HREF=\"x\"><B>b|old</B></A>"
                                                       << "<A HREF=\"x\">";
        QTest::newRow("just after a single tag") << "<IMG SRC=\"y\">| text"
                                                 << "<IMG SRC=\"y\">";
        QTest::newRow("in plain text") << "some | text <IMG SRC=\"y\">"
                                       << "";
        QTest::newRow("in a comment") << "<!-- <IMG SR|C=\"y\"> -->"
                                      << "";
        QTest::newRow("a PARAM stands for its APPLET")
            << "<APPLET CODE=\"a\">\r\n<PARAM NA|ME=\"x\">\r\n</APPLET>"
            << "<APPLET CODE=\"a\">";
        QTest::newRow("in an OBJECT") << "<OBJECT id=o>|</OBJECT>"
                                      << "<OBJECT id=o>";
        QTest::newRow("an OPTION belongs to its SELECT")
            << "<SELECT NAME=\"s\">\r\n<OPTION VALUE=\"a\">Ap|ple\r\n</SELECT>"
            << "<SELECT NAME=\"s\">";
        QTest::newRow("a cell belongs to its TABLE")
            << "<TABLE BORDER=1><TR><TD>c|ell</TD></TR></TABLE>"
            << "<TABLE BORDER=1>";
        QTest::newRow("lower case") << "<font size=3>t|ext</font>"
                                    << "<font size=3>";
    }
    void find()
    {
        QFETCH(QString, document);
        QFETCH(QString, found);
        const qsizetype caret = document.indexOf(Caret);
        document.remove(caret, 1);
        const QList<reopen::Target> targets{{{"A"}, shapeOf("content")},
                                            {{"IMG"}, {}},
                                            {{"FONT"}, {}},
                                            {{"TABLE"}, {}},
                                            {{"APPLET"}, {}},
                                            {{"PARAM", "OBJECT"}, shapeOf("params")},
                                            {{"SELECT"}, shapeOf("children=OPTION")}};
        const elementmap::Map map = elementmap::scan(document);
        const reopen::Found at = reopen::find(document, map, caret, targets);
        QString tag;
        if (at.element >= 0) {
            const qsizetype start = map.elements[at.element].start;
            tag = document.mid(start, document.indexOf(u'>', start) + 1 - start);
            QCOMPARE(at.name, tag.mid(1).section(u' ', 0, 0).remove(u'>').toUpper());
            QVERIFY(targets[at.target].elements.contains(at.name) ||
                    targets[at.target].shape.children == QLatin1String("PARAM"));
        }
        QCOMPARE(tag, found);
    }

    void patch_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("elements");
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("expected");

        const QString img = QStringLiteral("x <img src='a.png' class=c ALT=\"old\"|> y");
        QTest::newRow("nothing changed: every byte stays")
            << img << "IMG"
            << ""
            << "<IMG SRC=\"a.png\" ALT=\"old\">"
            << "<IMG SRC=\"a.png\" ALT=\"old\">" << QString(img).remove(Caret);
        QTest::newRow("a changed value keeps its place and spelling")
            << img << "IMG"
            << ""
            << "<IMG SRC=\"a.png\" ALT=\"old\">"
            << "<IMG SRC=\"a.png\" ALT=\"new\">"
            << "x <img src='a.png' class=c ALT=\"new\"> y";
        QTest::newRow("a value the builder reads differently stays")
            << "<IMG SRC=a.png WIDTH=\"10\"|>"
            << "IMG"
            << ""
            << "<IMG SRC=\"a.png\" WIDTH=10>"
            << "<IMG SRC=\"a.png\" WIDTH=10 ALT=\"cat\">"
            << "<IMG SRC=a.png WIDTH=\"10\" ALT=\"cat\">";
        QTest::newRow("an attribute that goes takes its space") << img << "IMG"
                                                                << ""
                                                                << "<IMG SRC=\"a.png\" ALT=\"old\">"
                                                                << "<IMG SRC=\"a.png\">"
                                                                << "x <img src='a.png' class=c> y";
        QTest::newRow("new attributes follow their predecessor")
            << "<IMG SRC=\"a.png\" class=c |ALT=\"x\">"
            << "IMG"
            << ""
            << "<IMG SRC=\"a.png\" ALT=\"x\">"
            << "<IMG SRC=\"a.png\" WIDTH=10 HEIGHT=20 ALT=\"x\">"
            << "<IMG SRC=\"a.png\" WIDTH=10 HEIGHT=20 class=c ALT=\"x\">";
        QTest::newRow("a new first attribute follows the name")
            << "<FONT class=c>t|</FONT>"
            << "FONT"
            << ""
            << "<FONT>t</FONT>"
            << "<FONT FACE=\"Arial\">t</FONT>"
            << "<FONT FACE=\"Arial\" class=c>t</FONT>";
        QTest::newRow("a bare attribute goes")
            << "<INPUT TYPE=\"CHECKBOX\" NAME=\"a\" CHECKED |id=k>"
            << "INPUT"
            << ""
            << "<INPUT TYPE=\"CHECKBOX\" NAME=\"a\" CHECKED>"
            << "<INPUT TYPE=\"CHECKBOX\" NAME=\"b\">"
            << "<INPUT TYPE=\"CHECKBOX\" NAME=\"b\" id=k>";
        QTest::newRow("a quote written as &quot; stays as it was")
            << "<A HREF=\"a\" TITLE=\"say &quot;hi&quot;\">t|</A>"
            << "A"
            << "content"
            << "<A HREF=\"a\" TITLE=\"say &quot;hi&quot;\">t</A>"
            << "<A HREF=\"b\" TITLE=\"say &quot;hi&quot;\">t</A>"
            << "<A HREF=\"b\" TITLE=\"say &quot;hi&quot;\">t</A>";
        QTest::newRow("the text between the tags") << "<a href=\"x\" id=k>ol|d</a>"
                                                   << "A"
                                                   << "content"
                                                   << "<A HREF=\"x\">old</A>"
                                                   << "<A HREF=\"x\">new</A>"
                                                   << "<a href=\"x\" id=k>new</a>";
        QTest::newRow("a single tag becomes another") << "<bgsound src=\"s.wav\" loop=2 volume=5|>"
                                                      << "BGSOUND EMBED"
                                                      << ""
                                                      << "<BGSOUND SRC=\"s.wav\" LOOP=2>"
                                                      << "<EMBED SRC=\"s.wav\">"
                                                      << "<EMBED src=\"s.wav\" volume=5>";
        QTest::newRow("an INPUT becomes a TEXTAREA")
            << "<INPUT TYPE=\"TEXT\" NAME=\"a\" SIZE=\"20\" class=c|> after"
            << "INPUT TEXTAREA"
            << "content trailing"
            << "<INPUT TYPE=\"TEXT\" NAME=\"a\" SIZE=\"20\">"
            << "<TEXTAREA NAME=\"a\" COLS=\"20\">hi</TEXTAREA>"
            << "<TEXTAREA NAME=\"a\" COLS=\"20\" class=c>hi</TEXTAREA> after";
        QTest::newRow("a radio button's label")
            << "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\"|>Yes<BR>"
            << "INPUT TEXTAREA"
            << "content trailing"
            << "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\">Yes\r\n"
            << "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\">Oui\r\n"
            << "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"1\">Oui<BR>";

        const QString select =
            QStringLiteral("<SELECT NAME=\"s\" class=c|>\r\n<OPTION VALUE=\"a\" SELECTED>Apple\r\n"
                           "<!-- keep -->\r\n<OPTION VALUE=\"b\">Pear\r\n</SELECT>");
        const QString rows = QStringLiteral(
            "<SELECT NAME=\"s\">\r\n<OPTION VALUE=\"a\">Apple\r\n<OPTION VALUE=\"b\">Pear\r\n");
        QTest::newRow("one row changed")
            << select << "SELECT"
            << "children=OPTION" << rows + "</SELECT>\r\n"
            << "<SELECT NAME=\"s\">\r\n<OPTION VALUE=\"a\">Apple\r\n<OPTION VALUE=\"b\">Plum\r\n"
               "</SELECT>\r\n"
            << "<SELECT NAME=\"s\" class=c>\r\n<OPTION VALUE=\"a\" SELECTED>Apple\r\n"
               "<!-- keep -->\r\n<OPTION VALUE=\"b\">Plum\r\n</SELECT>";
        QTest::newRow("a row added")
            << select << "SELECT"
            << "children=OPTION" << rows + "</SELECT>\r\n"
            << rows + "<OPTION VALUE=\"c\">Fig\r\n</SELECT>\r\n"
            << "<SELECT NAME=\"s\" class=c>\r\n<OPTION VALUE=\"a\" SELECTED>Apple\r\n"
               "<!-- keep -->\r\n<OPTION VALUE=\"b\">Pear\r\n<OPTION VALUE=\"c\">Fig\r\n</SELECT>";
        QTest::newRow("the last row taken out")
            << select << "SELECT"
            << "children=OPTION" << rows + "</SELECT>\r\n"
            << "<SELECT NAME=\"s\">\r\n<OPTION VALUE=\"a\">Apple\r\n</SELECT>\r\n"
            << "<SELECT NAME=\"s\" class=c>\r\n<OPTION VALUE=\"a\" SELECTED>Apple\r\n"
               "<!-- keep -->\r\n</SELECT>";

        const QString marquee = QStringLiteral("<MARQUEE BEHAVIOR=SCROLL>H|i</MARQUEE>");
        QTest::newRow("the wrapper's attributes")
            << "<FONT COLOR=RED SIZE=4 FACE=x>\r\n" + marquee + "</FONT>"
            << "MARQUEE"
            << "content wrapper=FONT"
            << "<FONT COLOR=RED SIZE=4>\r\n" + marquee + "</FONT>"
            << "<FONT COLOR=BLUE SIZE=4>\r\n" + marquee + "</FONT>"
            << "<FONT COLOR=BLUE SIZE=4 FACE=x>\r\n<MARQUEE BEHAVIOR=SCROLL>Hi</MARQUEE></FONT>";
        QTest::newRow("a wrapper with nothing left goes")
            << "<FONT COLOR=RED>\r\n" + marquee + "</FONT> after"
            << "MARQUEE"
            << "content wrapper=FONT"
            << "<FONT COLOR=RED>\r\n" + marquee + "</FONT>" << marquee
            << "<MARQUEE BEHAVIOR=SCROLL>Hi</MARQUEE> after";
        QTest::newRow("a wrapper with more to say stays")
            << "<FONT COLOR=RED FACE=x>\r\n" + marquee + "</FONT>"
            << "MARQUEE"
            << "content wrapper=FONT"
            << "<FONT COLOR=RED>\r\n" + marquee + "</FONT>" << marquee
            << "<FONT FACE=x>\r\n<MARQUEE BEHAVIOR=SCROLL>Hi</MARQUEE></FONT>";
        QTest::newRow("a wrapper comes")
            << "a " + marquee + " b"
            << "MARQUEE"
            << "content wrapper=FONT" << marquee << "<FONT SIZE=3>\r\n" + marquee + "</FONT>\r\n"
            << "a <FONT SIZE=3>\r\n<MARQUEE BEHAVIOR=SCROLL>Hi</MARQUEE></FONT> b";
        QTest::newRow("a FONT round more than the element is no wrapper")
            << "<FONT COLOR=RED>x " + marquee + "</FONT>"
            << "MARQUEE"
            << "content wrapper=FONT" << marquee << "<FONT SIZE=3>\r\n" + marquee + "</FONT>"
            << "<FONT COLOR=RED>x <FONT SIZE=3>\r\n<MARQUEE BEHAVIOR=SCROLL>Hi</MARQUEE></FONT>"
               "</FONT>";

        QTest::newRow("the PARAMs alone")
            << "<APPLET CODE=\"a\" class=c>\r\n<PARAM NAME=\"x\" VAL|UE=\"1\">\r\n</APPLET>"
            << "PARAM OBJECT"
            << "params"
            << "<PARAM NAME=\"x\" Value=\"1\">\r\n"
            << "<PARAM NAME=\"x\" Value=\"2\">\r\n<PARAM NAME=\"y\" Value=\"3\">\r\n"
            << "<APPLET CODE=\"a\" class=c>\r\n<PARAM NAME=\"x\" VALUE=\"2\">\r\n"
               "<PARAM NAME=\"y\" Value=\"3\">\r\n</APPLET>";
        QTest::newRow("the first PARAM of an OBJECT")
            << "<OBJECT id=o>|</OBJECT>"
            << "PARAM OBJECT"
            << "params"
            << ""
            << "<PARAM NAME=\"a\" Value=\"b\">\r\n"
            << "<OBJECT id=o>\r\n<PARAM NAME=\"a\" Value=\"b\"></OBJECT>";

        QTest::newRow("damaged: no >") << "<IMG SRC=\"a.png\"| <P>"
                                       << "IMG"
                                       << ""
                                       << ""
                                       << ""
                                       << "<damaged>";
        QTest::newRow("damaged: owned text without its end tag") << "<A HREF=\"x\">te|xt"
                                                                 << "A"
                                                                 << "content"
                                                                 << ""
                                                                 << ""
                                                                 << "<damaged>";
        QTest::newRow("a start tag alone is enough when only it is owned")
            << "<FONT SIZE=3>te|xt"
            << "FONT"
            << ""
            << "<FONT SIZE=3>t</FONT>"
            << "<FONT SIZE=4>t</FONT>"
            << "<FONT SIZE=4>text";
        QTest::newRow("damaged: a PARAM outside APPLET and OBJECT") << "<PARAM NAME=\"x\"|>"
                                                                    << "PARAM OBJECT"
                                                                    << "params"
                                                                    << ""
                                                                    << ""
                                                                    << "<damaged>";
        QTest::newRow("nothing there") << "te|xt <IMG SRC=\"a\">"
                                       << "IMG"
                                       << ""
                                       << ""
                                       << ""
                                       << "<nothing>";
    }
    void patch()
    {
        QFETCH(QString, document);
        QFETCH(QString, elements);
        QFETCH(QString, shape);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, expected);
        const reopen::Target target{elements.split(u' '), shapeOf(shape)};
        QCOMPARE(reopened(document, target, first, last), expected);
    }

    void readersGiveBackWhatTheirBuilderWrote_data()
    {
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QString>("fragment");

        links::LinksOptions link;
        link.url = "a.htm";
        link.target = "_top";
        link.toolTip = "Say hi";
        link.linkCaption = "Go <B>now</B>";
        QTest::newRow("link") << "links" << links::buildLinks(link);
        link.page = links::LinkPage::NamedReference;
        link.referenceName = "top";
        link.referenceText = "Top";
        QTest::newRow("named reference") << "links" << links::buildLinks(link);
        link.page = links::LinkPage::Email;
        link.address = "me@example.org";
        link.emailCaption = "Mail";
        QTest::newRow("e-mail") << "links" << links::buildLinks(link);

        links::FloatingFrameOptions frame;
        frame.alignment = "";
        frame.source = "in.htm";
        frame.height = "1";
        frame.width = "2";
        frame.marginHeight = "3";
        frame.marginWidth = "4";
        frame.frameBorder = true;
        QTest::newRow("floating frame") << "floating frame" << links::buildFloatingFrame(frame);

        marquee::MarqueeOptions m;
        m.message = "Hi";
        m.backgroundColor = "RED";
        m.textColor = "#00FF00";
        m.textSize = "4";
        m.behavior = "SLIDE";
        m.direction = "RIGHT";
        m.loop = "3";
        m.scrollAmount = "5";
        m.scrollDelay = "6";
        m.alignment = "TOP";
        m.height = "7";
        m.hspace = "8";
        m.vspace = "9";
        m.width = "10";
        QTest::newRow("marquee in its FONT") << "marquee" << marquee::buildMarquee(m);
        m.textColor.clear();
        m.textSize.clear();
        m.alignment.clear();
        QTest::newRow("marquee alone") << "marquee" << marquee::buildMarquee(m);

        QTest::newRow("font") << "font" << marquee::buildFont({"Arial", "3", "NAVY"}, "Hi");

        graphics::GraphicsOptions g;
        g.mediaType = "DYNSRC";
        g.url = "clip.avi";
        g.height = "1";
        g.width = "2";
        g.hspace = "3";
        g.vspace = "4";
        g.border = "5";
        g.alignment = "LEFT";
        g.description = "A clip";
        g.imageMap = true;
        g.mapName = "#nav";
        g.filterType = "Glow Filter";
        g.filterValue = "50";
        g.filterColor = "#00FF00";
        QTest::newRow("graphics") << "graphics" << graphics::buildGraphics(g);
        for (const QString &filter : graphics::filterItems()) {
            g.filterType = filter;
            QTest::addRow("graphics, %s", qPrintable(filter))
                << "graphics" << graphics::buildGraphics(g);
        }

        QTest::newRow("background sound") << "sound" << graphics::buildSound({false, "a.wav", "2"});
        QTest::newRow("embedded sound") << "sound" << graphics::buildSound({true, "a.mid", ""});

        QTest::newRow("form") << "form" << formbuilders::buildForm({"go.cgi", "POST", "_blank"});
        for (int kind = 0; kind < formbuilders::InputKindCount; ++kind) {
            formbuilders::FormInputOptions input;
            input.kind = formbuilders::InputKind(kind);
            input.name = "n";
            input.value = "v";
            input.checked = true;
            input.alignment = "TOP";
            input.source = "b.png";
            input.width = "20";
            input.maxLength = "30";
            input.height = "4";
            input.displayed = "Shown";
            const QString word = formbuilders::inputTypeWord(input.kind);
            QTest::addRow("form input %s", qPrintable(word.isEmpty() ? "TEXTAREA" : word))
                << "form input" << formbuilders::buildFormInput(input);
        }
        formbuilders::ListboxOptions list;
        list.name = "pick";
        list.size = "3";
        list.multiple = true;
        list.rows = {{"Apple", "a"}, {"Pear", "p"}};
        QTest::newRow("listbox") << "listbox" << formbuilders::buildListbox(list);

        tablebuilder::TableOptions table;
        table.alignment = "RIGHT";
        table.borderSize = "2";
        table.borderColor = "#FF0000";
        table.cellPadding = "4";
        table.cellSpacing = "5";
        table.frame = "BOX";
        table.rules = "ALL";
        table.percentageWidth = true;
        table.percentageWidthText = "50%";
        QTest::newRow("table") << "table" << tablebuilder::buildTableFragment(table);

        applet::AppletOptions a;
        a.fileName = "A.class";
        a.urlDirectory = "java/";
        a.name = "app";
        a.alternateText = "An applet";
        a.alignment = "LEFT";
        a.width = "1";
        a.height = "2";
        a.hspace = "3";
        a.vspace = "4";
        QTest::newRow("applet") << "applet" << applet::buildAppletTag(a);
        QTest::newRow("parameters")
            << "parameters" << applet::buildParameterList({{"x", "1"}, {"", ""}, {"y", "2"}});
    }
    void readersGiveBackWhatTheirBuilderWrote()
    {
        QFETCH(QString, builder);
        QFETCH(QString, fragment);
        const Builder &b = builders()[builder];
        const reopen::Shape shape = shapeOf(b.shape);
        const std::optional<reopen::Parts> parts =
            reopen::partsInFragment(fragment, b.elements, shape);
        QVERIFY(parts);
        QCOMPARE(b.rebuild(reopen::readBack(fragment, *parts)), fragment);
    }

    void readersRefuse_data()
    {
        QTest::addColumn<QString>("builder");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("an A with neither HREF nor NAME") << "links"
                                                         << "<A ID=\"x\">t</A>";
        QTest::newRow("an INPUT of another TYPE") << "form input"
                                                  << "<INPUT TYPE=\"FILE\">";
    }
    void readersRefuse()
    {
        QFETCH(QString, builder);
        QFETCH(QString, fragment);
        const Builder &b = builders()[builder];
        const std::optional<reopen::Parts> parts =
            reopen::partsInFragment(fragment, b.elements, shapeOf(b.shape));
        QVERIFY(parts);
        QCOMPARE(b.rebuild(reopen::readBack(fragment, *parts)), QStringLiteral("<refused>"));
    }

    void filterStyles_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("type"); // "" for none
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("color");
        QTest::newRow("alpha") << "filter:Alpha(Opacity=50)"
                               << "Alpha Filter"
                               << "50"
                               << "";
        QTest::newRow("glow") << "filter:Glow(color=#FF0000, strength=5)"
                              << "Glow Filter"
                              << "5"
                              << "#FF0000";
        QTest::newRow("flip") << "filter:FlipH()"
                              << "Flip Horizontal"
                              << ""
                              << "";
        QTest::newRow("other CSS") << "border:1px solid red"
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("a filter with more after it") << "filter:Alpha(Opacity=50); color:red"
                                                     << ""
                                                     << ""
                                                     << "";
    }
    void filterStyles()
    {
        QFETCH(QString, style);
        QFETCH(QString, type);
        QFETCH(QString, value);
        QFETCH(QString, color);
        const graphics::Filter filter =
            graphics::filterFromStyle(style).value_or(graphics::Filter());
        QCOMPARE(filter.type, type);
        QCOMPARE(filter.value, value);
        QCOMPARE(filter.color, color);
    }
};

QTEST_GUILESS_MAIN(TestReopen)
#include "test_reopen.moc"
