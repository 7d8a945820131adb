// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Recovery copies of unsaved text on disk. Each copy is two files in the
// recovery folder: "<id>.txt" with the text in the document's own encoding
// and line ends, and "<id>.info" saying what it is a copy of. Both are
// written through the one safe write, readable by the user only, in a
// folder only the user may enter.

#include "platform/textfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace snapshots {

enum class Kind { Document, Agenda };

struct Info
{
    QString id; // the file names' stem
    Kind kind = Kind::Document;
    QString original; // the file's path, the untitled name ("New 3"), or the agenda's day
    bool untitled = false;
    qint64 sizeAtOpen = -1;   // the original file when it was opened or last saved
    qint64 mtimeAtOpenNs = 0; // -1 size: no file then
    qint64 pid = 0;           // the process that wrote the copy
    QDateTime time;           // when the copy was written (UTC)
    textfile::Encoding encoding = textfile::Encoding::Utf8;
};

// $XDG_STATE_HOME/lorimel/recovery, with ~/.local/state when it is not set.
QString defaultFolder();
// Makes the folder (and its parents) and closes it to others (0700).
bool prepareFolder(const QString &folder, QString *error = nullptr);

// The side file's text, and back. A damaged side file gives false.
QByteArray describe(const Info &info);
bool parse(const QByteArray &text, Info *info);

// Writes the copy and then its side file (mode 0600).
bool write(const QString &folder, const Info &info, const QByteArray &bytes,
           QString *error = nullptr);
void remove(const QString &folder, const QString &id);
// Every copy with a readable side file and its text, oldest first.
QList<Info> list(const QString &folder);
// The copy's bytes, decoded in its encoding; false when it cannot be read.
bool readText(const QString &folder, const Info &info, QString *text, QString *error = nullptr);

// The copies no running process of this program owns: the ones to offer.
QList<Info> orphans(const QString &folder);

// Whether a process of this program still runs under pid (a second
// instance: its copies are left alone).
bool processRuns(qint64 pid);
// Whether the original file is no longer what it was when the copy's
// document opened or last saved it.
bool originalChanged(const Info &info);

} // namespace snapshots
