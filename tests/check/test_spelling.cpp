// SPDX-License-Identifier: GPL-3.0-or-later
// Spelling as one types: what is marked, the word being typed, the pop-up
// with its suggestions, the personal list and Ignore All, the page's
// language, the switch, and Tools > Spelling.

#include "check/spellhighlighter.h"
#include "check/spellingdialog.h"
#include "check/spellservice.h"
#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "support/mainrun.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Sci = QsciScintillaBase;

// The marked words, in order.
QStringList marked(HtmlEditor &editor)
{
    QStringList words;
    const long length = editor.SendScintilla(Sci::SCI_GETLENGTH);
    const long indicator = SpellHighlighter::Indicator;
    for (long at = 0; at < length;) {
        const long end = editor.SendScintilla(Sci::SCI_INDICATOREND, indicator, at);
        if (editor.SendScintilla(Sci::SCI_INDICATORVALUEAT, indicator, at)) {
            const auto *bytes = reinterpret_cast<const char *>(
                editor.SendScintilla(Sci::SCI_GETRANGEPOINTER, at, end - at));
            words << QString::fromUtf8(bytes, end - at);
        }
        if (end <= at)
            break;
        at = end;
    }
    return words;
}

// The style of every byte: marking must leave SmartColor's colours alone.
QByteArray styles(HtmlEditor &editor)
{
    QByteArray out;
    const long length = editor.SendScintilla(Sci::SCI_GETLENGTH);
    for (long at = 0; at < length; ++at)
        out += char(editor.SendScintilla(Sci::SCI_GETSTYLEAT, at));
    return out;
}

// A document window checked with a service of its own.
struct Document
{
    AppState state;
    ScriptedDialogs dialogs;
    DocumentWindow window{DocumentWindow::Kind::Plain, state, dialogs};
    SpellHighlighter *spell = nullptr;

    Document(SpellService &service, const QString &text)
    {
        window.editor()->setDocumentText(text);
        spell = new SpellHighlighter(*window.editor(), service);
    }
    HtmlEditor &editor() { return *window.editor(); }
    QStringList check()
    {
        spell->checkAll();
        return marked(editor());
    }
};

// The viewport point over the middle of a character.
QPoint pointAt(HtmlEditor &editor, long position)
{
    return QPoint(int(editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0L, position)) + 2,
                  int(editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0L, position)) +
                      int(editor.SendScintilla(Sci::SCI_TEXTHEIGHT, 0L)) / 2);
}

QStringList captions(const QMenu *menu)
{
    QStringList out;
    for (const QAction *a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT
    QTemporaryDir m_data;   // XDG_DATA_HOME, with a dictionary of made-up words
    QTemporaryDir m_config; // the personal word lists

    QString personal(const QString &name) const { return m_config.filePath(name); }

private slots:
    void initTestCase()
    {
        QDir(m_data.path()).mkpath("hunspell");
        QFile aff(m_data.filePath("hunspell/xx_XX.aff"));
        QVERIFY(aff.open(QIODevice::WriteOnly));
        aff.write("SET UTF-8\nTRY abklopruz\n");
        aff.close();
        QFile dic(m_data.filePath("hunspell/xx_XX.dic"));
        QVERIFY(dic.open(QIODevice::WriteOnly));
        dic.write("2\nzork\nblarp\n");
        dic.close();
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        SpellService service(personal("none"));
        QVERIFY2(service.installed().contains("en_US"),
                 "hunspell-en-us is missing (scripts/setup installs it)");
        QVERIFY(service.installed().contains("xx_XX"));
    }

    void marksTheTextOnly_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("text") << "<P>Teh quick brwn fox</P>" << QStringList{"Teh", "brwn"};
        QTest::newRow("tags and attributes")
            << "<FONT FACE=\"Ariall\" COLR=\"redd\">fine</FONT>" << QStringList();
        QTest::newRow("alt and title")
            << "<IMG ALT=\"Nise picture\" TITLE=\"Sunsett\" SRC=\"imagez.gif\">"
            << QStringList{"Nise", "Sunsett"};
        QTest::newRow("comment") << "<!-- wrods\r\nmore wrods -->right" << QStringList();
        QTest::newRow("script and style")
            << "<SCRIPT>\r\nvar wrods;\r\n</SCRIPT><STYLE>P {colr: red}</STYLE>" << QStringList();
        QTest::newRow("entities") << "caf&eacute; &nbsp;Teh&mdash;wrold"
                                  << QStringList{"Teh", "wrold"};
        QTest::newRow("over many lines")
            << QString("<P>good words</P>\r\n").repeated(3000) + "<P>last lne</P>"
            << QStringList{"lne"};
        QTest::newRow("a line too long to check, then a short one")
            << "<P>" + QString("wrod ").repeated(60000) + "</P>\r\n<P>last lne</P>"
            << QStringList{"lne"};
    }
    void marksTheTextOnly()
    {
        QFETCH(QString, html);
        QFETCH(QStringList, words);
        SpellService service(personal("unused"));
        service.setChosenLanguage("en_US");
        Document doc(service, html);
        doc.editor().recolour(0, doc.editor().characterLength(), AppState::defaultColors());
        const QByteArray coloured = styles(doc.editor());
        QCOMPARE(doc.check(), words);
        QCOMPARE(styles(doc.editor()), coloured);
    }

    // The word at the caret is marked once the caret leaves it.
    void typedWordWaitsForTheCaret()
    {
        SpellService service(personal("unused"));
        service.setChosenLanguage("en_US");
        Document doc(service, QString());
        service.loadNow("en_US");
        doc.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doc.window));
        QTest::keyClicks(&doc.editor(), "<P>Teh");
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(marked(doc.editor()), QStringList());
        QTest::keyClick(&doc.editor(), Qt::Key_Space);
        QTRY_COMPARE(marked(doc.editor()), QStringList{"Teh"});
        // Leaving a word by moving the caret marks it too.
        QTest::keyClicks(&doc.editor(), "quik");
        QCoreApplication::processEvents();
        QCOMPARE(marked(doc.editor()), QStringList{"Teh"});
        QTest::keyClick(&doc.editor(), Qt::Key_Home);
        QTRY_COMPARE(marked(doc.editor()), QStringList({"Teh", "quik"}));
    }

    void languageOfThePage_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QStringList>("words");
        const QString text = "<BODY>zork blarp hello</BODY>";
        QTest::newRow("LANG of the made-up language") << "<HTML LANG=\"xx\">" + text << ""
                                                      << "xx_XX" << QStringList{"hello"};
        QTest::newRow("LANG of English") << "<HTML LANG=en-US>" + text << ""
                                         << "en_US" << QStringList{"zork", "blarp"};
        QTest::newRow("the settings' choice first") << "<HTML LANG=en-US>" + text << "xx_XX"
                                                    << "xx_XX" << QStringList{"hello"};
    }
    void languageOfThePage()
    {
        QFETCH(QString, html);
        QFETCH(QString, chosen);
        QFETCH(QString, dictionary);
        QFETCH(QStringList, words);
        SpellService service(personal("unused"));
        service.setChosenLanguage(chosen);
        Document doc(service, html);
        QCOMPARE(doc.spell->dictionaryName(), dictionary);
        QCOMPARE(doc.check(), words);
    }

    // Changing the page's LANG changes the dictionary a moment later.
    void languageFollowsEdits()
    {
        SpellService service(personal("unused"));
        Document doc(service, "<HTML LANG=\"en\"><BODY>zork hello</BODY>");
        QCOMPARE(doc.spell->dictionaryName(), QStringLiteral("en_US"));
        doc.editor().select(12, 2);
        doc.editor().setSelText("xx");
        QTRY_COMPARE(doc.spell->dictionaryName(), QStringLiteral("xx_XX"));
        QCOMPARE(doc.check(), QStringList{"hello"});
    }

    void switchedOff()
    {
        SpellService service(personal("unused"));
        service.setChosenLanguage("en_US");
        Document doc(service, "<P>Teh end</P>");
        QCOMPARE(doc.check(), QStringList{"Teh"});
        service.setLive(false);
        QCOMPARE(marked(doc.editor()), QStringList());
        QCOMPARE(
            doc.editor().SendScintilla(Sci::SCI_INDICGETSTYLE, long(SpellHighlighter::Indicator)),
            long(Sci::INDIC_HIDDEN));
        service.setLive(true);
        QCOMPARE(doc.check(), QStringList{"Teh"});
    }

    // The pop-up of a misspelt word: suggestions, Add to Dictionary and
    // Ignore All above the usual items; the list is kept, the ignored
    // words only for the session.
    void popup()
    {
        MainRun run;
        run.store.save("Lorimel3", "Settings", "SpellLanguage", "en_US");
        MainWindow *main = run.start();
        QCOMPARE(main->action("mnuSpellingItem")->shortcut(), QKeySequence(Qt::Key_F7));
        HtmlEditor *editor = main->activeEditor();
        editor->setDocumentText("<P>wrold Teh zzxq fine</P>");
        SpellHighlighter *spell = SpellHighlighter::of(editor);
        QVERIFY(spell);
        spell->checkAll();
        QCOMPARE(marked(*editor), QStringList({"wrold", "Teh", "zzxq"}));

        const auto popupAt = [&](long position) -> QMenu * {
            delete main->findChild<QMenu *>("SpellingPop");
            emit editor->customContextMenuRequested(pointAt(*editor, position));
            return main->findChild<QMenu *>("SpellingPop");
        };
        QMenu *menu = popupAt(4);
        QVERIFY(menu);
        const QStringList items = captions(menu);
        const QList<QAction *> suggestions =
            menu->findChildren<QAction *>("mnuSuggestionItem", Qt::FindDirectChildrenOnly);
        QVERIFY(suggestions.size() >= 1 && suggestions.size() <= 8);
        QVERIFY2(items.contains("world"), qPrintable(items.join('|')));
        QVERIFY(items.contains("Add to Dictionary"));
        QVERIFY(items.contains("Ignore All"));
        // The document's own pop-up items follow, after a separator.
        QCOMPARE(items.mid(items.indexOf("Ignore All") + 2, 1),
                 QStringList{main->action("mnuPopEditElementItem")->text()});
        for (QAction *a : suggestions) {
            if (a->text() == "world")
                a->trigger();
        }
        QCOMPARE(editor->documentText(), QStringLiteral("<P>world Teh zzxq fine</P>"));

        // Added: kept in the personal list in the settings folder.
        menu = popupAt(10);
        QVERIFY(menu);
        menu->findChild<QAction *>("mnuAddWordItem")->trigger();
        QFile list(run.store.directory() + "/personal-dictionary.txt");
        QVERIFY(list.open(QIODevice::ReadOnly));
        QCOMPARE(list.readAll(), QByteArray("Teh\n"));
        // Ignored: for this session.
        menu = popupAt(14);
        QVERIFY(menu);
        menu->findChild<QAction *>("mnuIgnoreAllItem")->trigger();
        spell->checkAll();
        QCOMPARE(marked(*editor), QStringList());
        // A right word gives the usual pop-up.
        QVERIFY(!popupAt(19));

        SpellService nextSession(run.store.directory() + "/personal-dictionary.txt");
        nextSession.setChosenLanguage("en_US");
        Document doc(nextSession, "<P>Teh zzxq</P>");
        QCOMPARE(doc.check(), QStringList{"zzxq"});
        QCOMPARE(run.dialogs.unexpected, 0);
    }

    // Tools > Spelling: from the caret to the end, then from the start to
    // the caret. Steps: "C:word" change to, "A:word" change all, "I"
    // ignore, "D" add to the dictionary.
    void dialogWalks_data()
    {
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("text");
        const QString page = "<P>Teh cat saw teh dog. Teh end, wrold, zzxq.</P><!-- teh -->";
        QTest::newRow("from the start")
            << 0 << "C:The A:the I D I" << QStringList{"Teh", "teh", "Teh", "wrold", "zzxq"}
            << "<P>The cat saw the dog. Teh end, wrold, zzxq.</P><!-- teh -->";
        QTest::newRow("from the middle, round to the caret")
            << int(page.indexOf("Teh end")) << "I I I I C:the"
            << QStringList{"Teh", "wrold", "zzxq", "Teh", "teh"}
            << "<P>Teh cat saw the dog. Teh end, wrold, zzxq.</P><!-- teh -->";
        QTest::newRow("change all then changed on the way")
            << 0 << "A:The I I I" << QStringList{"Teh", "teh", "wrold", "zzxq"}
            << "<P>The cat saw teh dog. The end, wrold, zzxq.</P><!-- teh -->";
    }
    void dialogWalks()
    {
        QFETCH(int, caret);
        QFETCH(QString, steps);
        QFETCH(QStringList, seen);
        QFETCH(QString, text);
        const QString page = "<P>Teh cat saw teh dog. Teh end, wrold, zzxq.</P><!-- teh -->";
        QTemporaryDir dir;
        SpellService service(dir.filePath("words.txt"));
        service.setChosenLanguage("en_US");
        Document doc(service, page);
        doc.editor().setSelStart(caret);
        SpellingDialog dialog(doc.editor(), service, doc.dialogs);
        QStringList words;
        for (const QString &step : steps.split(' ')) {
            words << dialog.word();
            if (step.startsWith("C:") || step.startsWith("A:")) {
                auto *to = dialog.findChild<QLineEdit *>("txtChangeTo");
                to->setText(step.mid(2));
                QTest::mouseClick(dialog.findChild<QPushButton *>(
                                      step.startsWith("C") ? "cmdChange" : "cmdChangeAll"),
                                  Qt::LeftButton);
            } else {
                QTest::mouseClick(
                    dialog.findChild<QPushButton *>(step == "I" ? "cmdIgnore" : "cmdAdd"),
                    Qt::LeftButton);
            }
        }
        QCOMPARE(words, seen);
        QCOMPARE(dialog.word(), QString());
        QCOMPARE(dialog.findChild<QLabel *>("lblSpellStatus")->text(),
                 QStringLiteral("The spelling check is complete."));
        QVERIFY(!dialog.findChild<QPushButton *>("cmdChange")->isEnabled());
        QCOMPARE(doc.editor().documentText(), text);
        if (steps.contains('D')) {
            QFile list(dir.filePath("words.txt"));
            QVERIFY(list.open(QIODevice::ReadOnly));
            QCOMPARE(list.readAll(), QByteArray("wrold\n"));
        }
        QCOMPARE(doc.dialogs.unexpected, 0);
    }

    // A personal list that cannot be written: the word stays misspelt and
    // the user is told why.
    void addThatCannotBeSaved()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SpellService service(dir.filePath("file/words.txt"));
        service.setChosenLanguage("en_US");
        Document doc(service, "<P>zzxq</P>");
        SpellingDialog dialog(doc.editor(), service, doc.dialogs);
        QCOMPARE(dialog.word(), QStringLiteral("zzxq"));
        dialog.add();
        QCOMPARE(doc.dialogs.messages().size(), 1);
        QVERIFY(doc.dialogs.messages().first().startsWith(
            "The word could not be added to your dictionary."));
        QCOMPARE(dialog.word(), QStringLiteral("zzxq"));
        QCOMPARE(doc.check(), QStringList{"zzxq"});
    }

    // Change All is one step of the undo history.
    void changeAllUndoesAtOnce()
    {
        SpellService service(personal("unused"));
        service.setChosenLanguage("en_US");
        Document doc(service, "<P>teh one, teh two, teh three</P>");
        SpellingDialog dialog(doc.editor(), service, doc.dialogs);
        dialog.findChild<QLineEdit *>("txtChangeTo")->setText("the");
        dialog.changeAll();
        QCOMPARE(doc.editor().documentText(), QStringLiteral("<P>the one, the two, the three</P>"));
        doc.editor().undo();
        QCOMPARE(doc.editor().documentText(), QStringLiteral("<P>teh one, teh two, teh three</P>"));
    }
};

QTEST_MAIN(TestSpelling)
#include "test_spelling.moc"
