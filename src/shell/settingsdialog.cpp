// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settingsdialog.h"

#include "check/dictionary.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "widgets/colourfield.h"
#include "widgets/contrastbadge.h"
#include "widgets/formkit.h"

#include <functional>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char *const ColourCaptions[5] = {
    QT_TRANSLATE_NOOP("SettingsDialog", "Tables"), QT_TRANSLATE_NOOP("SettingsDialog", "Frames"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Links"), QT_TRANSLATE_NOOP("SettingsDialog", "Comments"),
    QT_TRANSLATE_NOOP("SettingsDialog", "Other Tags")};

double defaultFontSize()
{
    return numbers::leadingNumber(settings::setting(settings::FontSize).defaultText);
}

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    return formkit::lineEdit(name, QString(), parent);
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    return formkit::button(name, caption, parent);
}

QLabel *buddyLabel(const QString &text, QWidget *control, QWidget *parent)
{
    return formkit::captionLabel(text, control, parent);
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    items.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Appends the text of `edit` to `list`; an empty text would only add an
// invisible entry, so it adds nothing.
void appendItem(QListWidget *list, const QLineEdit *edit)
{
    if (!edit->text().trimmed().isEmpty())
        list->addItem(edit->text());
}

void removeSelected(QListWidget *list)
{
    QListWidgetItem *item = list->currentItem();
    if (item && item->isSelected())
        delete list->takeItem(list->row(item));
}

// The whole text black, the selection kept.
void blacken(HtmlEditor &editor)
{
    const qsizetype start = editor.selStart();
    const qsizetype length = editor.selLength();
    editor.select(0, editor.characterLength());
    editor.setSelColor(0);
    editor.select(start, length);
}

// Sets the editor's font size with the caret left where it was.
void applyFontSize(HtmlEditor &editor, double points)
{
    const qsizetype start = editor.selStart();
    const qsizetype length = editor.selLength();
    editor.setTextFont(editor.textFontFamily(), points);
    editor.select(start, length);
}

// Keeps the grid's cell editor over its cell when the grid changes size.
class ResizeWatcher : public QObject
{
public:
    ResizeWatcher(QObject *parent, std::function<void()> onResize)
        : QObject(parent), m_onResize(std::move(onResize))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize)
            m_onResize();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onResize;
};

// The cell editor lies over the current cell, so a click on that cell lands
// in the editor: it selects the text, as a click on any other cell does.
class ClickSelectsAll : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *edit = static_cast<QLineEdit *>(watched);
        if (event->type() == QEvent::MouseButtonPress) {
            edit->setFocus(Qt::MouseFocusReason);
            edit->selectAll();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

SettingsDialog::SettingsDialog(Workbench &workbench)
    : QDialog(workbench.mainWidget()), m_workbench(workbench)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(tr("Options"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setExpanding(false);
    m_tabs->addTab(tr("Browser/Editor Settings"));
    m_tabs->addTab(tr("File Types"));
    const int custom = m_tabs->addTab(tr("Customizations"));
    m_tabs->setTabToolTip(custom, tr("Defines the Custom Buttons"));
    m_tabs->addTab(tr("FTP"));

    m_panels = new QStackedWidget(this);
    m_panels->setFrameShape(QFrame::StyledPanel);
    m_panels->addWidget(buildBrowserPanel());
    m_panels->addWidget(buildFileTypesPanel());
    m_panels->addWidget(buildCustomPanel());
    m_panels->addWidget(buildFtpPanel());
    for (int i = 0; i < m_panels->count(); ++i)
        m_panels->widget(i)->setObjectName(QStringLiteral("Frame%1").arg(i + 1));
    connect(m_tabs, &QTabBar::currentChanged, this, &SettingsDialog::showTab);

    layout->addWidget(m_tabs);
    layout->addWidget(m_panels, 1);

    layout->addLayout(formkit::okCancelRow(this, "cmdOK", "cmdCancel"));

    load();
    showTab(0);
}

QWidget *SettingsDialog::buildBrowserPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);

    m_browser = lineEdit("Text1", panel);
    QPushButton *choose = button("Command1", tr("Choose"), panel);
    connect(choose, &QPushButton::clicked, this, &SettingsDialog::chooseBrowser);
    grid->addWidget(buddyLabel(tr("HTML Browser"), m_browser, panel), 0, 0, 1, 4);
    grid->addWidget(m_browser, 1, 0, 1, 3);
    grid->addWidget(choose, 1, 3);

    grid->addWidget(new QLabel(tr("Color Coding"), panel), 2, 0, 1, 2);
    // The tag colours are read against the editor's background.
    const HtmlEditor *editor = m_workbench.activeEditor();
    const qint64 paper = formkit::colourNumber(editor ? editor->paper() : QColor(Qt::white));
    int buttonWidth = 0;
    for (int i = 0; i < 5; ++i) {
        const QByteArray button = "Command2_" + QByteArray::number(i);
        const QByteArray patch = "Swatch_" + QByteArray::number(i);
        // Each choice starts from the colour shown.
        auto *field = new ColourField(
            tr(ColourCaptions[i]) + tr(" colour"),
            {nullptr, patch.constData(), button.constData(), tr(ColourCaptions[i])}, panel);
        field->setDialog(m_workbench.dialogs());
        field->patch()->setFixedSize(40, field->button()->sizeHint().height() - 4);
        buttonWidth = qMax(buttonWidth, field->button()->sizeHint().width());
        m_colours[std::size_t(i)] = field;
        auto *contrast = new ContrastBadge(
            ("Contrast_" + QByteArray::number(i)).constData(),
            tr("%1 against the editor background").arg(QLatin1String(ColourCaptions[i])), panel);
        connect(field, &ColourField::changed, contrast,
                [contrast, field, paper] { contrast->setColours(field->colour(), paper); });
        auto *row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(contrast);
        row->addStretch(1);
        grid->addLayout(row, 3 + i, 0, 1, 2);
    }
    for (ColourField *field : m_colours)
        field->button()->setMinimumWidth(buttonWidth); // the patches in one column

    m_fontSize =
        formkit::editableCombo("Combo1",
                               {QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10"),
                                QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16")},
                               QString(), panel);
    grid->addWidget(buddyLabel(tr("Editor Font Size"), m_fontSize, panel), 2, 2, 1, 2);
    grid->addWidget(m_fontSize, 3, 2);

    m_onOff = new QCheckBox(tr("Disable Color Coding"), panel);
    m_onOff->setObjectName(QStringLiteral("chkOnOff"));
    grid->addWidget(m_onOff, 5, 2, 1, 2);
    m_purge = new QCheckBox(tr("Purge Settings"), panel);
    m_purge->setObjectName(QStringLiteral("Check1"));
    grid->addWidget(m_purge, 6, 2, 1, 2);
    m_livePreview = new QCheckBox(tr("&Refresh the preview while typing"), panel);
    m_livePreview->setObjectName(QStringLiteral("chkLivePreview"));
    grid->addWidget(m_livePreview, 7, 2, 1, 2);
    m_spellCheck = new QCheckBox(tr("&Mark misspelt words while typing"), panel);
    m_spellCheck->setObjectName(QStringLiteral("chkSpellCheck"));
    grid->addWidget(m_spellCheck, 8, 2, 1, 2);
    // The installed dictionaries; without a choice, the page's LANG or the
    // desktop's language decides.
    m_spellLanguage = new QComboBox(panel);
    m_spellLanguage->setObjectName(QStringLiteral("cboSpellLanguage"));
    m_spellLanguage->addItem(tr("The page's language"), QString());
    for (const spelling::DictionaryFile &d :
         spelling::findDictionaries(spelling::dictionaryFolders()))
        m_spellLanguage->addItem(d.name, d.name);
    grid->addWidget(buddyLabel(tr("Spelling &Language"), m_spellLanguage, panel), 9, 2, 1, 2);
    grid->addWidget(m_spellLanguage, 10, 2);
    m_autoClose = new QCheckBox(tr("&Write end tags while typing"), panel);
    m_autoClose->setObjectName(QStringLiteral("chkAutoClose"));
    grid->addWidget(m_autoClose, 11, 2, 1, 2);
    m_tagCase = new QComboBox(panel);
    m_tagCase->setObjectName(QStringLiteral("cboTagCase"));
    m_tagCase->addItems({tr("UPPER CASE"), tr("lower case")});
    grid->addWidget(buddyLabel(tr("&Case of tags written for you"), m_tagCase, panel), 12, 2, 1, 2);
    grid->addWidget(m_tagCase, 13, 2);
    m_restoreSession = new QCheckBox(tr("Reopen the &last session's files at start"), panel);
    m_restoreSession->setObjectName(QStringLiteral("chkRestoreSession"));
    grid->addWidget(m_restoreSession, 14, 2, 1, 2);

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(15, 1);
    return panel;
}

QWidget *SettingsDialog::buildFileTypesPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    m_imageTypes = new QListWidget(panel);
    m_imageTypes->setObjectName(QStringLiteral("List1"));
    m_newImageType = lineEdit("Text2", panel);
    m_newImageType->setAccessibleName(tr("File Type"));
    QPushButton *add = button("Command3", tr("Add File Type"), panel);
    QPushButton *remove = button("Command4", tr("Remove File Type"), panel);
    connect(add, &QPushButton::clicked, this, [this] { appendItem(m_imageTypes, m_newImageType); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSelected(m_imageTypes); });
    connect(m_newImageType, &QLineEdit::returnPressed, add, &QPushButton::click);

    grid->addWidget(buddyLabel(tr("Image Types"), m_imageTypes, panel), 0, 0);
    grid->addWidget(m_imageTypes, 1, 0, 4, 1);
    grid->addWidget(m_newImageType, 1, 1);
    grid->addWidget(add, 2, 1);
    grid->addWidget(remove, 3, 1);
    grid->setRowStretch(4, 1);
    return panel;
}

QWidget *SettingsDialog::buildCustomPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);

    m_grid = new QTableWidget(6, 2, panel);
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setAccessibleName(tr("Custom Buttons"));
    m_grid->setHorizontalHeaderLabels({tr("Caption"), tr("Text Inserted")});
    QStringList rows;
    for (int i = 1; i <= 6; ++i)
        rows << tr("Button%1").arg(i);
    m_grid->setVerticalHeaderLabels(rows);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setColumnWidth(0, 140);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 2; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem);
    }
    m_grid->setFixedHeight(m_grid->horizontalHeader()->sizeHint().height() +
                           6 * m_grid->verticalHeader()->defaultSectionSize() +
                           2 * m_grid->frameWidth());

    // Text3 sits over the current cell; what is typed goes into the cell.
    m_cellEditor = new QLineEdit(m_grid->viewport());
    m_cellEditor->setObjectName(QStringLiteral("Text3"));
    m_cellEditor->setAccessibleName(tr("Cell"));
    m_cellEditor->setFrame(false);
    m_cellEditor->hide();
    m_cellEditor->installEventFilter(new ClickSelectsAll(m_cellEditor));
    connect(m_cellEditor, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (QTableWidgetItem *item = m_grid->currentItem())
            item->setText(text);
    });
    connect(m_grid, &QTableWidget::cellClicked, this, &SettingsDialog::editCell);
    connect(m_grid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { editCell(row, column); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            &SettingsDialog::placeCellEditor);
    m_grid->viewport()->installEventFilter(new ResizeWatcher(this, [this] { placeCellEditor(); }));

    m_customTags = new QListWidget(panel);
    m_customTags->setObjectName(QStringLiteral("List2"));
    m_newCustomTag = lineEdit("Text4", panel);
    m_newCustomTag->setAccessibleName(tr("Custom Tag"));
    QPushButton *add = button("Command5", tr("Add"), panel);
    QPushButton *remove = button("Command6", tr("Delete"), panel);
    connect(add, &QPushButton::clicked, this, [this] { appendItem(m_customTags, m_newCustomTag); });
    connect(remove, &QPushButton::clicked, this, [this] { removeSelected(m_customTags); });
    connect(m_newCustomTag, &QLineEdit::returnPressed, add, &QPushButton::click);

    grid->addWidget(m_grid, 0, 0, 1, 2);
    grid->addWidget(buddyLabel(tr("Custom List"), m_customTags, panel), 1, 0);
    grid->addWidget(m_customTags, 2, 0, 4, 1);
    grid->addWidget(m_newCustomTag, 2, 1);
    grid->addWidget(add, 3, 1);
    grid->addWidget(remove, 4, 1);
    grid->setRowStretch(5, 1);
    return panel;
}

QWidget *SettingsDialog::buildFtpPanel()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    m_ftpUrl = lineEdit("Text5", panel);
    m_ftpUser = lineEdit("Text6", panel);
    m_ftpPassword = lineEdit("Text7", panel);
    m_ftpPassword->setEchoMode(QLineEdit::Password);
    grid->addWidget(buddyLabel(tr("Upload Directory"), m_ftpUrl, panel), 0, 0);
    grid->addWidget(m_ftpUrl, 0, 1);
    grid->addWidget(buddyLabel(tr("FTP Username"), m_ftpUser, panel), 1, 0);
    grid->addWidget(m_ftpUser, 1, 1);
    grid->addWidget(buddyLabel(tr("FTP Password"), m_ftpPassword, panel), 2, 0);
    grid->addWidget(m_ftpPassword, 2, 1);
    grid->setRowStretch(3, 1);
    return panel;
}

bool SettingsDialog::run(Workbench &workbench)
{
    SettingsDialog dialog(workbench);
    return dialog.exec() == QDialog::Accepted;
}

void SettingsDialog::showTab(int tab)
{
    if (tab < 0 || tab >= m_panels->count())
        return;
    m_panels->setCurrentIndex(tab);
    if (m_tabs->currentIndex() != tab)
        m_tabs->setCurrentIndex(tab);
}

void SettingsDialog::load()
{
    AppState &state = m_workbench.state();
    m_browser->setText(state.browser);
    for (int i = 0; i < 5; ++i)
        m_colours[std::size_t(i)]->setColour(state.colors[std::size_t(i)]);
    m_onOff->setChecked(state.colouringOff);
    m_livePreview->setChecked(state.livePreview);
    m_spellCheck->setChecked(state.spellCheck);
    // A chosen dictionary that is no longer installed still shows.
    if (!state.spellLanguage.isEmpty() && m_spellLanguage->findData(state.spellLanguage) < 0)
        m_spellLanguage->addItem(state.spellLanguage, state.spellLanguage);
    m_spellLanguage->setCurrentIndex(qMax(0, m_spellLanguage->findData(state.spellLanguage)));
    m_autoClose->setChecked(state.autoClose);
    m_tagCase->setCurrentIndex(state.upperCaseTags ? 0 : 1);
    m_restoreSession->setChecked(
        settings::boolean(m_workbench.settings(), settings::RestoreSession));
    const HtmlEditor *editor = m_workbench.activeEditor();
    m_fontSize->setEditText(editor ? numbers::shortestDouble(editor->textFontSize())
                                   : state.fontSizeText);
    m_imageTypes->addItems(state.imageTypes);
    m_customTags->addItems(state.customTags);
    for (int r = 0; r < 6; ++r) {
        m_grid->item(r, 0)->setText(state.customCaptions[std::size_t(r)]);
        m_grid->item(r, 1)->setText(state.customTexts[std::size_t(r)]);
    }
    m_ftpUrl->setText(state.ftpUrl);
    m_ftpUser->setText(state.ftpUserName);
    m_ftpPassword->setText(state.currentFtpPassword(m_workbench.settings()));
}

qint64 SettingsDialog::swatchColour(int i) const
{
    return m_colours[std::size_t(i)]->colour();
}

void SettingsDialog::chooseBrowser()
{
    const QString file = m_workbench.dialogs().openFileName(
        this, tr("Open"), QStringLiteral("/usr/bin"), tr("Executable Files (*.EXE)|*.EXE"));
    if (!file.isEmpty())
        m_browser->setText(file);
}

void SettingsDialog::editCell(int row, int column)
{
    QTableWidgetItem *item = m_grid->item(row, column);
    if (!item) {
        m_cellEditor->hide();
        return;
    }
    m_cellEditor->setText(item->text());
    m_cellEditor->selectAll();
    placeCellEditor();
    m_cellEditor->show();
    m_cellEditor->setFocus();
}

void SettingsDialog::placeCellEditor()
{
    const QModelIndex index = m_grid->currentIndex();
    if (index.isValid())
        m_cellEditor->setGeometry(m_grid->visualRect(index));
}

void SettingsDialog::accept()
{
    if (m_purge->isChecked())
        purge();
    else
        save();
    QDialog::accept();
}

void SettingsDialog::save()
{
    AppState &state = m_workbench.state();
    SettingsStore &store = m_workbench.settings();
    HtmlEditor *editor = m_workbench.activeEditor();

    const bool off = m_onOff->isChecked();
    settings::write(store, settings::ColorsOff, off ? QStringLiteral("1") : QStringLiteral("0"));
    state.colouringOff = off;
    if (off && editor)
        blacken(*editor);

    settings::write(store, settings::Browser, m_browser->text());
    state.browser = m_browser->text();

    state.livePreview = m_livePreview->isChecked();
    settings::write(store, settings::LivePreview,
                    state.livePreview ? QStringLiteral("True") : QStringLiteral("False"));
    state.spellCheck = m_spellCheck->isChecked();
    settings::write(store, settings::SpellCheck,
                    state.spellCheck ? QStringLiteral("True") : QStringLiteral("False"));
    state.spellLanguage = m_spellLanguage->currentData().toString();
    settings::write(store, settings::SpellLanguage, state.spellLanguage);
    state.autoClose = m_autoClose->isChecked();
    settings::write(store, settings::AutoClose,
                    state.autoClose ? QStringLiteral("True") : QStringLiteral("False"));
    state.upperCaseTags = m_tagCase->currentIndex() == 0;
    settings::write(store, settings::TagCase, settings::tagCaseText(state.upperCaseTags));
    settings::write(store, settings::RestoreSession,
                    m_restoreSession->isChecked() ? QStringLiteral("True")
                                                  : QStringLiteral("False"));

    for (int i = 0; i < 5; ++i) {
        const qint64 colour = m_colours[std::size_t(i)]->colour();
        settings::write(store, settings::colour(i), QString::number(colour));
        state.colors[std::size_t(i)] = colour;
    }

    // A size that is not a positive number leaves the editor as it is; the
    // stored value is still the number read from the text.
    const QString sizeText = m_fontSize->currentText();
    const double points = numbers::leadingNumber(sizeText);
    if (editor && points > 0)
        applyFontSize(*editor, points);
    settings::write(store, settings::FontSize, numbers::shortestDouble(points));
    state.fontSizeText = sizeText;

    // Keys of a longer list stored before would otherwise stay behind.
    state.imageTypes = itemsOf(m_imageTypes);
    store.remove(settings::setting(settings::ImageTypeCount).app,
                 settings::setting(settings::ImageTypeCount).section);
    settings::writeList(store, settings::setting(settings::ImageTypeCount), state.imageTypes);

    for (int r = 0; r < 6; ++r) {
        const QString caption = m_grid->item(r, 0)->text();
        const QString text = m_grid->item(r, 1)->text();
        settings::write(store, settings::customCaption(r), caption);
        settings::write(store, settings::customText(r), text);
        state.customCaptions[std::size_t(r)] = caption;
        state.customTexts[std::size_t(r)] = text;
    }

    state.customTags = itemsOf(m_customTags);
    store.remove(settings::setting(settings::CustomTagCount).app,
                 settings::setting(settings::CustomTagCount).section);
    settings::writeList(store, settings::setting(settings::CustomTagCount), state.customTags);

    settings::write(store, settings::FtpUrl, m_ftpUrl->text());
    const settings::Setting &password = settings::setting(settings::FtpPassword);
    store.saveSecret(password.app, password.section, password.key, m_ftpPassword->text());
    settings::write(store, settings::FtpUserName, m_ftpUser->text());
    state.ftpUrl = m_ftpUrl->text();
    state.ftpPassword = m_ftpPassword->text();
    state.ftpPasswordRead = true;
    state.ftpUserName = m_ftpUser->text();

    m_workbench.preferencesChanged();
    syncSettings();
}

void SettingsDialog::purge()
{
    AppState &state = m_workbench.state();
    m_workbench.settings().remove(SettingsStore::mainApp());
    state.browser = settings::setting(settings::Browser).defaultText;
    state.colors = AppState::defaultColors();
    state.fontSizeText = settings::setting(settings::FontSize).defaultText;
    state.livePreview = settings::boolean(m_workbench.settings(), settings::LivePreview);
    state.spellCheck = settings::boolean(m_workbench.settings(), settings::SpellCheck);
    state.spellLanguage = settings::text(m_workbench.settings(), settings::SpellLanguage);
    state.autoClose = settings::boolean(m_workbench.settings(), settings::AutoClose);
    state.upperCaseTags =
        settings::text(m_workbench.settings(), settings::TagCase) != settings::tagCaseText(false);
    if (HtmlEditor *editor = m_workbench.activeEditor())
        applyFontSize(*editor, defaultFontSize());
    m_workbench.preferencesChanged();
    syncSettings();
    m_workbench.dialogs().message(this, tr("Please Restart Program"));
}

// A store that cannot be written must not pass for saved.
void SettingsDialog::syncSettings()
{
    SettingsStore &store = m_workbench.settings();
    if (!store.sync())
        m_workbench.dialogs().message(this, store.lastError(), QString(),
                                      DialogService::Buttons::Ok, DialogService::Icon::Warning);
}
