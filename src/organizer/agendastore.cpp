// SPDX-License-Identifier: GPL-3.0-or-later
#include "organizer/agendastore.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"

#include <algorithm>
#include <QCoreApplication>

namespace organizer {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("organizer", text);
}

// The row number of a key: "12" (or "12A" for an agenda), -1 for any other
// key.
qint64 rowNumber(QString key, bool agenda)
{
    if (agenda && key.endsWith(u'A', Qt::CaseInsensitive))
        key.chop(1);
    if (key.isEmpty() || key.size() > 18)
        return -1;
    for (const QChar c : std::as_const(key)) {
        if (c < u'0' || c > u'9')
            return -1;
    }
    return key.toLongLong();
}

// The row numbers stored in a section, from `first` on, in order.
QList<qint64> storedRows(const SettingsStore &store, const settings::Setting &count, bool agenda,
                         qint64 first)
{
    QList<qint64> rows;
    for (const QString &key : store.keys(count.app, count.section)) {
        const qint64 row = rowNumber(key, agenda);
        if (row >= first)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// Says so when the stored count is not the number of rows stored (plus
// `extra`, the agenda's header row). A missing count with no rows is fine.
void checkCount(const SettingsStore &store, const settings::Setting &count, qsizetype rows,
                qsizetype extra, const char *what, QStringList &problems)
{
    const bool stored = store.contains(count.app, count.section, count.key);
    const QString text = store.get(count.app, count.section, count.key).trimmed();
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (stored ? (ok && n == rows + extra) : rows == 0)
        return;
    const QString said = stored
                             ? tr("gives the number of %1 as \"%2\"").arg(tr(what), text.left(40))
                             : tr("gives no number of %1").arg(tr(what));
    problems << tr("The organizer's file %1 but holds %2. Every one it holds is kept.")
                    .arg(said)
                    .arg(rows);
}

QStringList loadList(const SettingsStore &store, const settings::Setting &count, const char *what,
                     QStringList &problems)
{
    const QList<qint64> rows = storedRows(store, count, false, 0);
    checkCount(store, count, rows.size(), 0, what, problems);
    QStringList items;
    items.reserve(rows.size());
    for (qint64 row : rows)
        items << store.get(count.app, count.section, QString::number(row));
    return items;
}

// Numbered keys from `from` on go: what a shorter table or list left.
void removeRowsFrom(SettingsStore &store, const settings::Setting &count, bool agenda, qint64 from)
{
    for (const QString &key : store.keys(count.app, count.section)) {
        if (rowNumber(key, agenda) >= from)
            store.remove(count.app, count.section, key);
    }
}

void saveList(SettingsStore &store, const settings::Setting &count, const QStringList &items)
{
    // An empty list that was never stored stays unwritten.
    if (items.isEmpty() && !store.contains(count.app, count.section, count.key))
        return;
    settings::writeList(store, count, items);
    removeRowsFrom(store, count, false, items.size());
}

bool flush(SettingsStore &store, QString *error)
{
    if (store.sync(SettingsStore::organizerApp()))
        return true;
    if (error)
        *error = store.lastError();
    return false;
}

} // namespace

int AgendaTable::find(const QString &date) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).date == date)
            return i;
    }
    return -1;
}

int AgendaTable::findOrAppend(const QString &date)
{
    const int found = find(date);
    if (found >= 0)
        return found;
    m_rows.append(AgendaRow{date, QString()});
    return int(m_rows.size()) - 1;
}

void AgendaTable::setAgenda(int row, const QString &agenda)
{
    if (row > 0 && row < m_rows.size())
        m_rows[row].agenda = agenda;
}

void AgendaTable::clear()
{
    m_rows.resize(1);
    m_rows[0] = AgendaRow();
}

OrganizerData load(const SettingsStore &store)
{
    OrganizerData data;
    const settings::Setting &count = settings::setting(settings::AgendaCount);
    // Row 0 is the header; the rows of days follow in the order of their
    // numbers, however they are numbered.
    const QList<qint64> rows = storedRows(store, count, true, 1);
    checkCount(store, count, rows.size(), 1, QT_TRANSLATE_NOOP("organizer", "appointments"),
               data.problems);
    for (qint64 row : rows) {
        const QString key = QString::number(row);
        data.agenda.append(
            AgendaRow{store.get(count.app, count.section, key),
                      store.get(count.app, count.section, key + QStringLiteral("A"))});
    }
    data.contacts = loadList(store, settings::setting(settings::PhoneCount),
                             QT_TRANSLATE_NOOP("organizer", "contacts"), data.problems);
    data.favourites = loadList(store, settings::setting(settings::FavouriteCount),
                               QT_TRANSLATE_NOOP("organizer", "favourites"), data.problems);
    return data;
}

bool save(SettingsStore &store, const OrganizerData &data, QString *error)
{
    const settings::Setting &count = settings::setting(settings::AgendaCount);
    settings::write(store, count, QString::number(data.agenda.rowCount()));
    for (int i = 0; i < data.agenda.rowCount(); ++i) {
        const QString key = QString::number(i);
        store.save(count.app, count.section, key, data.agenda.row(i).date);
        store.save(count.app, count.section, key + QStringLiteral("A"), data.agenda.row(i).agenda);
    }
    removeRowsFrom(store, count, true, data.agenda.rowCount());
    saveList(store, settings::setting(settings::PhoneCount), data.contacts);
    saveList(store, settings::setting(settings::FavouriteCount), data.favourites);
    return flush(store, error);
}

bool deleteAppointments(SettingsStore &store, QString *error)
{
    const settings::Setting &count = settings::setting(settings::AgendaCount);
    store.remove(count.app, count.section);
    return flush(store, error);
}

} // namespace organizer
