// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ftpaddress.h"

#include <curl/curl.h>
#include <QCoreApplication>
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
    address.host = url.host();
    switch (address.scheme) {
    case Scheme::Ftp:
        address.tls = Tls::Try;
        address.port = url.port(21);
        break;
    case Scheme::Ftps:
        // Port 990 is where servers speak TLS from the start; elsewhere the
        // client asks for it after connecting.
        address.port = url.port(21);
        address.tls = address.port == 990 ? Tls::Implicit : Tls::Required;
        if (address.tls == Tls::Required)
            url.setScheme(QStringLiteral("ftp"));
        break;
    case Scheme::Sftp:
        address.tls = Tls::Ssh;
        address.port = url.port(22);
        break;
    }

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

std::optional<UploadPlan> planUpload(const Address &address, const QString &path)
{
    const QStringList parts = path.split(u'/');
    for (const QString &part : parts) {
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") ||
            part.contains(u'\r') || part.contains(u'\n') || part.contains(QChar(0)))
            return std::nullopt;
    }
    const QString fileName = parts.last();
    QString folderUrl = address.directoryUrl;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i)
        folderUrl += QString::fromLatin1(QUrl::toPercentEncoding(parts.at(i))) + u'/';

    UploadPlan plan;
    plan.folderUrl = folderUrl;
    plan.temporaryName = temporaryName(fileName);
    plan.uploadUrl = folderUrl + QString::fromLatin1(QUrl::toPercentEncoding(plan.temporaryName));
    plan.fileUrl = folderUrl + QString::fromLatin1(QUrl::toPercentEncoding(fileName));
    if (address.scheme == Scheme::Sftp) {
        // SFTP commands take whole paths; "/~/" in the URL is the home folder.
        QString folder = address.path + path.left(path.size() - fileName.size());
        if (folder.startsWith(QLatin1String("/~/")))
            folder = folder.mid(1);
        const QString from = sftpQuoted(folder + plan.temporaryName);
        const QString to = sftpQuoted(folder + fileName);
        // An SFTP rename does not replace an existing file; "*" lets the
        // removal fail when there is none.
        plan.afterUpload << QStringLiteral("*rm ") + to
                         << QStringLiteral("rename ") + from + u' ' + to;
        plan.removeTemporary << QStringLiteral("rm ") + from;
        plan.removeFile << QStringLiteral("rm ") + to;
    } else {
        // The upload does not change folders: the rename names the file by
        // its path from the login folder, as the store did ("//" at the
        // start of the address's path makes it absolute).
        const QString folder = address.path.mid(1) + path.left(path.size() - fileName.size());
        plan.afterUpload << QStringLiteral("RNFR ") + folder + plan.temporaryName
                         << QStringLiteral("RNTO ") + folder + fileName;
        plan.removeTemporary << QStringLiteral("DELE ") + plan.temporaryName;
        plan.removeFile << QStringLiteral("DELE ") + fileName;
    }
    return plan;
}

Failure classify(int curlCode, long responseCode, const QString &detail)
{
    // Servers say "disk full" in several ways; 452 and 552 are the codes
    // for it, and some send 451 or 550 with the system's error text.
    const bool noSpace = responseCode == 452 || responseCode == 552 ||
                         detail.contains(QLatin1String("No space left"), Qt::CaseInsensitive) ||
                         detail.contains(QLatin1String("disk full"), Qt::CaseInsensitive) ||
                         detail.contains(QLatin1String("quota"), Qt::CaseInsensitive);
    switch (CURLcode(curlCode)) {
    case CURLE_OK:
        return Failure::None;
    case CURLE_LOGIN_DENIED:
        return Failure::Login;
    case CURLE_COULDNT_CONNECT:
        return Failure::Unreachable;
    case CURLE_COULDNT_RESOLVE_HOST:
        return Failure::UnknownHost;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return Failure::Timeout;
    case CURLE_REMOTE_DISK_FULL:
        return Failure::DiskFull;
    case CURLE_ABORTED_BY_CALLBACK:
        return Failure::Cancelled;
    case CURLE_READ_ERROR:
        return Failure::LocalFile;
    case CURLE_USE_SSL_FAILED:
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return Failure::TlsRefused;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_UPLOAD_FAILED:
    case CURLE_QUOTE_ERROR:
        if (noSpace)
            return Failure::DiskFull;
        return curlCode == CURLE_REMOTE_ACCESS_DENIED ? Failure::NoFolder : Failure::Other;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_PARTIAL_FILE:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_SERVER_REPLY:
    case CURLE_FTP_CANT_GET_HOST:
        return noSpace ? Failure::DiskFull : Failure::ConnectionLost;
    default:
        return noSpace ? Failure::DiskFull : Failure::Other;
    }
}

QString describe(Failure failure, const QString &host, const QString &detail)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("ftp", text); };
    switch (failure) {
    case Failure::None:
        return QString();
    case Failure::Login:
        return tr("The server refused the user name or password.");
    case Failure::Unreachable:
        return tr("No server answers at %1.").arg(host);
    case Failure::UnknownHost:
        return tr("The server name %1 is not known.").arg(host);
    case Failure::Timeout:
        return tr("The server %1 stopped answering (time-out).").arg(host);
    case Failure::ConnectionLost:
        return tr("The connection to %1 was lost during the transfer.").arg(host);
    case Failure::DiskFull:
        return tr("The server's disk is full.");
    case Failure::NoFolder:
        return tr("The folder on the server does not exist or may not be written.");
    case Failure::TlsRefused:
        return tr("An encrypted connection to %1 could not be made: %2").arg(host, detail);
    case Failure::HostKey:
        return detail;
    case Failure::Cancelled:
        return tr("The transfer was cancelled.");
    case Failure::LocalFile:
        return tr("The file cannot be read.");
    case Failure::Other:
        break;
    }
    return detail.isEmpty() ? tr("The server refused the transfer.") : detail;
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
