// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/scriptlogic.h"

#include "kernel/builderids.h"

namespace scripts {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString lines(const QStringList &list)
{
    QString out;
    for (const QString &line : list)
        out += line + CrLf;
    return out;
}

PremadeScript script(const char *caption, Language group, QStringList body,
                     bool lineEndAfterScript = false)
{
    return {QString::fromUtf8(caption), group, QString(), std::move(body), lineEndAfterScript};
}

PremadeScript opens(const char *caption, const char *builder)
{
    return {QString::fromUtf8(caption), Language::VBScript, QLatin1String(builder), {}, false};
}

} // namespace

QString buildScriptBlock(Language language)
{
    const QString name = language == Language::VBScript ? QStringLiteral("\"VBScript\"")
                                                        : QStringLiteral("\"JavaScript\"");
    return QStringLiteral("<SCRIPT language=") + name + u'>' + CrLf + QStringLiteral("<!--") +
           CrLf + CrLf + CrLf + QStringLiteral("-->") + CrLf + QStringLiteral("</SCRIPT>");
}

const QList<PremadeScript> &premadeScripts()
{
    using L = Language;
    static const QList<PremadeScript> entries{
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Date Script"), L::VBScript,
               {QStringLiteral("Document.write(\"Today is \" & Date)")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Weekday Script"), L::VBScript,
               {QStringLiteral("Dim DayNum, Daytext"), QStringLiteral("DayNum = Weekday(Date, 0)"),
                QStringLiteral("If DayNum = 1 Then Daytext = \"Sunday\""),
                QStringLiteral("If DayNum = 2 Then Daytext = \"Monday\""),
                QStringLiteral("If DayNum = 3 Then Daytext = \"Tuesday\""),
                QStringLiteral("If DayNum = 4 Then Daytext = \"Wednesday\""),
                QStringLiteral("If DayNum = 5 Then Daytext = \"Thursday\""),
                QStringLiteral("If DayNum = 6 Then Daytext = \"Friday\""),
                QStringLiteral("If DayNum = 7 Then Daytext = \"Saturday\""),
                QStringLiteral("Document.write(\"Today is \" & Daytext)")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Time Script"), L::VBScript,
               {QStringLiteral("Document.write(\"The Time is \" & Time)")}),
        opens(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Random Background Color Script"),
              builderid::RandomBackground),
        opens(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Linkbox Form && Script"),
              builderid::LinkBox),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Good Morning, Afternoon, or Evening"),
               L::VBScript,
               {QStringLiteral("If Hour(Time) >= 17 And Hour(Time) < 24 Then"),
                QStringLiteral("Document.Write(\"Good Evening\")"), QStringLiteral("End If"),
                QStringLiteral("If Hour(Time) >= 12 And Hour(Time) < 17 Then"),
                QStringLiteral("Document.Write(\"Good Afternoon\")"), QStringLiteral("End If"),
                QStringLiteral("If Hour(Time) >= 0 And Hour(Time) < 12 Then"),
                QStringLiteral("Document.Write(\"Good Morning\")"), QStringLiteral("End If"),
                QString()},
               true),
        opens(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Random Text Script"),
              builderid::RandomText),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Browser Name Script"), L::VBScript,
               {QStringLiteral("Document.write(\"You are using \" & navigator.appname)")}),
        script(
            QT_TRANSLATE_NOOP("PremadeScriptsDialog", "\"Last Modified\" Script"), L::VBScript,
            {QStringLiteral(
                "Document.write(\"This document was last modified: \" & document.lastModified)")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Platform Script"), L::JavaScript,
               {QStringLiteral("document.write('Your platform is ' + navigator.platform)")}),
        script(
            QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Resolution Script"), L::JavaScript,
            {QStringLiteral(
                "document.write('Your resolution is ' + screen.width + ' by ' + screen.height)")}),
        script(
            QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Current Color-Depth Script"), L::JavaScript,
            {QStringLiteral("document.write('Your color depth is ' + screen.colorDepth+ ' bit')")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "CPU Type Script"), L::JavaScript,
               {QStringLiteral("document.write('Your processor is a ' + navigator.cpuClass)")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "Browser Name Script"), L::JavaScript,
               {QStringLiteral("document.write('You are running ' + navigator.appName)")}),
        script(QT_TRANSLATE_NOOP("PremadeScriptsDialog", "\"Last Modified\" Script"), L::JavaScript,
               {QStringLiteral(
                   "document.write('This document was last modified: ' + document.lastModified)")}),
    };
    return entries;
}

QString buildPremadeScript(const PremadeScript &script)
{
    if (!script.builder.isEmpty())
        return QString();
    // The premade JavaScript group names its language "Javascript".
    const QString opening = script.group == Language::VBScript
                                ? QStringLiteral("<SCRIPT language=\"VBScript\">")
                                : QStringLiteral("<SCRIPT language=\"Javascript\">");
    QString text = lines(QStringList{opening, QStringLiteral("<!--")} + script.body +
                         QStringList{QStringLiteral("-->")});
    text += QStringLiteral("</SCRIPT>");
    if (script.lineEndAfterScript)
        text += CrLf;
    return text;
}

const QList<SearchService> &searchServices()
{
    static const QList<SearchService> services{
        {QStringLiteral("Altavista"), QStringLiteral("https://www.altavista.com/cgi-bin/query"),
         QStringLiteral("q")},
        {QStringLiteral("Excite"), QStringLiteral("https://www.excite.com/search.gw"),
         QStringLiteral("search")},
        {QStringLiteral("Yahoo!"), QStringLiteral("https://search.yahoo.com/bin/search"),
         QStringLiteral("p")},
        {QStringLiteral("DuckDuckGo"), QStringLiteral("https://html.duckduckgo.com/html/"),
         QStringLiteral("q")},
        {QStringLiteral("Wikipedia"), QStringLiteral("https://en.wikipedia.org/w/index.php"),
         QStringLiteral("search")},
        {QStringLiteral("Mojeek"), QStringLiteral("https://www.mojeek.com/search"),
         QStringLiteral("q")},
        {QStringLiteral("Bing"), QStringLiteral("https://www.bing.com/search"),
         QStringLiteral("q")},
    };
    return services;
}

QString buildSearchForm(int index)
{
    const QList<SearchService> &services = searchServices();
    if (index < 0 || index >= services.size())
        return QString();
    const QString &url = services[index].endpoint;
    switch (index) {
    case 0:
        return lines({QStringLiteral("<FORM method=GET action=\"") + url + QStringLiteral("\">"),
                      QStringLiteral("<INPUT TYPE=hidden NAME=pg VALUE=q>"),
                      QStringLiteral("<INPUT NAME=q SIZE=30 MAXLENGTH=200 VALUE=\"\">"),
                      QStringLiteral("<INPUT TYPE=submit VALUE=Altavista>"),
                      QStringLiteral("</FORM>")});
    case 1:
        return lines(
            {QStringLiteral("<FORM NAME=search ACTION=") + url + QStringLiteral(" METHOD=get>"),
             QStringLiteral("<INPUT TYPE=hidden NAME=trace VALUE=a>"),
             QStringLiteral("<INPUT NAME=search SIZE=30>"),
             QStringLiteral("<INPUT TYPE=submit VALUE=Excite>"), QStringLiteral("</FORM>")});
    case 2:
        return lines({QStringLiteral("<FORM ACTION=\"") + url + QStringLiteral("\">"),
                      QStringLiteral("<INPUT SIZE=30 NAME=p><INPUT TYPE=submit VALUE=Yahoo>"),
                      QStringLiteral("</FORM>")});
    default:
        // The services added since: one box and a button, sent as a GET.
        return lines({QStringLiteral("<FORM METHOD=GET ACTION=\"") + url + QStringLiteral("\">"),
                      QStringLiteral("<INPUT NAME=") + services[index].queryField +
                          QStringLiteral(" SIZE=30 MAXLENGTH=200>"),
                      QStringLiteral("<INPUT TYPE=submit VALUE=\"") + services[index].name +
                          QStringLiteral("\">"),
                      QStringLiteral("</FORM>")});
    }
}

} // namespace scripts
