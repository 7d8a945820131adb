// SPDX-License-Identifier: GPL-3.0-or-later
// Every generator that writes another language into a page or a world keeps
// typed text inside its string or value: a text with both quotes, a
// backslash, '<', '&' and a line break goes through each one, and what comes
// out still reads as that language and gives the text back. VRML is read by
// Debian's tovrmlx3d, JavaScript by QJSEngine, and VBScript string
// expressions and style sheets by the small readers below.

#include "builders/graphicslogic.h"
#include "builders/linkslogic.h"
#include "generators/effectslogic.h"
#include "generators/inlinestylelogic.h"
#include "generators/quickstartlogic.h"
#include "generators/randomscriptslogic.h"
#include "generators/vrmlbuilderlogic.h"
#include "support/files.h"
#include "support/htmltags.h"
#include "support/program.h"

#include <functional>
#include <QJSEngine>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Typed = QStringLiteral("He said \"hi\" & it's <b>\\ ok</style></script>\r\nnext");

// A style sheet declaration, its value with escapes and quotes read.
struct Declaration
{
    QString property;
    QString value;
};

bool isHex(QChar ch)
{
    return ch.isDigit() || (ch.toLower() >= u'a' && ch.toLower() <= u'f');
}

// The value as a browser reads it: escapes resolved, string quotes gone.
QString cssDecode(const QString &raw)
{
    QString out;
    QChar quote;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar ch = raw.at(i);
        if (ch == u'\\' && i + 1 < raw.size()) {
            qsizetype j = i + 1;
            while (j < raw.size() && j - i <= 6 && isHex(raw.at(j)))
                ++j;
            if (j > i + 1) {
                out += QChar(char16_t(raw.mid(i + 1, j - i - 1).toUInt(nullptr, 16)));
                if (j < raw.size() && raw.at(j).isSpace())
                    ++j;
                i = j - 1;
            } else {
                out += raw.at(++i);
            }
        } else if (!quote.isNull() && ch == quote) {
            quote = QChar();
        } else if (quote.isNull() && (ch == u'"' || ch == u'\'')) {
            quote = ch;
        } else {
            out += ch;
        }
    }
    return out;
}

// Splits at `separator` outside strings and brackets; an empty list with
// `error` set when a string is cut by a line end or a bracket is unpaired.
QStringList splitCss(const QString &text, QChar separator, QString &error)
{
    QStringList parts;
    QString part;
    QChar quote;
    QString closers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\\' && i + 1 < text.size()) {
            part += ch;
            part += text.at(++i);
            continue;
        }
        if (!quote.isNull()) {
            if (ch == u'\r' || ch == u'\n') {
                error = QStringLiteral("a line end cuts a string: ") + part;
                return {};
            }
            if (ch == quote)
                quote = QChar();
        } else if (ch == u'"' || ch == u'\'') {
            quote = ch;
        } else if (ch == u'(' || ch == u'[' || ch == u'{') {
            closers += ch == u'(' ? u')' : ch == u'[' ? u']' : u'}';
        } else if (ch == separator &&
                   closers == (separator == u'}' ? QStringLiteral("}") : QString())) {
            // A rule ends with the '}' of its block, a declaration at a ';'
            // outside brackets.
            closers.clear();
            parts << part;
            part.clear();
            continue;
        } else if (ch == u')' || ch == u']' || ch == u'}') {
            if (closers.isEmpty() || closers.back() != ch) {
                error = QStringLiteral("unpaired ") + ch;
                return {};
            }
            closers.chop(1);
        }
        part += ch;
    }
    if (!quote.isNull() || !closers.isEmpty()) {
        error = QStringLiteral("unclosed string or bracket");
        return {};
    }
    parts << part;
    return parts;
}

bool readDeclarations(const QString &block, QList<Declaration> &out, QString &error)
{
    static const QRegularExpression declaration(QStringLiteral("^\\s*([-A-Za-z]+)\\s*:(.*)$"),
                                                QRegularExpression::DotMatchesEverythingOption);
    const QStringList parts = splitCss(block, u';', error);
    if (!error.isEmpty())
        return false;
    for (const QString &part : parts) {
        if (part.trimmed().isEmpty())
            continue;
        const QRegularExpressionMatch m = declaration.match(part);
        if (!m.hasMatch()) {
            error = QStringLiteral("not a declaration: ") + part;
            return false;
        }
        out.append({m.captured(1), cssDecode(m.captured(2).trimmed())});
    }
    return true;
}

// A style sheet: "selector { declarations }" rules, "<!--" and "-->" around.
bool readStyleSheet(QString sheet, QList<Declaration> &out, QString &error)
{
    sheet.replace(QLatin1String("<!--"), QLatin1String(" "));
    sheet.replace(QLatin1String("-->"), QLatin1String(" "));
    const QStringList rules = splitCss(sheet, u'}', error);
    if (!error.isEmpty())
        return false;
    for (const QString &rule : rules) {
        if (rule.trimmed().isEmpty())
            continue;
        const qsizetype open = rule.indexOf(u'{');
        if (open < 0) {
            error = QStringLiteral("a rule without a block: ") + rule;
            return false;
        }
        if (!readDeclarations(rule.mid(open + 1), out, error))
            return false;
    }
    return true;
}

// The text a VBScript expression of string literals joined by "&" with
// vbCrLf, vbLf and vbCr stands for; nullopt when it is not one.
std::optional<QString> vbText(const QString &expression)
{
    QString out;
    qsizetype i = 0;
    const qsizetype n = expression.size();
    auto skipBlanks = [&] {
        while (i < n && expression.at(i) == u' ')
            ++i;
    };
    for (;;) {
        skipBlanks();
        if (i < n && expression.at(i) == u'"') {
            for (++i;; ++i) {
                if (i >= n)
                    return std::nullopt;
                if (expression.at(i) == u'"') {
                    if (i + 1 < n && expression.at(i + 1) == u'"') {
                        out += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (expression.at(i) == u'\r' || expression.at(i) == u'\n')
                    return std::nullopt;
                out += expression.at(i);
            }
        } else {
            const QString rest = expression.mid(i);
            const struct
            {
                const char *name;
                const char *text;
            } constants[] = {{"vbCrLf", "\r\n"}, {"vbLf", "\n"}, {"vbCr", "\r"}};
            bool found = false;
            for (const auto &c : constants) {
                if (rest.startsWith(QLatin1String(c.name))) {
                    out += QLatin1String(c.text);
                    i += qsizetype(qstrlen(c.name));
                    found = true;
                    break;
                }
            }
            if (!found)
                return std::nullopt;
        }
        skipBlanks();
        if (i == n)
            return out;
        if (expression.at(i) != u'&')
            return std::nullopt;
        ++i;
    }
}

struct Generator
{
    const char *name;
    const char *language; // "vrml", "javascript", "vbscript", "style sheet", "style attribute"
    std::function<QString(const QString &)> write;
};

const QList<Generator> &generators()
{
    static const QList<Generator> list{
        {"VRML text", "vrml",
         [](const QString &t) {
             vrml::VrmlOptions o;
             o.text = t;
             return vrml::buildVrmlWorld(o);
         }},
        {"VRML site map", "vrml",
         [](const QString &t) {
             vrml::VrmlOptions o;
             o.mode = vrml::Mode::Sitemap;
             o.sites = {{t, t}, {QStringLiteral("Home"), QStringLiteral("index.htm")}};
             return vrml::buildVrmlWorld(o);
         }},
        {"link box", "javascript",
         [](const QString &t) {
             links::LinkBoxOptions o;
             o.name = t;
             o.rows = {{t, t}};
             return links::buildLinkBox(o);
         }},
        {"random text", "vbscript",
         [](const QString &t) {
             randomscripts::TextOptions o;
             o.texts = {t, QStringLiteral("plain")};
             return randomscripts::buildTextScript(o);
         }},
        {"QuickStart hover colour", "style sheet",
         [](const QString &t) {
             quickstart::PageOptions o;
             o.hoverColour = t;
             return quickstart::buildPage(o);
         }},
        {"QuickStart with style", "style sheet",
         [](const QString &t) {
             quickstart::StylePageOptions o;
             o.leftMargin = t;
             o.rightMargin = t;
             o.backgroundImage = t;
             o.bodyChecked = true;
             o.body.family = t;
             o.body.colour = t;
             o.elements[0].checked = true;
             o.elements[0].font.family = t;
             o.linkChecked = o.visitedChecked = o.hoverChecked = true;
             o.linkColour = o.visitedColour = o.hoverColour = t;
             return quickstart::buildStylePage(o);
         }},
        {"inline style", "style attribute",
         [](const QString &t) {
             inlinestyle::DivOptions o;
             o.id = t;
             o.alignment = t;
             o.left.value = o.top.value = o.width.value = o.height.value = t;
             o.zIndex = t;
             o.fontChecked = o.colourChecked = o.backgroundChecked = true;
             o.font.family = t;
             o.fontColour = o.backgroundColour = t;
             return inlinestyle::buildDiv(o, QStringLiteral("selection"));
         }},
        {"3-D text", "style attribute",
         [](const QString &t) {
             effects::ThreeDTextOptions o;
             o.text = QStringLiteral("words");
             o.font = t;
             return effects::threeDText(o);
         }},
        {"gradient divider", "style attribute",
         [](const QString &t) {
             effects::DividerOptions o;
             o.height = t;
             o.steps = QStringLiteral("2");
             return effects::gradientDivider(o);
         }},
        {"image filter", "style attribute",
         [](const QString &t) {
             graphics::GraphicsOptions o;
             o.url = t;
             o.filterType = QStringLiteral("Glow Filter");
             o.filterValue = t;
             o.filterColor = t;
             return graphics::buildGraphics(o);
         }},
    };
    return list;
}

using testprogram::Reading;
using testprogram::run;

// The declarations of a page's STYLE elements or STYLE attributes.
bool pageDeclarations(const htmltags::Scan &scan, bool attributes, QList<Declaration> &out,
                      QString &error)
{
    for (const htmltags::Tag &tag : scan.tags) {
        if (!attributes && tag.name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0 &&
            !readStyleSheet(tag.rawText, out, error))
            return false;
        for (const htmltags::Attribute &a : tag.attributes) {
            if (attributes && a.name.compare(QLatin1String("style"), Qt::CaseInsensitive) == 0 &&
                !readDeclarations(a.value, out, error))
                return false;
        }
    }
    return true;
}

} // namespace

class TestEscaping : public QObject
{
    Q_OBJECT
private slots:
    void typedTextStaysInItsLanguage_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < generators().size(); ++i)
            QTest::newRow(generators().at(i).name) << i;
    }
    void typedTextStaysInItsLanguage()
    {
        QFETCH(int, index);
        const Generator &g = generators().at(index);
        const QString output = g.write(Typed);
        const QLatin1String language(g.language);

        if (language == QLatin1String("vrml")) {
            const QString reader = QStandardPaths::findExecutable(QStringLiteral("tovrmlx3d"));
            if (reader.isEmpty())
                QFAIL("tovrmlx3d not found: scripts/setup installs Debian's view3dscene");
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("world.wrl"));
            QVERIFY(testfiles::writeFile(path, output.toUtf8()));
            const Reading r = run(reader, {path, QStringLiteral("--encoding=classic")});
            QVERIFY2(r.clean(), qPrintable(r.err));
            // The reader writes the text back in its own escapes.
            QVERIFY2(r.out.contains(QStringLiteral("He said \\\"hi\\\" & it's <b>\\\\ ok")),
                     qPrintable(r.out));
            return;
        }

        const htmltags::Scan scan = htmltags::scan(output);
        QVERIFY2(scan.error.isEmpty(), qPrintable(scan.error + QStringLiteral("\n") + output));

        if (language == QLatin1String("javascript")) {
            QString script;
            for (const htmltags::Tag &tag : scan.tags) {
                for (const htmltags::Attribute &a : tag.attributes) {
                    if (a.name.compare(QLatin1String("onclick"), Qt::CaseInsensitive) == 0)
                        script = a.value;
                }
            }
            QVERIFY2(!script.isEmpty(), qPrintable(output));
            QJSEngine engine;
            engine.globalObject().setProperty(QStringLiteral("expected"), Typed);
            const QJSValue result = engine.evaluate(
                QStringLiteral("var location = {href: ''};\n"
                               "var document = {getElementById: function (id) {\n"
                               "    return id === expected ? {value: 'found'} : null; }};\n"
                               "(function () { ") +
                script + QStringLiteral(" })();\nlocation.href"));
            QVERIFY2(!result.isError(),
                     qPrintable(result.toString() + QStringLiteral(": ") + script));
            QCOMPARE(result.toString(), QStringLiteral("found"));
            return;
        }

        if (language == QLatin1String("vbscript")) {
            QStringList texts;
            for (const htmltags::Tag &tag : scan.tags) {
                if (tag.name.compare(QLatin1String("script"), Qt::CaseInsensitive) != 0)
                    continue;
                QVERIFY2(tag.rawText.endsWith(QStringLiteral("-->\r\n")), qPrintable(tag.rawText));
                static const QRegularExpression write(
                    QStringLiteral("^window\\.document\\.write\\((.*)\\)\r?$"),
                    QRegularExpression::MultilineOption);
                auto it = write.globalMatch(tag.rawText);
                while (it.hasNext()) {
                    const QString expression = it.next().captured(1);
                    const std::optional<QString> text = vbText(expression);
                    QVERIFY2(text, qPrintable(expression));
                    texts << *text;
                }
            }
            QCOMPARE(texts, QStringList({Typed, QStringLiteral("plain")}));
            return;
        }

        QList<Declaration> declarations;
        QString error;
        QVERIFY2(pageDeclarations(scan, language == QLatin1String("style attribute"), declarations,
                                  error),
                 qPrintable(error + QStringLiteral("\n") + output));
        int whole = 0;
        for (const Declaration &d : declarations) {
            // Never a piece of the text without the rest of it.
            QCOMPARE(d.value.count(QStringLiteral("He said")),
                     d.value.count(QStringLiteral("next")));
            whole += int(d.value.count(Typed));
        }
        QVERIFY2(whole > 0, qPrintable(output));
    }

    // The readers above notice what they are there to notice: each broken
    // text fails to read, or does not give back what was meant.
    void theReadersNoticeBrokenText_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("meant");
        QTest::newRow("string cut by a line end") << "style attribute"
                                                  << "<P STYLE=\"font-family: 'a\nb'\">"
                                                  << "a\nb";
        QTest::newRow("unpaired bracket") << "style attribute"
                                          << "<P STYLE=\"color: red}\">"
                                          << "red}";
        QTest::newRow("quote ends the attribute") << "style attribute"
                                                  << "<P STYLE=\"font-family: a\"b; color: red\">"
                                                  << "a\"b";
        QTest::newRow("script ended early")
            << "vbscript"
            << "<SCRIPT>\r\n<!--\r\nx = \"</script>\"\r\n-->\r\n</SCRIPT>"
            << "";
        QTest::newRow("unclosed VBScript string") << "vbscript expression"
                                                  << "\"a\"\" & \"b"
                                                  << "";
        QTest::newRow("JavaScript string cut") << "javascript"
                                               << "location.href='a\nb'"
                                               << "";
    }
    void theReadersNoticeBrokenText()
    {
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(QString, meant);
        if (language == QLatin1String("javascript")) {
            QJSEngine engine;
            QVERIFY(
                engine.evaluate(QStringLiteral("(function () { ") + text + QStringLiteral(" })"))
                    .isError());
        } else if (language == QLatin1String("vbscript expression")) {
            QVERIFY(!vbText(text));
        } else if (language == QLatin1String("vbscript")) {
            const htmltags::Scan scan = htmltags::scan(text);
            QVERIFY(!scan.tags.isEmpty());
            QVERIFY(!scan.tags.first().rawText.endsWith(QStringLiteral("-->\r\n")));
        } else {
            const htmltags::Scan scan = htmltags::scan(text);
            QList<Declaration> declarations;
            QString error;
            const bool read =
                scan.error.isEmpty() && pageDeclarations(scan, true, declarations, error);
            QStringList values;
            for (const Declaration &d : declarations)
                values << d.value;
            QVERIFY(!read || !values.contains(meant));
        }
    }
};

QTEST_MAIN(TestEscaping)
#include "test_escaping.moc"
