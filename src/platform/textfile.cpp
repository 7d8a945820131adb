#include "platform/textfile.h"

#include "platform/safefile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfile {

namespace {

// Windows-1252 0x80..0x9F; the five unassigned bytes map to the C1 control
// of the same value, so every byte round-trips.
constexpr char16_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray Utf8Bom("\xEF\xBB\xBF");

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

bool isValidUtf8(const char *data, qsizetype size)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = decoder.decode(QByteArrayView(data, size));
    return !decoder.hasError();
}

QString decode1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned char b = static_cast<unsigned char>(data[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
    }
    return text;
}

// UTF-16 after its byte-order mark, unit by unit. Empty (and *ok false) when
// the bytes cannot be UTF-16: an odd count or a surrogate half without its
// partner would not come back as the same bytes.
QString decodeUtf16(const QByteArray &bytes, bool bigEndian, bool *ok)
{
    *ok = false;
    const qsizetype size = bytes.size() - 2;
    if (size % 2 != 0)
        return QString();
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData()) + 2;
    QString text(size / 2, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < size / 2; ++i) {
        const unsigned char a = in[2 * i];
        const unsigned char b = in[2 * i + 1];
        out[i] = bigEndian ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
    }
    if (!text.isValidUtf16())
        return QString();
    *ok = true;
    return text;
}

QString reason(int error)
{
    return qt_error_string(error);
}

QString notRegular()
{
    return QStringLiteral("This is not a regular file (a device, a pipe or a socket).");
}

bool readAllFrom(int fd, QByteArray *bytes, qint64 sizeHint, int *error)
{
    bytes->clear();
    if (sizeHint > 0)
        bytes->reserve(qsizetype(sizeHint) + 1);
    char chunk[65536];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        bytes->append(chunk, n);
    }
}

} // namespace

QString decode(const QByteArray &bytes, Encoding *encoding)
{
    const bool little = bytes.startsWith("\xFF\xFE");
    if (little || bytes.startsWith("\xFE\xFF")) {
        bool ok = false;
        QString text = decodeUtf16(bytes, !little, &ok);
        if (ok) {
            *encoding = little ? Encoding::Utf16Le : Encoding::Utf16Be;
            return text;
        }
    }
    if (bytes.startsWith(Utf8Bom)) {
        const char *rest = bytes.constData() + 3;
        const qsizetype size = bytes.size() - 3;
        if (isValidUtf8(rest, size)) {
            *encoding = Encoding::Utf8Bom;
            // A second mark is text and stays.
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
            return decoder.decode(QByteArrayView(rest, size));
        }
        *encoding = Encoding::Windows1252Bom;
        return decode1252(rest, size);
    }
    if (isValidUtf8(bytes.constData(), bytes.size())) {
        *encoding = Encoding::Utf8;
        return QString::fromUtf8(bytes);
    }
    *encoding = Encoding::Windows1252;
    return decode1252(bytes.constData(), bytes.size());
}

bool looksBinary(const QByteArray &bytes, QStringView decoded)
{
    static const char *const signatures[] = {"\x89PNG\r\n\x1A\n",
                                             "GIF87a",
                                             "GIF89a",
                                             "\xFF\xD8\xFF",
                                             "%PDF-",
                                             "PK\x03\x04",
                                             "\x1F\x8B",
                                             "\x7F"
                                             "ELF",
                                             "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1",
                                             "7z\xBC\xAF\x27\x1C",
                                             "\xFD"
                                             "7zXZ",
                                             "OggS",
                                             "fLaC",
                                             "ID3",
                                             "\xCA\xFE\xBA\xBE",
                                             "wOFF",
                                             "wOF2",
                                             "MThd",
                                             "SQLite format 3",
                                             "RIFF"};
    for (const char *signature : signatures) {
        if (bytes.startsWith(signature))
            return true;
    }
    if (bytes.size() >= 12 && bytes.mid(4, 4) == "ftyp") // MP4, QuickTime, HEIF
        return true;
    // Control characters other than the ones text uses: NULs and the like
    // in quantity mean data. A few in a short file are still kept as text.
    const qsizetype sample = qMin<qsizetype>(decoded.size(), 65536);
    qsizetype controls = 0;
    for (qsizetype i = 0; i < sample; ++i) {
        const char16_t c = decoded[i].unicode();
        if ((c < 0x20 && c != u'\t' && c != u'\n' && c != u'\v' && c != u'\f' && c != u'\r' &&
             c != 0x1B) ||
            (c >= 0x7F && c < 0xA0))
            ++controls;
    }
    return controls >= 8 && controls * 10 > sample;
}

int firstUnrepresentable(const QString &text, Encoding encoding)
{
    if (encoding != Encoding::Windows1252 && encoding != Encoding::Windows1252Bom)
        return -1; // UTF-8 and UTF-16 hold every character
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
        return Utf8Bom + text.toUtf8();
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        const bool big = encoding == Encoding::Utf16Be;
        QByteArray out(2 + 2 * text.size(), Qt::Uninitialized);
        char *p = out.data();
        *p++ = big ? char(0xFE) : char(0xFF);
        *p++ = big ? char(0xFF) : char(0xFE);
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            *p++ = char(big ? u >> 8 : u & 0xFF);
            *p++ = char(big ? u & 0xFF : u >> 8);
        }
        return out;
    }
    case Encoding::Windows1252:
    case Encoding::Windows1252Bom:
        break;
    }
    const qsizetype head = encoding == Encoding::Windows1252Bom ? 3 : 0;
    QByteArray out(head + text.size(), Qt::Uninitialized);
    if (head)
        memcpy(out.data(), Utf8Bom.constData(), 3);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = cp1252Byte(text[i].unicode());
        if (b < 0 && unrepresentable)
            ++*unrepresentable;
        out[head + i] = b < 0 ? '?' : char(b);
    }
    return out;
}

qint64 regularFileSize(const QString &path, QString *error)
{
    struct stat st;
    if (stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (error)
            *error = reason(errno);
        return -1;
    }
    if (S_ISDIR(st.st_mode)) {
        if (error)
            *error = QStringLiteral("This is a folder, not a file.");
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        if (error)
            *error = notRegular();
        return -1;
    }
    return qint64(st.st_size);
}

int openRegular(const QString &path, QString *error)
{
    QString why;
    // Checked before opening: opening a device or a pipe can itself wait or
    // have effects.
    if (regularFileSize(path, &why) < 0) {
        if (error)
            *error = why;
        return -1;
    }
    const int fd =
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st;
    if (fd >= 0 && fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
        return fd;
    if (error)
        *error = fd < 0 ? reason(errno) : notRegular();
    if (fd >= 0)
        close(fd);
    return -1;
}

bool readFile(const QString &path, QByteArray *bytes, QString *error)
{
    bytes->clear();
    const int fd = openRegular(path, error);
    if (fd < 0)
        return false;
    struct stat st;
    int failure = 0;
    const bool ok = fstat(fd, &st) == 0 ? readAllFrom(fd, bytes, st.st_size, &failure)
                                        : (failure = errno, false);
    close(fd);
    if (!ok && error) {
        *error = failure == EAGAIN ? QStringLiteral("The file cannot be read without waiting.")
                                   : reason(failure);
    }
    if (!ok)
        bytes->clear();
    return ok;
}

Loaded load(const QString &path)
{
    Loaded result;
    QByteArray bytes;
    if (!readFile(path, &bytes, &result.error))
        return result;
    result.text = decode(bytes, &result.encoding);
    if (looksBinary(bytes, result.text)) {
        result.text.clear();
        result.binary = true;
        result.error = QStringLiteral("This looks like a binary file, not text.");
        return result;
    }
    result.ok = true;
    return result;
}

bool save(const QString &path, const QString &text, Encoding encoding, QString *error)
{
    return safefile::write(path, encode(text, encoding), error);
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
    case Encoding::Windows1252Bom:
        return QStringLiteral("Windows-1252 with a UTF-8 BOM");
    case Encoding::Utf16Le:
        return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16Be:
        return QStringLiteral("UTF-16 BE");
    }
    return QString();
}

} // namespace textfile
