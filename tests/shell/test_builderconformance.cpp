// SPDX-License-Identifier: GPL-3.0-or-later
// What every builder and tool window in the registry shares: its menu
// items and palette tabs are where its row puts them and open it, it holds
// the main window while shown, centres itself, names every control (combos
// and spins by a caption beside them, their values readable), gives every
// caption its own mnemonic, opens on its first field with Enter pressing
// OK, Cancel and Escape insert nothing, OK inserts one fragment that one
// Undo removes, a typed quote stays inside its attribute, and number fields
// take numbers only.

#include "editor/insertion.h"
#include "kernel/builderids.h"
#include "kernel/mnemonics.h"
#include "kernel/settingsstore.h"
#include "shell/builderregistry.h"
#include "shell/mainwindow.h"
#include "shell/sidebar.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "support/htmltags.h"
#include "widgets/formkit.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QTextEdit>
#include <QToolTip>

namespace {

const QString Before = QStringLiteral("before|after");

// Every question and message a window put, in order.
QStringList asked(const ScriptedDialogs &dialogs)
{
    QStringList out;
    for (const ScriptedDialogs::Asked &a : dialogs.asked)
        out << a.kind + u':' + a.text;
    return out;
}

QWidget *openRow(FakeWorkbench &bench, const registry::BuilderRow &row)
{
    bench.editor->setDocumentText(Before);
    bench.editor->select(6, 1);
    // The properties window describes a file; the others open without one.
    QString argument;
    if (row.id == QLatin1String("FileProperties")) {
        argument = bench.dir.filePath(QStringLiteral("notes.txt"));
        QFile file(argument);
        if (!file.open(QIODevice::WriteOnly) || file.write("notes") != 5)
            return nullptr;
    }
    return row.open(bench, argument);
}

// Controls a person types into or chooses from, not the parts that
// composite widgets are made of.
bool isControl(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QTabBar *>(p) || qobject_cast<const QAbstractItemView *>(p) ||
            qobject_cast<const QTextEdit *>(p) || qobject_cast<const QPlainTextEdit *>(p))
            return false;
    }
    if (qobject_cast<const QAbstractSlider *>(w) && w->parentWidget() &&
        w->parentWidget()->inherits("QAbstractScrollArea"))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QAbstractButton *>(w) || qobject_cast<const SpinArrows *>(w) ||
           qobject_cast<const QAbstractSlider *>(w);
}

// The windows the main window shows now.
QSet<QWidget *> shownWindows(const QWidget &main)
{
    QSet<QWidget *> shown;
    for (QWidget *w : main.findChildren<QWidget *>()) {
        if (w->isWindow() && w->isVisible())
            shown.insert(w);
    }
    return shown;
}

// What a window wrote into the document: the text between "before" and
// "after".
QString inserted(const FakeWorkbench &bench)
{
    QString text = bench.editor->documentText();
    if (!text.startsWith(QStringLiteral("before")) || !text.endsWith(QStringLiteral("after")))
        return QString();
    return text.mid(6, text.size() - 11);
}

// Every single-line field a person types into: line edits (not the ones
// inside combos) and editable combos, enabled.
QList<QWidget *> typedFields(QWidget *window)
{
    QList<QWidget *> fields;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!isControl(w) || !w->isEnabled())
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(w); edit && !edit->isReadOnly())
            fields << w;
        else if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->isEditable())
            fields << w;
    }
    return fields;
}

void setFieldText(QWidget *field, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setEditText(text);
    else
        static_cast<QLineEdit *>(field)->setText(text);
}

QLineEdit *typingPart(QWidget *field)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        return combo->lineEdit();
    return static_cast<QLineEdit *>(field);
}

QPushButton *okButton(QWidget *window)
{
    for (QDialogButtonBox *box : window->findChildren<QDialogButtonBox *>()) {
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                return qobject_cast<QPushButton *>(b);
        }
    }
    return nullptr;
}

// The captions shown now that carry a mnemonic.
QStringList mnemonicCaptions(QWidget *window)
{
    QStringList captions;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty())
            captions << b->text();
        else if (auto *label = qobject_cast<QLabel *>(w); label && label->buddy())
            captions << label->text();
        else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                captions << tabs->tabText(i);
        }
    }
    return captions;
}

QPushButton *cancelButton(QWidget *window)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("&Cancel") || b->text() == QLatin1String("Cancel"))
            return b;
    }
    return nullptr;
}

} // namespace

class TestBuilderConformance : public QObject
{
    Q_OBJECT
    static void everyRow()
    {
        QTest::addColumn<QString>("id");
        for (const registry::BuilderRow &row : registry::rows())
            QTest::newRow(qPrintable(row.id)) << row.id;
    }

private slots:
    void menuItemsAndTabsOpenTheRow_data() { everyRow(); }
    void holdsTheMainWindowAndCentres_data() { everyRow(); }
    void everyControlHasAName_data() { everyRow(); }
    void cancelAndEscapeInsertNothing_data() { everyRow(); }
    void okInsertsOneUndoStep_data() { everyRow(); }
    void combosAndSpinsSayTheirCaptionAndValue_data() { everyRow(); }
    void captionsHaveMnemonicsOfTheirOwn_data() { everyRow(); }
    void opensOnItsFirstFieldAndEnterIsOk_data() { everyRow(); }
    void typedQuotesStayInTheirAttribute_data() { everyRow(); }
    void numberFieldsTakeOnlyNumbers_data() { everyRow(); }

    void menuItemsAndTabsOpenTheRow()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        MainWindow main(bench.store, bench.scripted, false);
        for (const menutree::Item &item : row.menuItems) {
            QAction *action = main.action(QLatin1String(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromUtf8(item.caption));
            auto *menu = main.findChild<QMenu *>(QLatin1String(item.menu));
            QVERIFY2(menu && menu->actions().contains(action), item.menu);
            QVERIFY(action->isEnabled());
            if (id == QLatin1String("FileProperties"))
                continue; // it describes the file selected in the site pane: none here
            const QSet<QWidget *> before = shownWindows(main);
            action->trigger();
            const QSet<QWidget *> opened = shownWindows(main) - before;
            QCOMPARE(opened.size(), 1);
            (*opened.begin())->close();
            gui::flushDeletes();
        }
        auto *side = main.findChild<SideBar *>();
        QVERIFY(side);
        for (const registry::PaletteTab &tab : row.paletteTabs) {
            QTabBar *strip = side->toolStrip(QLatin1String(tab.strip));
            QVERIFY2(strip && tab.position < strip->count(), tab.strip);
            QCOMPARE(strip->tabText(tab.position), QString::fromUtf8(tab.caption));
            QCOMPARE(strip->tabToolTip(tab.position), QString::fromUtf8(tab.toolTip));
            const palette::ToolStrip *placed =
                palette::findToolStrip(registry::toolStrips(), QLatin1String(tab.strip));
            QCOMPARE(placed->tabs.at(tab.position).builder, row.id);
        }
    }

    void holdsTheMainWindowAndCentres()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!bench.main.isEnabled());
        QVERIFY(window->isEnabled());
        const QPoint centre = window->frameGeometry().center();
        const QPoint screen = window->screen()->geometry().center();
        QVERIFY2((centre - screen).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
        QCOMPARE(bench.scripted.asked.size(), 0);
    }

    void everyControlHasAName()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QStringList nameless;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!isControl(w))
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
                nameless << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                          w->metaObject()->className());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    }

    void cancelAndEscapeInsertNothing()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        QTest::keyClick(window, Qt::Key_Escape);
        gui::flushDeletes();
        QVERIFY(!window || !window->isVisible());
        QVERIFY(bench.main.isEnabled());
        QCOMPARE(bench.editor->documentText(), Before);

        window = openRow(bench, row);
        if (QPushButton *cancel = cancelButton(window)) {
            QTest::mouseClick(cancel, Qt::LeftButton);
            gui::flushDeletes();
            QVERIFY(!window || !window->isVisible());
            QVERIFY(bench.main.isEnabled());
            QCOMPARE(bench.editor->documentText(), Before);
        }
        QCOMPARE(bench.scripted.asked.size(), 0);
    }

    void okInsertsOneUndoStep()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        if (row.kind != registry::Kind::Builder)
            QSKIP("a tool window has no OK that inserts");
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        auto *dialog = qobject_cast<QDialog *>(window);
        QVERIFY(dialog);
        if (row.takes == FileRole::Image)
            bench.scripted.answer(QString()); // no ALT text after all
        dialog->accept();
        gui::flushDeletes();
        QVERIFY(!window || !window->isVisible());
        QVERIFY(bench.main.isEnabled());
        const QString after = bench.editor->documentText();
        QVERIFY(after != Before);
        QVERIFY(after.startsWith(QStringLiteral("before")));
        QVERIFY(after.endsWith(QStringLiteral("after")));
        insertion::undo(*bench.editor, bench.appState);
        QCOMPARE(bench.editor->documentText(), Before);
        // One step: a second Undo has nothing left to take back and brings
        // nothing back either.
        insertion::undo(*bench.editor, bench.appState);
        QCOMPARE(bench.editor->documentText(), Before);
        QCOMPARE(bench.scripted.unexpected, 0);
    }

    // A screen reader names a combo or spin by the label related to it (on
    // this desktop a combo's own name is its value) and reads its value.
    void combosAndSpinsSayTheirCaptionAndValue()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QVERIFY(window);
        QStringList faults;
        int checked = 0;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            const bool combo = qobject_cast<QComboBox *>(w) != nullptr;
            const bool spin = qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<SpinArrows *>(w);
            if (!isControl(w) || (!combo && !spin))
                continue;
            ++checked;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QVERIFY(iface);
            QStringList captions;
            for (const auto &relation : iface->relations(QAccessible::Label))
                captions << relation.first->text(QAccessible::Name).remove(u'&').trimmed();
            captions.removeAll(QString());
            const QString value = iface->text(QAccessible::Value);
            const QString shown = combo ? static_cast<QComboBox *>(w)->currentText() : value;
            if (captions.isEmpty())
                faults << w->objectName() + QStringLiteral(": no caption related");
            if (spin && iface->role() != QAccessible::SpinBox)
                faults << w->objectName() + QStringLiteral(": not a spin box");
            if (value != shown || (spin && value.isEmpty()))
                faults << w->objectName() + QStringLiteral(": value \"%1\"").arg(value);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        if (checked == 0)
            QSKIP("no combo or spin in this window");
    }

    // Among the captions shown together (each page of a stack in turn) no
    // two share a letter, and a caption goes without one only when every
    // letter of it is taken.
    void captionsHaveMnemonicsOfTheirOwn()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QStringList faults;
        auto check = [&faults, window] {
            const QStringList captions = mnemonicCaptions(window);
            QHash<QChar, QString> owner;
            for (const QString &caption : captions) {
                const QChar letter = mnemonics::of(caption);
                if (!letter.isNull() && owner.contains(letter))
                    faults << caption + QStringLiteral(" shares it with ") + owner.value(letter);
                owner.insert(letter, caption);
            }
            for (const QString &caption : captions) {
                if (!mnemonics::of(caption).isNull())
                    continue;
                for (const QChar ch : caption) {
                    if (ch.isLetter() && ch.unicode() < 128 && !owner.contains(ch.toLower()))
                        faults << caption + QStringLiteral(" has none but '%1' is free").arg(ch);
                }
            }
        };
        check();
        for (QStackedWidget *stack : window->findChildren<QStackedWidget *>()) {
            if (stack->window() != window)
                continue;
            const int current = stack->currentIndex();
            for (int page = 0; page < stack->count(); ++page) {
                stack->setCurrentIndex(page);
                check();
            }
            stack->setCurrentIndex(current);
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    // A builder opens ready for typing, and Enter in a field does what OK
    // does.
    void opensOnItsFirstFieldAndEnterIsOk()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // The first field in the tab order (an option group counts from
        // its chosen option).
        QWidget *first = nullptr;
        for (QWidget *w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
            if (window->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
                BuilderDialog::isField(w)) {
                first = w;
                break;
            }
        }
        if (first) {
            QWidget *focused = window->focusWidget();
            QVERIFY2(focused, "nothing has the focus");
            const bool sameGroup = qobject_cast<QRadioButton *>(first) &&
                                   qobject_cast<QRadioButton *>(focused) &&
                                   first->parentWidget() == focused->parentWidget();
            QVERIFY2(focused == first || sameGroup,
                     qPrintable(QStringLiteral("%1 (%2) instead of %3")
                                    .arg(focused->objectName(), focused->metaObject()->className(),
                                         first->objectName())));
        }
        if (row.kind != registry::Kind::Builder)
            return;
        QPushButton *ok = okButton(window);
        QVERIFY(ok);
        QVERIFY(ok->isDefault());

        // Enter in the first single-line field (or in the field that has the
        // focus, unless Enter starts a new line there), against OK in a
        // fresh window.
        const QList<QWidget *> fields = typedFields(window);
        QWidget *field = fields.isEmpty() ? window->focusWidget() : fields.first();
        QVERIFY(field);
        if (qobject_cast<QTextEdit *>(field) || qobject_cast<QPlainTextEdit *>(field))
            QSKIP("Enter starts a new line in the only field");
        if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->isEditable())
            field = combo->lineEdit();
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        gui::flushDeletes();
        const QString byEnter = bench.editor->documentText();
        const QStringList enterAsked = asked(bench.scripted);

        FakeWorkbench other;
        QPointer<QWidget> again = openRow(other, row);
        QTest::mouseClick(okButton(again), Qt::LeftButton);
        gui::flushDeletes();
        QCOMPARE(byEnter, other.editor->documentText());
        QCOMPARE(enterAsked, asked(other.scripted));
        QVERIFY(byEnter != Before || !enterAsked.isEmpty());
    }

    // A value with quotes, a '>' and spaces typed into every field stays
    // one value: no attribute ends early and none is made of its pieces.
    void typedQuotesStayInTheirAttribute()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        if (row.kind != registry::Kind::Builder)
            QSKIP("a tool window inserts nothing on OK");
        const QString hostile = QStringLiteral("Qa \"Qb\" Qc'Qd>Qe");
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        const QList<QWidget *> fields = typedFields(window);
        for (QWidget *field : fields) {
            const std::optional<htmlvalues::FieldKind> kind = formkit::restriction(field);
            setFieldText(field, !kind                                  ? hostile
                                : *kind == htmlvalues::FieldKind::Word ? QStringLiteral("SRC")
                                                                       : QStringLiteral("7"));
        }
        static_cast<QDialog *>(window.data())->accept();
        gui::flushDeletes();
        const QString fragment = inserted(bench);
        QVERIFY2(!fragment.isEmpty(), qPrintable(bench.scripted.messages().join(u'|')));
        if (!fragment.contains(QStringLiteral("Qa")))
            QSKIP("no typed text reaches this builder's fragment");

        const htmltags::Scan scan = htmltags::scan(fragment);
        QVERIFY2(scan.error.isEmpty(), qPrintable(scan.error + QStringLiteral("\n") + fragment));
        const QRegularExpression attributeName(QStringLiteral("^[A-Za-z][A-Za-z0-9_:-]*$"));
        for (const htmltags::Tag &tag : scan.tags) {
            for (const htmltags::Attribute &a : tag.attributes) {
                QVERIFY2(
                    attributeName.match(a.name).hasMatch() &&
                        !QStringList({"qa", "qb", "qc", "qd", "qe"}).contains(a.name.toLower()),
                    qPrintable(tag.name + QStringLiteral(": ") + a.name + QStringLiteral("\n") +
                               fragment));
                QVERIFY2(a.value.count(QStringLiteral("Qa")) == a.value.count(QStringLiteral("Qe")),
                         qPrintable(a.name + QStringLiteral("=") + a.value));
            }
        }
    }

    // Letters typed into a number field are refused there, with the reason
    // shown; a value put there some other way stops OK with the reason.
    void numberFieldsTakeOnlyNumbers()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QList<QWidget *> numberFields;
        for (QWidget *field : typedFields(window)) {
            const std::optional<htmlvalues::FieldKind> kind = formkit::restriction(field);
            if (kind && *kind != htmlvalues::FieldKind::Word)
                numberFields << field;
        }
        if (numberFields.isEmpty())
            QSKIP("no number field in this window");
        for (QWidget *field : numberFields) {
            setFieldText(field, QString());
            QLineEdit *edit = typingPart(field);
            QTest::keyClicks(edit, QStringLiteral("x#"));
            QVERIFY2(edit->text().isEmpty(), qPrintable(field->accessibleName()));
            QVERIFY(QToolTip::isVisible());
            QCOMPARE(QToolTip::text(), field->toolTip());
            QTest::keyClicks(edit, QStringLiteral("60"));
            QCOMPARE(edit->text(), QStringLiteral("60"));
            setFieldText(field, QString());
        }
        if (row.kind != registry::Kind::Builder)
            return;
        QWidget *field = numberFields.last();
        setFieldText(field, QStringLiteral("sixty"));
        static_cast<QDialog *>(window.data())->accept();
        gui::flushDeletes();
        QVERIFY(window && window->isVisible());
        QCOMPARE(bench.editor->documentText(), Before);
        QCOMPARE(bench.scripted.messages().size(), 1);
        QVERIFY(bench.scripted.messages().first().startsWith(field->accessibleName() +
                                                             QStringLiteral(": ")));
        QVERIFY(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(TestBuilderConformance)
#include "test_builderconformance.moc"
