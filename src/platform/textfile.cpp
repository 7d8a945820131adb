#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace textfile {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 control
// of the same value, so every byte round-trips.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int cp1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == c)
            return 0x80 + i;
    }
    return -1;
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

QString decode(const QByteArray &bytes, Encoding *encoding)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        *encoding = Encoding::Utf8Bom;
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    if (isValidUtf8(bytes)) {
        *encoding = Encoding::Utf8;
        return QString::fromUtf8(bytes);
    }
    *encoding = Encoding::Windows1252;
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
    }
    return text;
}

int firstUnrepresentable(const QString &text, Encoding encoding)
{
    if (encoding != Encoding::Windows1252)
        return -1; // UTF-8 holds every character
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (cp1252Byte(text[i].unicode()) < 0)
            return int(i);
    }
    return -1;
}

QByteArray encode(const QString &text, Encoding encoding, int *unrepresentable)
{
    if (unrepresentable)
        *unrepresentable = 0;
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Windows1252:
        break;
    }
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(text[i].unicode());
        if (b < 0 && unrepresentable)
            ++*unrepresentable;
        out[i] = b < 0 ? '?' : char(b);
    }
    return out;
}

Loaded load(const QString &path)
{
    Loaded result;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("%1 is a folder.").arg(path);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.text = decode(bytes, &result.encoding);
    result.ok = true;
    return result;
}

bool save(const QString &path, const QString &text, Encoding encoding, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = encode(text, encoding);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

LineEnds detectLineEnds(const QString &text)
{
    const qsizetype lf = text.indexOf(u'\n');
    if (lf < 0)
        return LineEnds::CrLf;
    return (lf > 0 && text[lf - 1] == u'\r') ? LineEnds::CrLf : LineEnds::Lf;
}

QString adaptLineEnds(const QString &fragment, LineEnds ends)
{
    if (ends == LineEnds::CrLf || !fragment.contains(u'\r'))
        return fragment;
    QString out = fragment;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

QString encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom:
        return QStringLiteral("UTF-8 with BOM");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return QString();
}

} // namespace textfile
