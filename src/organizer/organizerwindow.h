// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The organizer: a month calendar with one agenda note per day, a phone
// list and a list of favourite addresses, kept in the settings store
// between openings. While it is open the main window is disabled.

#include "organizer/agendastore.h"
#include "widgets/builderdialog.h"

#include <functional>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextEdit;
class SettingsStore;

class OrganizerWindow : public BuilderDialog
{
    Q_OBJECT
public:
    OrganizerWindow(BuilderHost &host, SettingsStore &store);
    ~OrganizerWindow() override;

    // Shows the open organizer, or a new one read from the store.
    static OrganizerWindow *open(BuilderHost &host, SettingsStore &store);

    // The data as it stands, the table included.
    const organizer::OrganizerData &data() const { return m_data; }

    // Shows a month (1..12) of a year (0..3000), as the month and year
    // boxes do.
    void showMonth(int month, int year);
    // Chooses the day of the button with this index (0..41), as a click does.
    void chooseDay(int button);

    // Prints into PDF files in this folder instead of on the default
    // printer.
    void setPdfFolder(const QString &folder) { m_pdfFolder = folder; }
    // How a favourite's address is opened; the desktop's default handler
    // unless replaced. False when it cannot be opened.
    void setAddressOpener(std::function<bool(const QString &)> opener)
    {
        m_openAddress = std::move(opener);
    }

    // Done, Escape and closing the window all save and close. When the
    // store cannot be written the user is told why and the window stays
    // open, marked not saved, unless the user chooses to close it anyway.
    void accept() override;
    void reject() override;

    // The days whose agenda was typed into since the window opened, with
    // their text now, until the organizer is saved.
    QList<organizer::AgendaRow> unsavedAgenda() const;

signals:
    // Typing in the agenda box changed a day's text.
    void agendaTyped();
    // Everything is written to the store.
    void saved();

private:
    QWidget *buildCalendarPage();
    // The contacts and favourites pages: a list of "name  ::  value"
    // entries with two boxes to add one.
    struct DirectoryPage
    {
        const char *pageName, *listName, *listCaption, *nameBox, *valueBox, *valueCaption;
        const char *addName, *addCaption, *removeName, *removeCaption;
    };
    QWidget *buildDirectoryPage(const DirectoryPage &page, QListWidget *&list);
    QWidget *buildContactsPage();
    QWidget *buildFavouritesPage();
    void buildMonth();
    // The day buttons are one stop of the Tab key, at this button; the
    // arrow keys move between days.
    void setDayTabStop(int button);
    bool eventFilter(QObject *watched, QEvent *event) override;
    void clearBold();
    void agendaEdited();
    void clearAppointments();
    void printAgenda();
    void importIntoHtml();
    void addEntry(QListWidget *list, QLineEdit *name, QLineEdit *value);
    void removeEntry(QListWidget *list);
    void openFavourite(const QString &entry);
    bool saveAll(QString *error = nullptr);
    void cannotSave(const QString &error);
    void closeSaved();
    int month() const;
    int year() const;

    SettingsStore &m_store;
    organizer::OrganizerData m_data;
    std::function<bool(const QString &)> m_openAddress;
    QString m_pdfFolder;
    bool m_saved = false;
    bool m_loadingAgenda = false;
    int m_selectedDay = 0;  // the chosen day of the month, 0 for none
    int m_currentRow = -1;  // the table row the agenda box writes to
    QList<int> m_typedRows; // rows typed into since the last save

    QTabWidget *m_tabs = nullptr;
    QComboBox *m_month = nullptr;
    QComboBox *m_year = nullptr;
    QList<QPushButton *> m_days;
    QLabel *m_date = nullptr;
    QTextEdit *m_agenda = nullptr;
    QPushButton *m_import = nullptr;
    QListWidget *m_contacts = nullptr;
    QListWidget *m_favourites = nullptr;
};
