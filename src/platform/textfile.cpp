// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfile.h"

#include "platform/safefile.h"

#include <QCoreApplication>
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

// UTF-8 checked piece by piece as Qt's decoder judges it: overlong forms,
// surrogates and values past U+10FFFF are errors, and so is a sequence cut
// short at the end.
class Utf8Check
{
public:
    void feed(const unsigned char *p, qsizetype n)
    {
        qsizetype i = 0;
        while (m_ok && i < n) {
            if (m_need == 0) {
                // Runs of ASCII, eight bytes at a time.
                quint64 word;
                while (i + 8 <= n && (memcpy(&word, p + i, 8), !(word & 0x8080808080808080ULL)))
                    i += 8;
                if (i == n)
                    break;
                const unsigned char b = p[i++];
                if (b < 0x80)
                    continue;
                m_low = 0x80;
                m_high = 0xBF;
                if (b >= 0xC2 && b <= 0xDF) {
                    m_need = 1;
                } else if (b >= 0xE0 && b <= 0xEF) {
                    m_need = 2;
                    m_low = b == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
                    m_high = b == 0xED ? 0x9F : 0xBF; // no surrogates
                } else if (b >= 0xF0 && b <= 0xF4) {
                    m_need = 3;
                    m_low = b == 0xF0 ? 0x90 : 0x80;
                    m_high = b == 0xF4 ? 0x8F : 0xBF; // nothing past U+10FFFF
                } else {
                    m_ok = false;
                }
            } else {
                const unsigned char b = p[i++];
                m_ok = b >= m_low && b <= m_high;
                m_low = 0x80;
                m_high = 0xBF;
                --m_need;
            }
        }
    }
    bool valid() const { return m_ok && m_need == 0; }

private:
    bool m_ok = true;
    int m_need = 0;                            // continuation bytes still to come
    unsigned char m_low = 0x80, m_high = 0xBF; // bounds of the next one
};

int unitUtf8Size(char16_t unit)
{
    // A surrogate pair is four bytes, two for each half.
    return unit < 0x80 ? 1 : unit < 0x800 ? 2 : QChar::isSurrogate(unit) ? 2 : 3;
}

char16_t cp1252Char(unsigned char b)
{
    return (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
}

char *putUtf8(char16_t unit, char16_t *pendingHigh, char *out)
{
    if (QChar::isHighSurrogate(unit)) {
        *pendingHigh = unit;
        return out;
    }
    char32_t u = unit;
    if (QChar::isLowSurrogate(unit) && *pendingHigh)
        u = QChar::surrogateToUcs4(*pendingHigh, unit);
    *pendingHigh = 0;
    if (u < 0x80) {
        *out++ = char(u);
    } else if (u < 0x800) {
        *out++ = char(0xC0 | (u >> 6));
        *out++ = char(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        *out++ = char(0xE0 | (u >> 12));
        *out++ = char(0x80 | ((u >> 6) & 0x3F));
        *out++ = char(0x80 | (u & 0x3F));
    } else {
        *out++ = char(0xF0 | (u >> 18));
        *out++ = char(0x80 | ((u >> 12) & 0x3F));
        *out++ = char(0x80 | ((u >> 6) & 0x3F));
        *out++ = char(0x80 | (u & 0x3F));
    }
    return out;
}

// Chooses a file's encoding as decode() does, from its bytes given piece by
// piece (the first piece holding at least the first three bytes, or all of
// them), and counts the decoded text's size in UTF-8.
class Sniffer
{
public:
    void feed(const char *data, qsizetype size)
    {
        const auto *p = reinterpret_cast<const unsigned char *>(data);
        if (m_total == 0 && size > 0) {
            const QByteArrayView head(data, size);
            if (head.startsWith("\xFF\xFE"))
                m_mark = Mark::Utf16Le;
            else if (head.startsWith("\xFE\xFF"))
                m_mark = Mark::Utf16Be;
            else if (head.startsWith(Utf8Bom))
                m_mark = Mark::Utf8;
        }
        const qsizetype skip8 = m_mark == Mark::Utf8 ? 3 : 0;
        const qsizetype skip16 = 2;
        for (qsizetype i = std::max<qsizetype>(0, skip8 - m_total); i < size;) {
            // Runs of ASCII, eight bytes at a time.
            quint64 word;
            if (i + 8 <= size && (memcpy(&word, p + i, 8), !(word & 0x8080808080808080ULL))) {
                m_cp1252Size += 8;
                i += 8;
                continue;
            }
            m_cp1252Size += p[i] < 0x80 ? 1 : unitUtf8Size(cp1252Char(p[i]));
            ++i;
        }
        const qsizetype from8 = std::min(size, std::max<qsizetype>(0, skip8 - m_total));
        m_utf8.feed(p + from8, size - from8);
        if (m_mark == Mark::Utf16Le || m_mark == Mark::Utf16Be) {
            for (qsizetype i = std::max<qsizetype>(0, skip16 - m_total); i < size; ++i)
                feed16(p[i]);
        }
        m_total += size;
    }

    Encoding encoding() const
    {
        const bool utf16 = (m_mark == Mark::Utf16Le || m_mark == Mark::Utf16Be) && m_utf16Ok &&
                           m_oddByte < 0 && !m_highPending;
        if (utf16)
            return m_mark == Mark::Utf16Le ? Encoding::Utf16Le : Encoding::Utf16Be;
        if (m_mark == Mark::Utf8)
            return m_utf8.valid() ? Encoding::Utf8Bom : Encoding::Windows1252Bom;
        return m_utf8.valid() ? Encoding::Utf8 : Encoding::Windows1252;
    }

    qsizetype utf8Size() const
    {
        switch (encoding()) {
        case Encoding::Utf8:
            return m_total;
        case Encoding::Utf8Bom:
            return m_total - 3;
        case Encoding::Utf16Le:
        case Encoding::Utf16Be:
            return m_utf16Size;
        case Encoding::Windows1252:
        case Encoding::Windows1252Bom:
            break;
        }
        return m_cp1252Size;
    }

    qsizetype total() const { return m_total; }

private:
    enum class Mark { None, Utf8, Utf16Le, Utf16Be };

    void feed16(unsigned char b)
    {
        if (m_oddByte < 0) {
            m_oddByte = b;
            return;
        }
        const char16_t unit = m_mark == Mark::Utf16Le ? char16_t((b << 8) | m_oddByte)
                                                      : char16_t((m_oddByte << 8) | b);
        m_oddByte = -1;
        if (m_highPending != QChar::isLowSurrogate(unit))
            m_utf16Ok = false;
        m_highPending = QChar::isHighSurrogate(unit);
        m_utf16Size += unitUtf8Size(unit);
    }

    Mark m_mark = Mark::None;
    qsizetype m_total = 0;
    Utf8Check m_utf8;
    qsizetype m_cp1252Size = 0;
    bool m_utf16Ok = true;
    int m_oddByte = -1;
    bool m_highPending = false;
    qsizetype m_utf16Size = 0;
};

// The bytes of the BOM that an encoding drops.
qsizetype markSize(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8Bom:
    case Encoding::Windows1252Bom:
        return 3;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        return 2;
    case Encoding::Utf8:
    case Encoding::Windows1252:
        break;
    }
    return 0;
}

QString reason(int error)
{
    return qt_error_string(error);
}

QString notRegular()
{
    return QCoreApplication::translate(
        "textfile", "This is not a regular file (a device, a pipe or a socket).");
}

QString readError(int failure)
{
    return failure == EAGAIN
               ? QCoreApplication::translate("textfile", "The file cannot be read without waiting.")
               : reason(failure);
}

// Reads into buffer until it is full or the file ends.
bool readPiece(int fd, QByteArray *buffer, qsizetype capacity, int *error)
{
    buffer->resize(capacity);
    qsizetype filled = 0;
    while (filled < capacity) {
        const ssize_t n = read(fd, buffer->data() + filled, size_t(capacity - filled));
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        filled += n;
    }
    buffer->resize(filled);
    return true;
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

QString decodeAs(const QByteArray &bytes, Encoding encoding)
{
    const qsizetype skip = std::min(bytes.size(), markSize(encoding));
    const char *rest = bytes.constData() + skip;
    const qsizetype size = bytes.size() - skip;
    switch (encoding) {
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        QString text(size / 2, Qt::Uninitialized);
        char16_t *out = reinterpret_cast<char16_t *>(text.data());
        const auto *in = reinterpret_cast<const unsigned char *>(rest);
        const bool big = encoding == Encoding::Utf16Be;
        for (qsizetype i = 0; i < size / 2; ++i) {
            const unsigned char a = in[2 * i];
            const unsigned char b = in[2 * i + 1];
            out[i] = big ? char16_t((a << 8) | b) : char16_t((b << 8) | a);
        }
        return text;
    }
    case Encoding::Utf8:
    case Encoding::Utf8Bom: {
        // A mark after the one dropped is text and stays.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return decoder.decode(QByteArrayView(rest, size));
    }
    case Encoding::Windows1252:
    case Encoding::Windows1252Bom:
        break;
    }
    return decode1252(rest, size);
}

QString decode(const QByteArray &bytes, Encoding *encoding)
{
    Sniffer sniffer;
    sniffer.feed(bytes.constData(), bytes.size());
    *encoding = sniffer.encoding();
    return decodeAs(bytes, *encoding);
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
            *error = QCoreApplication::translate("textfile", "This is a folder, not a file.");
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
    QString why;
    const int fd = openRegular(path, &why);
    if (fd < 0) {
        if (error)
            *error = why;
        return false;
    }
    struct stat st;
    int failure = 0;
    const bool ok = fstat(fd, &st) == 0 ? readAllFrom(fd, bytes, st.st_size, &failure)
                                        : (failure = errno, false);
    close(fd);
    if (!ok) {
        if (error)
            *error = readError(failure);
        bytes->clear();
    }
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
        result.error =
            QCoreApplication::translate("textfile", "This looks like a binary file, not text.");
        return result;
    }
    result.ok = true;
    return result;
}

TextInfo readText(const QString &path, const std::function<void(qsizetype)> &begin,
                  const std::function<void(QByteArrayView)> &piece, qsizetype pieceBytes)
{
    TextInfo info;
    pieceBytes = std::max<qsizetype>(pieceBytes, 4);
    int fd = openRegular(path, &info.error);
    if (fd < 0)
        return info;
    // First reading: the encoding, the size, and enough of the start to
    // tell text from data.
    constexpr qsizetype HeadBytes = 4 * 65536 + 16;
    QByteArray buffer;
    QByteArray head;
    Sniffer sniffer;
    int failure = 0;
    bool ok = true;
    do {
        ok = readPiece(fd, &buffer, pieceBytes, &failure);
        if (ok && head.size() < HeadBytes)
            head += buffer.left(HeadBytes - head.size());
        if (ok)
            sniffer.feed(buffer.constData(), buffer.size());
    } while (ok && buffer.size() == pieceBytes);
    close(fd);
    if (!ok) {
        info.error = readError(failure);
        return info;
    }
    info.encoding = sniffer.encoding();
    if (looksBinary(head, decodeAs(head, info.encoding))) {
        info.binary = true;
        info.error =
            QCoreApplication::translate("textfile", "This looks like a binary file, not text.");
        return info;
    }
    head.clear();

    // Second reading: the text handed over. What was chosen must still hold.
    fd = openRegular(path, &info.error);
    if (fd < 0)
        return info;
    begin(sniffer.utf8Size());
    Sniffer again;
    QByteArray converted;
    qsizetype skip = markSize(info.encoding);
    qsizetype handed = 0;
    char16_t pendingHigh = 0;
    int oddByte = -1;
    bool lineEndSeen = false;
    char lastByte = 0;
    do {
        ok = readPiece(fd, &buffer, pieceBytes, &failure);
        if (!ok)
            break;
        again.feed(buffer.constData(), buffer.size());
        const qsizetype from = std::min(skip, buffer.size());
        skip -= from;
        QByteArrayView text(buffer.constData() + from, buffer.size() - from);
        if (info.encoding != Encoding::Utf8 && info.encoding != Encoding::Utf8Bom) {
            converted.resize(3 * text.size() + 4);
            char *out = converted.data();
            const auto *in = reinterpret_cast<const unsigned char *>(text.data());
            for (qsizetype i = 0; i < text.size(); ++i) {
                if (info.encoding == Encoding::Windows1252 ||
                    info.encoding == Encoding::Windows1252Bom) {
                    out = in[i] < 0x80 ? (*out = char(in[i]), out + 1)
                                       : putUtf8(cp1252Char(in[i]), &pendingHigh, out);
                } else if (oddByte < 0) {
                    oddByte = in[i];
                } else {
                    const char16_t unit = info.encoding == Encoding::Utf16Le
                                              ? char16_t((in[i] << 8) | oddByte)
                                              : char16_t((oddByte << 8) | in[i]);
                    oddByte = -1;
                    out = putUtf8(unit, &pendingHigh, out);
                }
            }
            text = QByteArrayView(converted.constData(), out - converted.constData());
        }
        if (!lineEndSeen) {
            const qsizetype lf = text.indexOf('\n');
            if (lf >= 0) {
                lineEndSeen = true;
                const char before = lf > 0 ? text[lf - 1] : lastByte;
                info.lineEnds = before == '\r' ? LineEnds::CrLf : LineEnds::Lf;
            } else if (!text.isEmpty()) {
                lastByte = text.back();
            }
        }
        handed += text.size();
        if (!text.isEmpty())
            piece(text);
    } while (buffer.size() == pieceBytes);
    close(fd);
    if (!ok) {
        info.error = readError(failure);
        return info;
    }
    if (again.total() != sniffer.total() || again.encoding() != info.encoding ||
        handed != sniffer.utf8Size()) {
        info.error =
            QCoreApplication::translate("textfile", "The file changed while it was being read.");
        return info;
    }
    info.ok = true;
    return info;
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
