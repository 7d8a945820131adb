// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wineregistry.h"

#include "platform/numbers.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace wineregistry {

namespace {

int hexDigit(QChar c)
{
    return numbers::hexDigit(c.unicode());
}

// Decodes escaped text from `from` up to the unescaped `terminator`.
bool decodeEscaped(const QString &line, int from, QChar terminator, QString *out, int *end)
{
    QString text;
    const int n = int(line.size());
    int i = from;
    while (i < n) {
        const QChar c = line[i];
        if (c == terminator) {
            if (out)
                *out = text;
            if (end)
                *end = i + 1;
            return true;
        }
        if (c != u'\\') {
            text += c;
            ++i;
            continue;
        }
        if (++i >= n)
            break;
        const QChar e = line[i++];
        switch (e.unicode()) {
        case 'a':
            text += QChar(7);
            break;
        case 'b':
            text += QChar(8);
            break;
        case 'e':
            text += QChar(27);
            break;
        case 'f':
            text += QChar(12);
            break;
        case 'n':
            text += QChar(10);
            break;
        case 'r':
            text += QChar(13);
            break;
        case 't':
            text += QChar(9);
            break;
        case 'v':
            text += QChar(11);
            break;
        case 'x': {
            int value = 0;
            int digits = 0;
            while (digits < 4 && i < n && hexDigit(line[i]) >= 0) {
                value = value * 16 + hexDigit(line[i++]);
                ++digits;
            }
            text += digits ? QChar(ushort(value)) : QChar(u'x');
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                int value = e.unicode() - '0';
                for (int digits = 1; digits < 3 && i < n && line[i] >= u'0' && line[i] <= u'7';
                     ++digits)
                    value = value * 8 + (line[i++].unicode() - '0');
                text += QChar(ushort(value));
            } else {
                text += e; // \\, \", \[, \] and anything else stand for themselves
            }
        }
    }
    return false;
}

// "hex(1):41,00,42,00" and the like: UTF-16LE bytes.
bool decodeHexString(const QString &data, QString *out)
{
    QByteArray bytes;
    for (const QString &part : data.split(u',', Qt::SkipEmptyParts)) {
        const QString byte = part.trimmed();
        if (byte.isEmpty())
            continue;
        bool ok = false;
        const uint value = byte.toUInt(&ok, 16);
        if (!ok || value > 0xFF)
            return false;
        bytes += char(value);
    }
    QString text;
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(ushort(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8)));
    *out = text;
    return true;
}

// The string a default value holds as the registry hands it to a string
// query: cut at the first NUL, without surrounding blanks. False for
// values that are no string.
bool decodeDefaultValue(const QString &value, QString *out)
{
    QString text;
    if (value.startsWith(u'"')) {
        if (!decodeQuoted(value, 0, &text))
            return false;
    } else if (value.startsWith(QLatin1String("str"))) {
        const int colon = int(value.indexOf(u':'));
        if (colon < 0 || colon + 1 >= value.size() || value[colon + 1] != u'"' ||
            !decodeQuoted(value, colon + 1, &text))
            return false;
    } else if (value.startsWith(QLatin1String("hex(1):")) ||
               value.startsWith(QLatin1String("hex(2):")) ||
               value.startsWith(QLatin1String("hex(7):"))) {
        if (!decodeHexString(value.mid(7), &text))
            return false;
    } else {
        return false;
    }
    const int nul = int(text.indexOf(QChar(0)));
    if (nul >= 0)
        text.truncate(nul);
    int first = 0;
    int last = int(text.size());
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    *out = text.mid(first, last - first);
    return true;
}

struct ClassKey
{
    QString classId;
    bool spelledByOwnKey = false; // classId comes from the key's own header
    bool hasControl = false;
    QString name;
    bool hasProgIdKey = false;
    QString progId;
};

// Where a key lies below Software\Classes\CLSID.
enum class Place { Elsewhere, ClassKey, ProgIdKey, Inside };

} // namespace

QString systemRegPath()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    return paths::join(prefix.isEmpty() ? QDir::homePath() + QStringLiteral("/.wine") : prefix,
                       QStringLiteral("system.reg"));
}

bool decodeQuoted(const QString &line, int from, QString *out, int *end)
{
    if (from < 0 || from >= line.size() || line[from] != u'"')
        return false;
    return decodeEscaped(line, from + 1, u'"', out, end);
}

bool decodeKeyLine(const QString &line, QString *path)
{
    if (!line.startsWith(u'['))
        return false;
    return decodeEscaped(line, 1, u']', path, nullptr);
}

QList<RegisteredControl> readControls(const QString &path, QString *error)
{
    // Read without ever waiting: a pipe or a device in the file's place is
    // refused, not waited on.
    QByteArray bytes;
    QString why;
    if (!textfile::readFile(path, &bytes, &why)) {
        if (error && QFileInfo::exists(path))
            *error = why;
        return {};
    }
    return parseControls(bytes);
}

QList<RegisteredControl> parseControls(const QByteArray &fileText)
{
    QHash<QString, int> index; // lower-case class id -> position in keys
    QList<ClassKey> keys;
    Place place = Place::Elsewhere;
    int current = -1;

    const QString text = QString::fromUtf8(fileText);
    const int n = int(text.size());
    int pos = 0;
    auto nextLine = [&]() {
        int eol = int(text.indexOf(u'\n', pos));
        if (eol < 0)
            eol = n;
        QString line = text.mid(pos, eol - pos);
        pos = eol + 1;
        if (line.endsWith(u'\r'))
            line.chop(1);
        return line;
    };

    while (pos < n) {
        QString line = nextLine();
        if (line.startsWith(u'[')) {
            place = Place::Elsewhere;
            current = -1;
            QString keyPath;
            if (!decodeKeyLine(line, &keyPath))
                continue;
            const QStringList parts = keyPath.split(u'\\');
            if (parts.size() < 4 ||
                parts[0].compare(QLatin1String("Software"), Qt::CaseInsensitive) != 0 ||
                parts[1].compare(QLatin1String("Classes"), Qt::CaseInsensitive) != 0 ||
                parts[2].compare(QLatin1String("CLSID"), Qt::CaseInsensitive) != 0 ||
                parts[3].isEmpty())
                continue;
            const QString id = parts[3];
            const QString folded = id.toLower();
            auto found = index.constFind(folded);
            if (found == index.constEnd()) {
                found = index.insert(folded, int(keys.size()));
                keys.append(ClassKey{id, false, false, {}, false, {}});
            }
            current = *found;
            ClassKey &key = keys[current];
            if (parts.size() == 4) {
                place = Place::ClassKey;
                if (!key.spelledByOwnKey) {
                    key.classId = id;
                    key.spelledByOwnKey = true;
                }
                continue;
            }
            place = Place::Inside;
            const QString &sub = parts[4];
            if (sub.compare(QLatin1String("Control"), Qt::CaseInsensitive) == 0) {
                key.hasControl = true;
            } else if (sub.compare(QLatin1String("ProgID"), Qt::CaseInsensitive) == 0) {
                key.hasProgIdKey = true;
                if (parts.size() == 5)
                    place = Place::ProgIdKey;
            }
            continue;
        }
        if (!line.startsWith(u'@'))
            continue;
        // A default value: "@=" and its data, which hex data may continue
        // over following lines ending in a backslash.
        int eq = 1;
        while (eq < line.size() && line[eq] == u' ')
            ++eq;
        if (eq >= line.size() || line[eq] != u'=')
            continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.startsWith(QLatin1String("hex"))) {
            while (value.endsWith(u'\\') && pos < n) {
                value.chop(1);
                value += nextLine().trimmed();
            }
        }
        if (place != Place::ClassKey && place != Place::ProgIdKey)
            continue;
        QString decoded;
        if (!decodeDefaultValue(value, &decoded))
            continue;
        ClassKey &key = keys[current];
        if (place == Place::ClassKey) {
            key.name = decoded;
        } else {
            key.progId = decoded;
        }
    }

    std::stable_sort(keys.begin(), keys.end(), [](const ClassKey &a, const ClassKey &b) {
        return a.classId.compare(b.classId, Qt::CaseInsensitive) < 0;
    });
    QList<RegisteredControl> controls;
    for (const ClassKey &key : keys) {
        if (key.hasControl)
            controls.append({key.hasProgIdKey ? key.progId : QString(), key.classId, key.name});
    }
    return controls;
}

} // namespace wineregistry
