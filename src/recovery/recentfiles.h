// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recently used files list and the files of the last session, as kept
// in the settings.

#include <QList>
#include <QString>
#include <QStringList>

class SettingsStore;

namespace recentfiles {

constexpr int MaxFiles = 10;

// path put first; an older entry of it goes, and the list keeps MaxFiles.
QStringList added(QStringList list, const QString &path);
// The menu caption of entry index (0-based): mnemonics 1 .. 9, then 0;
// an "&" in the path shows as itself.
QString menuCaption(int index, const QString &path);

QStringList read(const SettingsStore &store);
void write(SettingsStore &store, const QStringList &list);

} // namespace recentfiles

namespace session {

struct Document
{
    QString path;
    int line = 0; // caret line and column, 0-based
    int column = 0;
    int firstLine = 0; // the first line shown
};

// "line,column,firstLine,path"; false for a damaged entry.
QString encode(const Document &doc);
bool decode(const QString &text, Document *doc);

struct Session
{
    QList<Document> documents;
    int active = -1;
};

Session read(const SettingsStore &store);
void write(SettingsStore &store, const Session &session);

} // namespace session
