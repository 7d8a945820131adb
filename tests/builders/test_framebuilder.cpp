// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/framebuilder.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace {

// The one wizard window the main window shows.
template <class T> T *shownStep(QWidget &main, const char *name)
{
    for (T *w : main.findChildren<T *>(QLatin1String(name), Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            return w;
    }
    return nullptr;
}

QColor background(QWidget *picture)
{
    return picture->grab().toImage().pixelColor(2, 2);
}

} // namespace

class TestFrameBuilder : public QObject
{
    Q_OBJECT
private slots:
    void chooseNextBackFillFinish()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("before|after"));
        wb.editor->select(6, 1);

        QPointer<FrameBuilder> first = gui::open<FrameBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(first));
        QCOMPARE(first->objectName(), QStringLiteral("Form12"));
        QCOMPARE(first->windowTitle(), QStringLiteral("Frame Builder: Part1"));
        FIND(QWidget, picture1, first, "Picture1");
        FIND(QWidget, picture4, first, "Picture4");
        QCOMPARE(background(picture1), FrameLayoutPicture::chosenColour());
        QCOMPARE(background(picture4), FrameLayoutPicture::otherColour());
        gui::click(first, "Picture4");
        QCOMPARE(first->chosenLayout(), 4);
        QCOMPARE(background(picture1), FrameLayoutPicture::otherColour());
        QCOMPARE(background(picture4), FrameLayoutPicture::chosenColour());

        // Next, then Back: a fresh first step; the main window stays held.
        gui::click(first, "Command1");
        gui::flushDeletes();
        QVERIFY(!first);
        QVERIFY(!wb.main.isEnabled());
        auto *second = shownStep<FrameBuilderStep2>(wb.main, "Form18");
        QVERIFY(second);
        QCOMPARE(second->windowTitle(), QStringLiteral("Frame Builder: Step 2"));
        QStringList captions;
        for (const QLabel *label : second->findChildren<QLabel *>())
            captions << label->text();
        QVERIFY(captions.contains(QStringLiteral("Width:  In Pixels or Percents")));
        gui::click(second, "Command1");
        gui::flushDeletes();
        QVERIFY(!wb.main.isEnabled());
        first = shownStep<FrameBuilder>(wb.main, "Form12");
        QVERIFY(first);
        QCOMPARE(first->chosenLayout(), 1);

        // Layout 3 filled in through its controls.
        gui::click(first, "Picture3");
        QTest::keyClick(first, Qt::Key_Return); // Enter is Next
        gui::flushDeletes();
        second = shownStep<FrameBuilderStep2>(wb.main, "Form15");
        QVERIFY(second);
        FIND(QComboBox, size1, second, "Combo1");
        FIND(QComboBox, size2, second, "Combo2");
        QVERIFY(size1->currentText().isEmpty());
        gui::type(second, "Combo1", QStringLiteral("20%"));
        gui::spin(second, "SpinButton2", true);
        QCOMPARE(size2->currentText(), QStringLiteral("5"));
        gui::spin(second, "SpinButton2", false);
        gui::spin(second, "SpinButton2", false);
        QCOMPARE(size2->currentText(), QStringLiteral("0"));
        gui::type(second, "Combo2", QStringLiteral("50%"));
        gui::type(second, "Text1", QStringLiteral("top"));
        gui::type(second, "Text2", QStringLiteral("top.htm"));
        gui::type(second, "Text3", QStringLiteral("left.htm"));  // frame 2's source
        gui::type(second, "Text5", QStringLiteral("right.htm")); // frame 3's source
        gui::click(second, "Check9");                            // frame 3: scroll bars
        gui::click(second, "Check8");                            // border
        gui::click(second, "Check7");                            // resizable
        gui::click(second, "Command2");
        gui::flushDeletes();

        QVERIFY(wb.main.isEnabled());
        QVERIFY(!shownStep<FrameBuilderStep2>(wb.main, "Form15"));
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("before<FRAMESET ROWS=\"20%, *\">\r\n"
                                "<FRAME NAME=\"top\" SRC=\"top.htm\" NORESIZE SCROLLING=NO "
                                "FRAMEBORDER=0>\r\n"
                                "<FRAMESET COLS=\"50%, *\">\r\n"
                                "<FRAME NAME=\"Frame2\" SRC=\"left.htm\" NORESIZE SCROLLING=NO "
                                "FRAMEBORDER=0>\r\n"
                                "<FRAME NAME=\"Frame3\" SRC=\"right.htm\" SCROLLING=YES "
                                "FRAMEBORDER=1>\r\n"
                                "</FRAMESET>\r\n</FRAMESET>\r\nafter"));
        QCOMPARE(wb.scripted.asked.size(), 0);
    }
};

QTEST_MAIN(TestFrameBuilder)
#include "test_framebuilder.moc"
