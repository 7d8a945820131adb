// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/randomscriptslogic.h"

#include "kernel/colour.h"
#include "kernel/htmlvalues.h"

namespace randomscripts {

namespace {

void line(QString &out, const QString &text)
{
    out += text;
    out += QStringLiteral("\r\n");
}

const QString ScriptStart = QStringLiteral("<SCRIPT language=\"VBScript\">");

} // namespace

QString buildBackgroundScript(const BackgroundOptions &options)
{
    QString out;
    line(out, QStringLiteral("<!-- Begin Random Background Color Script -->"));
    line(out, ScriptStart);
    line(out, QStringLiteral("<!--"));
    line(out, QStringLiteral("Dim Random"));
    line(out, QStringLiteral("Randomize"));
    line(out, QStringLiteral("Random = Rnd * 5"));
    for (std::size_t k = 0; k < options.colours.size(); ++k) {
        line(out, QStringLiteral("If Random < %1 AND Random > %2 Then").arg(k + 1).arg(k));
        line(out, QStringLiteral("window.document.bgColor = \"") +
                      colour::html(options.colours[k]) + QLatin1Char('"'));
        line(out, QStringLiteral("End If"));
    }
    line(out, QStringLiteral("-->"));
    line(out, QStringLiteral("</SCRIPT>"));
    line(out, QStringLiteral("<!-- End Random Background Color Script -->"));
    return out;
}

QString buildTextScript(const TextOptions &options)
{
    QString out;
    line(out, QStringLiteral("<!-- Begin Random Text Script -->"));
    line(out, ScriptStart);
    line(out, QStringLiteral("<!--"));
    line(out, QStringLiteral("Dim RandomText"));
    line(out, QStringLiteral("Randomize"));
    line(out, QStringLiteral("RandomText = Rnd * %1").arg(options.texts.size()));
    for (qsizetype i = 0; i < options.texts.size(); ++i) {
        // The second name really is spelt with a small t; VBScript does not mind.
        line(out, QStringLiteral("If RandomText < %1 AND Randomtext > %2 Then").arg(i + 1).arg(i));
        line(out, QStringLiteral("window.document.write(") +
                      htmlvalues::vbString(options.texts.at(i)) + QLatin1Char(')'));
        line(out, QStringLiteral("End If"));
    }
    line(out, QStringLiteral("-->"));
    line(out, QStringLiteral("</SCRIPT>"));
    line(out, QStringLiteral("<!-- End Random Text Script -->"));
    return out;
}

} // namespace randomscripts
