// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read-only access to the registered ActiveX controls, as a Wine prefix
// records them in its machine registry file (system.reg). Only the class
// keys are read: Software\Classes\CLSID\{...} with a Control subkey, their
// default value (the display name) and the default of their ProgID subkey.

#include <QByteArray>
#include <QList>
#include <QString>

namespace wineregistry {

struct RegisteredControl
{
    QString progId;  // default of the ProgID subkey; empty when there is none
    QString classId; // the key's name as written, a GUID in braces
    QString name;    // default of the class key; empty when there is none
};

// $WINEPREFIX/system.reg, or ~/.wine/system.reg without WINEPREFIX.
QString systemRegPath();

// The controls of a registry file in key order (case-insensitive, as the
// registry enumerates subkeys); lines that cannot be read are skipped. A
// missing file gives none; so does one that cannot be read (a pipe, a
// device, no permission), never waiting on it, with the reason in *error.
QList<RegisteredControl> readControls(const QString &path, QString *error = nullptr);
QList<RegisteredControl> parseControls(const QByteArray &fileText);

// One quoted .reg string starting at `from` (at its opening quote), with
// its escapes decoded (\\ \" \n \r \t \a \b \e \f \v, \xHHHH, octal).
// *end receives the index after the closing quote; false when the string
// is not closed.
bool decodeQuoted(const QString &line, int from, QString *out, int *end = nullptr);

// A key header "[path\\to\\key] timestamp" to the key's path with single
// backslashes; false when the line is not a complete key header.
bool decodeKeyLine(const QString &line, QString *path);

} // namespace wineregistry
