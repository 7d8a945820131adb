// SPDX-License-Identifier: GPL-3.0-or-later
#include "organizer/organizerwindow.h"

#include "organizer/agendaprint.h"
#include "organizer/organizerlogic.h"
#include "platform/dialogservice.h"
#include "platform/safefile.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace {

bool openWithDefaultHandler(const QString &address)
{
    // Relative names are looked up from the root folder.
    const QUrl url = QUrl::fromUserInput(address, QStringLiteral("/"));
    return url.isValid() && QDesktopServices::openUrl(url);
}

void setBold(QPushButton *button, bool bold)
{
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

} // namespace

OrganizerWindow::OrganizerWindow(BuilderHost &host, SettingsStore &store)
    : BuilderDialog(host), m_store(store), m_data(organizer::load(store)),
      m_openAddress(openWithDefaultHandler)
{
    setObjectName(QStringLiteral("Calender1"));
    setWindowTitle(tr("Ostrel Organizer"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(buildCalendarPage(), tr("Calendar"));
    m_tabs->addTab(buildContactsPage(), tr("Contacts (Phone)"));
    m_tabs->addTab(buildFavouritesPage(), tr("Internet Favorites"));

    QPushButton *done = formkit::button("Command5", tr("&Done"), this);
    connect(done, &QPushButton::clicked, this, &OrganizerWindow::accept);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(done);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(bottom);

    // Today: its month and year, its button bold and its agenda loaded.
    const QDate today = QDate::currentDate();
    const int thisYear = qBound(organizer::MinYear, today.year(), organizer::MaxYear);
    showMonth(today.month(), thisYear);
    const int first = organizer::weekday(thisYear, today.month(), 1);
    chooseDay(first + today.day() - 1);

    m_contacts->addItems(m_data.contacts);
    m_favourites->addItems(m_data.favourites);
    // Importing needs a document to import into.
    m_import->setEnabled(host.hasDocument());
}

OrganizerWindow::~OrganizerWindow()
{
    // Closed together with the main window: nothing typed is lost.
    saveAll();
}

OrganizerWindow *OrganizerWindow::open(BuilderHost &host, SettingsStore &store)
{
    OrganizerWindow *window = nullptr;
    if (QWidget *main = host.mainWidget()) {
        for (OrganizerWindow *kept :
             main->findChildren<OrganizerWindow *>(Qt::FindDirectChildrenOnly)) {
            if (!kept->isDiscarded())
                window = kept;
        }
    }
    if (!window)
        window = new OrganizerWindow(host, store);
    window->show();
    window->raise();
    window->activateWindow();
    // Counts in the file that did not match what it holds.
    for (const QString &problem : std::exchange(window->m_data.problems, {})) {
        host.dialogs().message(window, problem, window->windowTitle(), DialogService::Buttons::Ok,
                               DialogService::Icon::Warning);
    }
    return window;
}

QWidget *OrganizerWindow::buildCalendarPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("CalendarPage"));

    m_month = formkit::listCombo("Combo1", organizer::monthNames(), 0, page);
    QStringList years;
    years.reserve(organizer::MaxYear + 1);
    for (int y = organizer::MinYear; y <= organizer::MaxYear; ++y)
        years << QString::number(y);
    m_year = formkit::listCombo("Combo2", years, 0, page);
    m_year->setMaxVisibleItems(15);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(formkit::captionLabel(tr("&Month"), m_month, page));
    boxes->addWidget(m_month);
    boxes->addSpacing(12);
    boxes->addWidget(formkit::captionLabel(tr("&Year"), m_year, page));
    boxes->addWidget(m_year);
    boxes->addStretch(1);

    auto *grid = new QGridLayout;
    grid->setSpacing(3);
    const QStringList &headings = organizer::weekdayHeadings();
    for (int column = 0; column < headings.size(); ++column) {
        auto *heading = new QLabel(headings[column], page);
        heading->setObjectName(QStringLiteral("Label3_%1").arg(column));
        heading->setAlignment(Qt::AlignCenter);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        grid->addWidget(heading, 0, column);
    }
    for (int i = 0; i < organizer::DayButtons; ++i) {
        QPushButton *day =
            formkit::button(qPrintable(QStringLiteral("Command1_%1").arg(i)), QString(), page);
        day->setFixedSize(44, 32);
        connect(day, &QPushButton::clicked, this, [this, i] { chooseDay(i); });
        day->installEventFilter(this);
        grid->addWidget(day, 1 + i / 7, i % 7);
        m_days << day;
    }

    m_date = new QLabel(page);
    m_date->setObjectName(QStringLiteral("Label2"));
    QFont dateFont = m_date->font();
    dateFont.setBold(true);
    dateFont.setPointSize(dateFont.pointSize() + 2);
    m_date->setFont(dateFont);
    m_agenda = new QTextEdit(page);
    m_agenda->setObjectName(QStringLiteral("Text5"));
    m_agenda->setAcceptRichText(false);
    m_agenda->setTabChangesFocus(true);
    m_agenda->setFont(QFont(QStringLiteral("Arial"), 10));
    m_agenda->setMinimumWidth(260);
    formkit::setCaption(m_agenda, tr("Agenda"));
    // Every change goes into the table at once, typed or pasted.
    connect(m_agenda, &QTextEdit::textChanged, this, &OrganizerWindow::agendaEdited);

    QPushButton *print = formkit::button("Command2", tr("Print Agenda"), page);
    QPushButton *clear = formkit::button("Command3", tr("Clear Appointments"), page);
    m_import = formkit::button("Command4", tr("Import into HTML"), page);
    connect(print, &QPushButton::clicked, this, &OrganizerWindow::printAgenda);
    connect(clear, &QPushButton::clicked, this, &OrganizerWindow::clearAppointments);
    connect(m_import, &QPushButton::clicked, this, &OrganizerWindow::importIntoHtml);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(clear);
    buttons->addWidget(m_import);

    auto *left = new QVBoxLayout;
    left->addLayout(boxes);
    left->addLayout(grid);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_date);
    right->addWidget(m_agenda, 1);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addSpacing(8);
    layout->addLayout(right, 1);

    connect(m_month, &QComboBox::currentIndexChanged, this, &OrganizerWindow::buildMonth);
    connect(m_year, &QComboBox::currentIndexChanged, this, &OrganizerWindow::buildMonth);
    return page;
}

QWidget *OrganizerWindow::buildDirectoryPage(const DirectoryPage &p, QListWidget *&list)
{
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(p.pageName));
    list = new QListWidget(page);
    list->setObjectName(QLatin1String(p.listName));
    formkit::setCaption(list, tr(p.listCaption));
    QLineEdit *name = formkit::lineEdit(p.nameBox, QString(), page);
    QLineEdit *value = formkit::lineEdit(p.valueBox, QString(), page);
    QPushButton *add = formkit::button(p.addName, tr(p.addCaption), page);
    QPushButton *remove = formkit::button(p.removeName, tr(p.removeCaption), page);
    QListWidget *entries = list;
    connect(add, &QPushButton::clicked, this,
            [this, entries, name, value] { addEntry(entries, name, value); });
    connect(remove, &QPushButton::clicked, this, [this, entries] { removeEntry(entries); });

    auto *fields = new QGridLayout;
    fields->addWidget(formkit::captionLabel(tr("Name"), name, page), 0, 0);
    fields->addWidget(name, 0, 1);
    fields->addWidget(formkit::captionLabel(tr(p.valueCaption), value, page), 1, 0);
    fields->addWidget(value, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(list, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    return page;
}

QWidget *OrganizerWindow::buildContactsPage()
{
    return buildDirectoryPage({"ContactsPage", "List1", QT_TR_NOOP("Contacts"), "Text1", "Text2",
                               QT_TR_NOOP("Number"), "Command6", QT_TR_NOOP("Add Number"),
                               "Command7", QT_TR_NOOP("Remove Number")},
                              m_contacts);
}

QWidget *OrganizerWindow::buildFavouritesPage()
{
    QWidget *page = buildDirectoryPage(
        {"FavoritesPage", "List2", QT_TR_NOOP("Favorites"), "Text4", "Text3", QT_TR_NOOP("URL"),
         "Command8", QT_TR_NOOP("Add URL"), "Command9", QT_TR_NOOP("Remove URL")},
        m_favourites);
    m_favourites->setToolTip(tr("Double-click an entry to open its address"));
    connect(m_favourites, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { openFavourite(item->text()); });
    return page;
}

int OrganizerWindow::month() const
{
    return m_month->currentIndex() + 1;
}

int OrganizerWindow::year() const
{
    return m_year->currentIndex() + organizer::MinYear;
}

void OrganizerWindow::showMonth(int month, int year)
{
    const QSignalBlocker blockMonth(m_month);
    const QSignalBlocker blockYear(m_year);
    m_month->setCurrentIndex(qBound(1, month, 12) - 1);
    m_year->setCurrentIndex(qBound(organizer::MinYear, year, organizer::MaxYear) -
                            organizer::MinYear);
    buildMonth();
}

void OrganizerWindow::buildMonth()
{
    m_currentRow = -1;
    m_selectedDay = 0;
    m_agenda->clear();
    m_agenda->setEnabled(false);
    m_date->clear();
    clearBold();
    const QStringList captions = organizer::monthCaptions(month(), year());
    for (int i = 0; i < m_days.size(); ++i) {
        QPushButton *day = m_days[i];
        day->setText(captions[i]);
        // An empty button is no day and does nothing.
        day->setEnabled(!captions[i].isEmpty());
        day->setAccessibleName(captions[i].isEmpty() ? tr("No day") : QString());
    }
    setDayTabStop(int(captions.indexOf(QStringLiteral("1"))));
}

void OrganizerWindow::setDayTabStop(int button)
{
    for (int i = 0; i < m_days.size(); ++i)
        m_days[i]->setFocusPolicy(i == button ? Qt::StrongFocus : Qt::ClickFocus);
}

bool OrganizerWindow::eventFilter(QObject *watched, QEvent *event)
{
    const int button = int(m_days.indexOf(qobject_cast<QPushButton *>(watched)));
    if (button < 0 || event->type() != QEvent::KeyPress)
        return BuilderDialog::eventFilter(watched, event);
    int step = 0;
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -7;
        break;
    case Qt::Key_Down:
        step = 7;
        break;
    default:
        return BuilderDialog::eventFilter(watched, event);
    }
    const int target = button + step;
    if (target >= 0 && target < m_days.size() && m_days[target]->isEnabled()) {
        setDayTabStop(target);
        m_days[target]->setFocus(Qt::TabFocusReason);
    }
    return true;
}

void OrganizerWindow::clearBold()
{
    for (QPushButton *day : std::as_const(m_days))
        setBold(day, false);
}

void OrganizerWindow::chooseDay(int button)
{
    if (button < 0 || button >= m_days.size() || m_days[button]->text().isEmpty())
        return;
    m_agenda->setEnabled(true);
    clearBold();
    setBold(m_days[button], true);
    setDayTabStop(button);
    m_selectedDay = m_days[button]->text().toInt();
    const QString key = organizer::dateKey(month(), m_selectedDay, year());
    m_date->setText(key);
    m_currentRow = m_data.agenda.findOrAppend(key);
    m_loadingAgenda = true;
    m_agenda->setPlainText(m_data.agenda.row(m_currentRow).agenda);
    m_loadingAgenda = false;
    m_agenda->moveCursor(QTextCursor::End);
    m_agenda->setFocus();
}

void OrganizerWindow::agendaEdited()
{
    if (m_loadingAgenda || m_currentRow < 0)
        return;
    m_data.agenda.setAgenda(m_currentRow, m_agenda->toPlainText());
    if (!m_typedRows.contains(m_currentRow))
        m_typedRows << m_currentRow;
    emit agendaTyped();
}

QList<organizer::AgendaRow> OrganizerWindow::unsavedAgenda() const
{
    QList<organizer::AgendaRow> rows;
    for (int row : m_typedRows) {
        if (row < m_data.agenda.rowCount())
            rows << m_data.agenda.row(row);
    }
    return rows;
}

void OrganizerWindow::clearAppointments()
{
    const DialogService::Answer answer =
        host().dialogs().message(this, tr("Are you sure"), tr("Clear the Schedule"),
                                 DialogService::Buttons::YesNo, DialogService::Icon::Question);
    if (answer != DialogService::Answer::Yes)
        return;
    QString error;
    if (!organizer::deleteAppointments(m_store, &error))
        cannotSave(error);
    m_data.agenda.clear();
    m_typedRows.clear();
    m_currentRow = -1;
    m_selectedDay = 0;
    m_agenda->clear();
    m_agenda->setEnabled(false);
    m_date->clear();
    clearBold();
}

void OrganizerWindow::printAgenda()
{
    const QString agenda = m_agenda->toPlainText();
    if (!m_agenda->isEnabled() || agenda.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    const QString stem = organizer::agendaFileStem(month(), m_selectedDay, year());
    printer.setDocName(stem);
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    // A PDF is printed into a temporary that goes in place once complete.
    std::optional<safefile::Pending> pdf;
    if (!m_pdfFolder.isEmpty() || info.isNull()) {
        pdf.emplace(agendaprint::pdfPath(m_pdfFolder, stem));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf->temporaryPath());
    } else {
        printer.setPrinterName(info.printerName());
    }
    QString error = pdf ? pdf->error() : QString();
    const bool ok =
        error.isEmpty() &&
        agendaprint::print(printer, organizer::agendaHeading(month(), m_selectedDay, year()),
                           agenda) &&
        (!pdf || pdf->commit(&error));
    if (!ok) {
        host().dialogs().message(this, tr("Printer Error") +
                                           (error.isEmpty() ? QString() : u'\n' + error));
    } else if (pdf) {
        host().dialogs().message(
            this, tr("No printer is installed. The agenda was printed to %1").arg(pdf->path()),
            tr("Print Agenda"));
    }
}

void OrganizerWindow::importIntoHtml()
{
    const QString agenda = m_agenda->toPlainText();
    // Nothing to import would only delete the document's selection.
    if (agenda.isEmpty() || !host().hasDocument())
        return;
    // The insertion service enables the main window again; the organizer
    // stays open and holds it once more when it is activated.
    host().insertFragment(organizer::agendaToHtml(agenda));
}

void OrganizerWindow::addEntry(QListWidget *list, QLineEdit *name, QLineEdit *value)
{
    if (name->text().isEmpty() || value->text().isEmpty()) {
        host().dialogs().message(this, tr("Both text boxes must be filled!"));
        return;
    }
    const QString text = organizer::entry(name->text(), value->text());
    list->addItem(text);
    (list == m_contacts ? m_data.contacts : m_data.favourites) << text;
}

void OrganizerWindow::removeEntry(QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list->row(selected.first());
    delete list->takeItem(row);
    QStringList &entries = list == m_contacts ? m_data.contacts : m_data.favourites;
    if (row < entries.size())
        entries.removeAt(row);
}

void OrganizerWindow::openFavourite(const QString &entry)
{
    const QString address = organizer::favouriteAddress(entry);
    if (address.isEmpty() || !m_openAddress(address)) {
        host().dialogs().message(this,
                                 tr("This Windows Application is not installed on your computer"));
    }
}

bool OrganizerWindow::saveAll(QString *error)
{
    if (m_saved)
        return true;
    if (!organizer::save(m_store, m_data, error))
        return false;
    m_saved = true;
    m_typedRows.clear();
    emit saved();
    return true;
}

void OrganizerWindow::cannotSave(const QString &error)
{
    setWindowTitle(tr("Ostrel Organizer (not saved)"));
    host().dialogs().message(this, tr("The organizer could not be saved:\n%1").arg(error),
                             windowTitle(), DialogService::Buttons::Ok,
                             DialogService::Icon::Warning);
}

void OrganizerWindow::closeSaved()
{
    QString error;
    if (!saveAll(&error)) {
        // What is typed stays in the window unless the user lets it go.
        setWindowTitle(tr("Ostrel Organizer (not saved)"));
        const DialogService::Answer answer = host().dialogs().message(
            this,
            tr("The organizer could not be saved:\n%1\n\n"
               "Close it anyway and lose the changes?")
                .arg(error),
            windowTitle(), DialogService::Buttons::YesNo, DialogService::Icon::Warning);
        if (answer != DialogService::Answer::Yes)
            return;
        m_saved = true; // given up: nothing more is written
    }
    BuilderDialog::reject();
}

void OrganizerWindow::accept()
{
    closeSaved();
}

void OrganizerWindow::reject()
{
    closeSaved();
}
