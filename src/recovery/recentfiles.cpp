// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/recentfiles.h"

#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"

namespace recentfiles {

QStringList added(QStringList list, const QString &path)
{
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxFiles)
        list.removeLast();
    return list;
}

QString menuCaption(int index, const QString &path)
{
    QString shown = path;
    shown.replace(u'&', QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg((index + 1) % 10).arg(shown);
}

QStringList read(const SettingsStore &store)
{
    QStringList list;
    for (const QString &path :
         settings::readList(store, settings::setting(settings::RecentCount), {}, QString())) {
        if (!path.isEmpty() && !list.contains(path))
            list << path;
    }
    return list.mid(0, MaxFiles);
}

void write(SettingsStore &store, const QStringList &list)
{
    const settings::Setting &count = settings::setting(settings::RecentCount);
    store.remove(count.app, count.section);
    settings::writeList(store, count, list.mid(0, MaxFiles));
}

} // namespace recentfiles

namespace session {

QString encode(const Document &doc)
{
    return QStringLiteral("%1,%2,%3,%4")
        .arg(doc.line)
        .arg(doc.column)
        .arg(doc.firstLine)
        .arg(doc.path);
}

bool decode(const QString &text, Document *doc)
{
    const QStringList parts = text.split(u',');
    if (parts.size() < 4)
        return false;
    Document out;
    bool ok[3];
    out.line = parts[0].toInt(&ok[0]);
    out.column = parts[1].toInt(&ok[1]);
    out.firstLine = parts[2].toInt(&ok[2]);
    // The path is the rest, commas and all.
    out.path = text.section(u',', 3);
    if (!ok[0] || !ok[1] || !ok[2] || out.line < 0 || out.column < 0 || out.firstLine < 0 ||
        out.path.isEmpty())
        return false;
    *doc = out;
    return true;
}

Session read(const SettingsStore &store)
{
    Session s;
    const QStringList items =
        settings::readList(store, settings::setting(settings::SessionCount), {}, QString());
    int active = int(settings::number(store, settings::SessionActive));
    for (int i = 0; i < items.size(); ++i) {
        Document doc;
        if (decode(items[i], &doc)) {
            if (i == active)
                s.active = int(s.documents.size());
            s.documents << doc;
        }
    }
    return s;
}

void write(SettingsStore &store, const Session &session)
{
    const settings::Setting &count = settings::setting(settings::SessionCount);
    store.remove(count.app, count.section);
    QStringList items;
    for (const Document &doc : session.documents)
        items << encode(doc);
    settings::writeList(store, count, items);
    settings::write(store, settings::SessionActive, QString::number(session.active));
}

} // namespace session
