#include "site/ftpaddress.h"

#include <QRegularExpression>
#include <QUrl>

namespace ftp {

namespace {

// A path argument of an SFTP server command, quoted so spaces and quotes in
// names survive.
QString sftpQuoted(const QString &path)
{
    QString out = path;
    out.replace(u'\\', QStringLiteral("\\\\"));
    out.replace(u'"', QStringLiteral("\\\""));
    return u'"' + out + u'"';
}

} // namespace

std::optional<Address> parseAddress(const QString &setting)
{
    const QString text = setting.trimmed();
    if (text.isEmpty())
        return std::nullopt;

    static const QRegularExpression schemeRe(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*)://"));
    const QRegularExpressionMatch match = schemeRe.match(text);
    Address address;
    QString rest = text;
    if (match.hasMatch()) {
        const QString scheme = match.captured(1).toLower();
        if (scheme == QLatin1String("ftp"))
            address.scheme = Scheme::Ftp;
        else if (scheme == QLatin1String("ftps"))
            address.scheme = Scheme::Ftps;
        else if (scheme == QLatin1String("sftp"))
            address.scheme = Scheme::Sftp;
        else
            return std::nullopt;
        rest = text.mid(match.capturedLength());
    }
    static const char *const names[] = {"ftp", "ftps", "sftp"};
    const QString scheme = QLatin1String(names[int(address.scheme)]);

    QUrl url(scheme + QStringLiteral("://") + rest, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty() || url.hasQuery() || url.hasFragment())
        return std::nullopt;
    url.setUserInfo(QString());

    QString path = url.path(QUrl::FullyDecoded);
    if (path.contains(u'\r') || path.contains(u'\n') || path.contains(QChar(0)))
        return std::nullopt;
    if (!path.endsWith(u'/'))
        path += u'/';
    if (!path.startsWith(u'/'))
        path.prepend(u'/');
    url.setPath(path, QUrl::DecodedMode);
    address.path = path;
    address.directoryUrl = url.toString(QUrl::FullyEncoded);
    if (!address.directoryUrl.endsWith(u'/'))
        address.directoryUrl += u'/';
    return address;
}

QString temporaryName(const QString &fileName)
{
    return u'.' + fileName + QStringLiteral(".part");
}

std::optional<UploadPlan> planUpload(const Address &address, const QString &fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String("..") ||
        fileName.contains(u'/') || fileName.contains(u'\r') || fileName.contains(u'\n') ||
        fileName.contains(QChar(0)))
        return std::nullopt;

    UploadPlan plan;
    plan.temporaryName = temporaryName(fileName);
    plan.uploadUrl =
        address.directoryUrl + QString::fromLatin1(QUrl::toPercentEncoding(plan.temporaryName));
    if (address.scheme == Scheme::Sftp) {
        // SFTP commands take whole paths; "/~/" in the URL is the home folder.
        QString folder = address.path;
        if (folder.startsWith(QLatin1String("/~/")))
            folder = folder.mid(1);
        const QString from = sftpQuoted(folder + plan.temporaryName);
        const QString to = sftpQuoted(folder + fileName);
        // An SFTP rename does not replace an existing file; "*" lets the
        // removal fail when there is none.
        plan.afterUpload << QStringLiteral("*rm ") + to
                         << QStringLiteral("rename ") + from + u' ' + to;
    } else {
        // FTP commands run in the directory the upload changed into.
        plan.afterUpload << QStringLiteral("RNFR ") + plan.temporaryName
                         << QStringLiteral("RNTO ") + fileName;
    }
    return plan;
}

QString scrub(const QString &text, const QString &secret)
{
    if (secret.isEmpty())
        return text;
    QString out = text;
    out.replace(secret, QStringLiteral("****"));
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(secret));
    if (encoded != secret)
        out.replace(encoded, QStringLiteral("****"), Qt::CaseInsensitive);
    return out;
}

} // namespace ftp
