// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the organizer keeps between openings, and how it is stored under
// "Ostrel Organizer": the appointment table in "Data" (row count, then key
// i for a row's date and key i + "A" for its agenda, the header row 0
// included), the contacts in "Phone" and the favourites in "URL".

#include <QList>
#include <QString>
#include <QStringList>

class SettingsStore;

namespace organizer {

struct AgendaRow
{
    QString date;   // date key, "3/15/1998"
    QString agenda; // the day's text
};

// The appointment table. Row 0 is a header that holds no day; rows are
// only ever appended, except that clear() drops all but the header.
class AgendaTable
{
public:
    AgendaTable() { m_rows.append(AgendaRow()); }

    int rowCount() const { return int(m_rows.size()); }
    const AgendaRow &row(int index) const { return m_rows.at(index); }
    const QList<AgendaRow> &rows() const { return m_rows; }

    // The row holding this date key, -1 when there is none.
    int find(const QString &date) const;
    // The row of this date key, appended (with an empty agenda) when there
    // is none.
    int findOrAppend(const QString &date);
    void setAgenda(int row, const QString &agenda);
    void append(const AgendaRow &row) { m_rows.append(row); }
    // Back to the header row alone.
    void clear();

private:
    QList<AgendaRow> m_rows;
};

struct OrganizerData
{
    AgendaTable agenda;
    QStringList contacts;   // "name  ::  number"
    QStringList favourites; // "name  ::  address"
    // What was wrong with the stored counts, for the user.
    QStringList problems;
};

// Reads everything in time linear in the file. The rows and entries are the
// ones stored, in the order of their numbers; a stored count that does not
// match them (negative, not a number, too small or far too large) is
// reported in problems and the stored rows are kept. A missing agenda text
// reads as empty.
OrganizerData load(const SettingsStore &store);
// Writes everything and brings it to disk; numbered keys a shorter list no
// longer has are removed, and nothing else is added. False, with the
// reason, when the file cannot be written.
bool save(SettingsStore &store, const OrganizerData &data, QString *error = nullptr);
// Clear Appointments: the whole "Data" section goes.
bool deleteAppointments(SettingsStore &store, QString *error = nullptr);

} // namespace organizer
