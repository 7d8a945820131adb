#include "organizer/agendastore.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"

namespace organizer {

namespace {

// A list that got shorter leaves no entries behind its new end.
void saveList(SettingsStore &store, const settings::Setting &count, const QStringList &items)
{
    const qint64 before = qint64(settings::number(store, count));
    settings::writeList(store, count, items);
    for (qint64 i = items.size(); i < before; ++i)
        store.remove(count.app, count.section, QString::number(i));
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
    const int rows = int(settings::number(store, count));
    for (int i = 1; i < rows; ++i) {
        const QString key = QString::number(i);
        data.agenda.append(
            AgendaRow{store.get(count.app, count.section, key),
                      store.get(count.app, count.section, key + QStringLiteral("A"))});
    }
    data.contacts =
        settings::readList(store, settings::setting(settings::PhoneCount), {}, QString());
    data.favourites =
        settings::readList(store, settings::setting(settings::FavouriteCount), {}, QString());
    return data;
}

void save(SettingsStore &store, const OrganizerData &data)
{
    const settings::Setting &count = settings::setting(settings::AgendaCount);
    settings::write(store, count, QString::number(data.agenda.rowCount()));
    for (int i = 0; i < data.agenda.rowCount(); ++i) {
        const QString key = QString::number(i);
        store.save(count.app, count.section, key, data.agenda.row(i).date);
        store.save(count.app, count.section, key + QStringLiteral("A"), data.agenda.row(i).agenda);
    }
    saveList(store, settings::setting(settings::PhoneCount), data.contacts);
    saveList(store, settings::setting(settings::FavouriteCount), data.favourites);
    store.sync();
}

void deleteAppointments(SettingsStore &store)
{
    const settings::Setting &count = settings::setting(settings::AgendaCount);
    store.remove(count.app, count.section);
    store.sync();
}

} // namespace organizer
