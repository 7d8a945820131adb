// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sidebar.h"

#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "kernel/colour.h"
#include "platform/dialogservice.h"
#include "shell/palettecatalog.h"
#include "shell/referencelists.h"
#include "shell/timedate.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPointer>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace sidebar {

void pressCustomButton(Workbench &workbench, int index)
{
    if (index < 0 || index >= int(workbench.state().customTexts.size()) ||
        !workbench.activeEditor())
        return;
    workbench.insertFragment(workbench.state().customTexts[std::size_t(index)]);
}

bool insertChosenColour(Workbench &workbench, qint64 &lastColour)
{
    if (!workbench.activeEditor())
        return false;
    const std::optional<qint64> chosen =
        workbench.dialogs().colour(workbench.mainWidget(), lastColour);
    if (!chosen)
        return false;
    lastColour = *chosen;
    // The dialog may have taken the focus or closed the document.
    if (HtmlEditor *editor = workbench.activeEditor())
        editor->setSelText(colour::html(*chosen));
    return true;
}

} // namespace sidebar

namespace {

// Return or Enter on a reference list acts like a double-click on its
// current item, so the lists work from the keyboard too.
class EnterActivates : public QObject
{
public:
    EnterActivates(SideBar *bar, int list) : QObject(bar), m_bar(bar), m_list(list) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                auto *list = static_cast<QListWidget *>(watched);
                const QListWidgetItem *item = list->currentItem();
                m_bar->activateReferenceItem(m_list,
                                             item && item->isSelected() ? list->row(item) : -1);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    SideBar *m_bar;
    int m_list;
};

// A strip of tool tabs is a row of buttons drawn as tabs: a click, or
// Space or Enter on the current tab, acts; the arrow keys move between
// them. Assistive tools meet it as a tool bar of push buttons, none of them
// "selected".
class ToolTabBar : public QTabBar
{
public:
    using QTabBar::QTabBar;
    void press(int index)
    {
        if (index >= 0 && index < count() && isTabEnabled(index))
            emit tabBarClicked(index);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press(currentIndex());
            return;
        default:
            QTabBar::keyPressEvent(event);
        }
    }
};

class ToolTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    ToolTabAccessible(ToolTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_bar ? m_bar->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return m_bar->tabText(m_index).remove(u'&');
        if (t == QAccessible::Description)
            return m_bar->tabToolTip(m_index);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = true;
        s.disabled = !m_bar->isEnabled() || !m_bar->isTabEnabled(m_index);
        s.invisible = !m_bar->isVisible();
        s.focused = m_bar->hasFocus() && m_bar->currentIndex() == m_index;
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && m_bar)
            m_bar->press(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override
    {
        return {QStringLiteral("Space")};
    }

private:
    QPointer<ToolTabBar> m_bar;
    int m_index;
};

class ToolTabBarAccessible : public QAccessibleWidget
{
public:
    explicit ToolTabBarAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::ToolBar) {}
    ~ToolTabBarAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_children))
            QAccessible::deleteAccessibleInterface(id);
    }
    ToolTabBar *bar() const { return static_cast<ToolTabBar *>(widget()); }
    int childCount() const override { return bar()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (!m_children.contains(index)) {
            QAccessibleInterface *tab = new ToolTabAccessible(bar(), index);
            m_children.insert(index, QAccessible::registerAccessibleInterface(tab));
        }
        return QAccessible::accessibleInterface(m_children.value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_children.cbegin(); it != m_children.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }

private:
    mutable QHash<int, QAccessible::Id> m_children;
};

QAccessibleInterface *toolTabBarAccessible(const QString &, QObject *object)
{
    if (auto *bar = dynamic_cast<ToolTabBar *>(object))
        return new ToolTabBarAccessible(bar);
    return nullptr;
}

constexpr int ListRows = 6; // rows a reference list shows before it wraps

// A palette caption or tip as shown: in the user's language.
QString shown(const QString &text)
{
    return QCoreApplication::translate("palette", text.toUtf8().constData());
}

QString referenceCaption(int list)
{
    for (const palette::ReferenceTab &tab : palette::referenceTabs()) {
        if (tab.list == list)
            return shown(tab.caption);
    }
    return QString();
}

} // namespace

SideBar::SideBar(Workbench &workbench, const QList<palette::ToolStrip> &strips, QWidget *parent)
    : QWidget(parent), m_workbench(workbench), m_strips(strips)
{
    setObjectName(QStringLiteral("SideBar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);

    // The palette chooser and the panel it shows.
    m_paletteChooser = new QTabBar(this);
    m_paletteChooser->setObjectName(QStringLiteral("TabStrip1"));
    m_paletteChooser->setAccessibleName(tr("Palettes"));
    m_paletteChooser->setExpanding(false);
    m_paletteChooser->setUsesScrollButtons(true);
    m_palettes = new QStackedWidget(this);
    m_palettes->setObjectName(QStringLiteral("Palettes"));
    for (const palette::PaletteTab &tab : palette::paletteTabs()) {
        const int index = m_paletteChooser->addTab(shown(tab.caption));
        m_paletteChooser->setTabToolTip(index, shown(tab.toolTip));
    }
    static const bool accessibleTabs = [] {
        QAccessible::installFactory(toolTabBarAccessible);
        return true;
    }();
    Q_UNUSED(accessibleTabs);
    for (const palette::ToolStrip &strip : m_strips) {
        auto *bar = new ToolTabBar(m_palettes);
        bar->setObjectName(strip.name);
        for (const palette::PaletteTab &tab : palette::paletteTabs()) {
            if (tab.panel == strip.name)
                bar->setAccessibleName(shown(tab.caption));
        }
        bar->setExpanding(false);
        bar->setUsesScrollButtons(true);
        bar->setShape(QTabBar::RoundedSouth);
        bar->setDrawBase(false);
        for (const palette::ToolTab &tab : strip.tabs) {
            const int index = bar->addTab(shown(tab.caption));
            if (!tab.toolTip.isEmpty())
                bar->setTabToolTip(index, shown(tab.toolTip));
        }
        // A tab already current must act again: tabBarClicked reports every
        // click, currentChanged only changes.
        const QString name = strip.name;
        connect(bar, &QTabBar::tabBarClicked, this, [this, name](int index) {
            if (index >= 0)
                clickToolTab(name, index);
        });
        m_toolStrips << bar;
        m_palettes->addWidget(bar);
    }
    m_palettes->addWidget(buildCharacterPanel());
    connect(m_paletteChooser, &QTabBar::currentChanged, this, &SideBar::showPalette);
    layout->addWidget(m_paletteChooser);
    layout->addWidget(m_palettes);
    layout->addSpacing(4);

    // The reference lists.
    m_referenceChooser = new QTabBar(this);
    m_referenceChooser->setObjectName(QStringLiteral("TabStrip2"));
    m_referenceChooser->setAccessibleName(tr("Reference Lists"));
    m_referenceChooser->setExpanding(false);
    m_referenceChooser->setUsesScrollButtons(true);
    for (const palette::ReferenceTab &tab : palette::referenceTabs()) {
        const int index = m_referenceChooser->addTab(shown(tab.caption));
        if (!tab.toolTip.isEmpty())
            m_referenceChooser->setTabToolTip(index, shown(tab.toolTip));
    }
    m_lists = new QStackedWidget(this);
    m_lists->setObjectName(QStringLiteral("List8"));
    m_referenceLists.resize(6);
    m_referenceLists[palette::TagsList] = makeList(palette::TagsList, palette::tagNames());
    m_referenceLists[palette::AttributesList] =
        makeList(palette::AttributesList, palette::attributeNames());
    m_referenceLists[palette::TimeDateList] = makeList(palette::TimeDateList, {});
    m_referenceLists[palette::FacesList] = makeList(palette::FacesList, palette::faces());
    m_referenceLists[palette::CustomList] =
        makeList(palette::CustomList, m_workbench.state().customTags);
    m_referenceLists[palette::JavaScriptList] =
        makeList(palette::JavaScriptList, palette::javaScriptTopics());
    for (QListWidget *list : m_referenceLists)
        m_lists->addWidget(list);
    // A few rows are enough: the lists wrap into columns and scroll sideways.
    QListWidget *tags = m_referenceLists[palette::TagsList];
    m_lists->setFixedHeight(ListRows * (tags->sizeHintForRow(0) + 2 * tags->spacing()) +
                            tags->horizontalScrollBar()->sizeHint().height() +
                            2 * tags->frameWidth() + 2);
    refreshTimeDate();
    // The Time/Date list holds the time of the last click on its tab.
    connect(m_referenceChooser, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && palette::referenceTabs().at(index).list == palette::TimeDateList)
            refreshTimeDate();
    });
    connect(m_referenceChooser, &QTabBar::currentChanged, this, &SideBar::showReferenceTab);
    layout->addWidget(m_referenceChooser);
    layout->addWidget(m_lists);

    showPalette(0);
    showReferenceTab(0);
}

QWidget *SideBar::buildCharacterPanel()
{
    auto *panel = new QWidget(m_palettes);
    panel->setObjectName(QLatin1String(palette::CharacterPanel));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(6);
    const QList<palette::CharacterCombo> &combos = palette::characterCombos();
    for (int c = 0; c < combos.size(); ++c) {
        const palette::CharacterCombo &entry = combos.at(c);
        auto *label = new QLabel(shown(entry.label), panel);
        auto *combo = new QComboBox(panel);
        combo->setObjectName(entry.name);
        label->setBuddy(combo);
        combo->setAccessibleName(shown(entry.label));
        for (const palette::CharacterItem &item : entry.items) {
            combo->addItem(item.character, item.reference);
            combo->setItemData(combo->count() - 1, item.reference, Qt::ToolTipRole);
        }
        combo->setCurrentIndex(-1);
        combo->setMinimumContentsLength(3);
        // activated, not currentIndexChanged: choosing the shown item again
        // inserts it again.
        connect(combo, &QComboBox::activated, this,
                [this, c](int item) { chooseCharacter(c, item); });
        m_combos << combo;
        row->addWidget(label);
        row->addWidget(combo);
        row->addSpacing(12);
    }
    row->addStretch(1);
    return panel;
}

QListWidget *SideBar::makeList(int list, const QStringList &items)
{
    auto *widget = new QListWidget(m_lists);
    widget->setObjectName(QStringLiteral("List8_%1").arg(list));
    widget->setAccessibleName(referenceCaption(list));
    // Columns that wrap sideways suit a bar that is wide and low.
    widget->setFlow(QListView::TopToBottom);
    widget->setWrapping(true);
    widget->setResizeMode(QListView::Adjust);
    widget->setSpacing(1);
    widget->addItems(items);
    connect(widget, &QListWidget::itemDoubleClicked, this,
            [this, widget, list](QListWidgetItem *item) {
                activateReferenceItem(list, item ? widget->row(item) : -1);
            });
    widget->installEventFilter(new EnterActivates(this, list));
    return widget;
}

void SideBar::showPalette(int tab)
{
    const QList<palette::PaletteTab> &tabs = palette::paletteTabs();
    if (tab < 0 || tab >= tabs.size())
        return;
    const QString panel = tabs.at(tab).panel;
    for (int i = 0; i < m_palettes->count(); ++i) {
        if (m_palettes->widget(i)->objectName() == panel) {
            m_palettes->setCurrentIndex(i);
            break;
        }
    }
    if (m_paletteChooser->currentIndex() != tab)
        m_paletteChooser->setCurrentIndex(tab);
}

void SideBar::showReferenceTab(int tab)
{
    const QList<palette::ReferenceTab> &tabs = palette::referenceTabs();
    if (tab < 0 || tab >= tabs.size())
        return;
    const palette::ReferenceList list = tabs.at(tab).list;
    if (list == palette::TimeDateList)
        refreshTimeDate();
    m_lists->setCurrentWidget(m_referenceLists.at(list));
    if (m_referenceChooser->currentIndex() != tab)
        m_referenceChooser->setCurrentIndex(tab);
}

QWidget *SideBar::currentPalette() const
{
    return m_palettes->currentWidget();
}

QTabBar *SideBar::toolStrip(const QString &name) const
{
    for (QTabBar *bar : m_toolStrips) {
        if (bar->objectName() == name)
            return bar;
    }
    return nullptr;
}

QListWidget *SideBar::referenceList(int list) const
{
    return m_referenceLists.value(list);
}

QComboBox *SideBar::characterCombo(int combo) const
{
    return m_combos.value(combo);
}

void SideBar::setDocumentsOpen(bool open)
{
    m_paletteChooser->setEnabled(open);
    for (QTabBar *bar : m_toolStrips)
        bar->setEnabled(open);
}

void SideBar::refreshCustomList()
{
    QListWidget *list = m_referenceLists.at(palette::CustomList);
    list->clear();
    list->addItems(m_workbench.state().customTags);
}

void SideBar::refreshTimeDate()
{
    QListWidget *list = m_referenceLists.at(palette::TimeDateList);
    list->clear();
    list->addItems(palette::timeDateEntries(QDateTime::currentDateTime(), QLocale()));
}

bool SideBar::quickColor()
{
    return sidebar::insertChosenColour(m_workbench, m_lastColour);
}

void SideBar::clickToolTab(const QString &strip, int tab)
{
    const palette::ToolStrip *entry = palette::findToolStrip(m_strips, strip);
    QTabBar *bar = toolStrip(strip);
    if (!entry || !bar || tab < 0 || tab >= entry->tabs.size())
        return;
    if (!bar->isEnabled() || !bar->isTabEnabled(tab))
        return;
    HtmlEditor *editor = m_workbench.activeEditor();
    if (!editor)
        return;
    const palette::ToolTab &action = entry->tabs.at(tab);
    switch (action.action) {
    case palette::ToolAction::OpenBuilder:
        m_workbench.openBuilder(action.builder);
        break;
    case palette::ToolAction::QuickColor:
        quickColor();
        break;
    case palette::ToolAction::Wrap:
        m_workbench.wrapSelection(action.first, action.last);
        break;
    case palette::ToolAction::Insert:
    case palette::ToolAction::InsertBeforeSelection:
        if (const std::optional<QString> fragment =
                palette::toolFragment(action, editor->selText()))
            m_workbench.insertFragment(*fragment);
        break;
    }
}

void SideBar::chooseCharacter(int combo, int item)
{
    const QList<palette::CharacterCombo> &combos = palette::characterCombos();
    if (combo < 0 || combo >= combos.size() || item < 0 || item >= combos.at(combo).items.size())
        return;
    if (HtmlEditor *editor = m_workbench.activeEditor())
        editor->setSelText(combos.at(combo).items.at(item).reference);
}

void SideBar::activateReferenceItem(int list, int row)
{
    HtmlEditor *editor = m_workbench.activeEditor();
    QListWidget *widget = referenceList(list);
    if (!editor || !widget)
        return;
    const QListWidgetItem *item = row >= 0 ? widget->item(row) : nullptr;
    const QString text = item ? item->text() : QString();
    switch (list) {
    case palette::TagsList:
        if (const std::optional<QString> fragment = palette::tagFragment(text, editor->selText()))
            m_workbench.insertFragment(*fragment);
        break;
    case palette::JavaScriptList:
        if (const std::optional<QString> name = palette::javaScriptText(row))
            editor->setSelText(*name);
        break;
    case palette::CustomList:
        if (item)
            m_workbench.insertFragment(text);
        break;
    case palette::AttributesList:
    case palette::TimeDateList:
    case palette::FacesList:
        if (item)
            editor->setSelText(text);
        break;
    default:
        break;
    }
}
