// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of publishing a file: what the FTP address setting may hold, the
// URL a file is stored under, and the temporary name it travels under so
// the server never holds a partial file under the real name.

#include <optional>
#include <QString>
#include <QStringList>

namespace ftp {

// The messages of publishing.
namespace text {
inline QString notDefined()
{
    return QStringLiteral("FTP URL, Username, and/or Password not defined.");
}
inline QString busy()
{
    return QStringLiteral("FTP Connection Busy");
}
inline QString completed()
{
    return QStringLiteral("File Transfer Completed");
}
inline QString cannotUpload()
{
    return QStringLiteral("Cannot upload file!");
}
} // namespace text

enum class Scheme { Ftp, Ftps, Sftp };

// How an FTP connection is encrypted.
enum class Tls {
    Try,      // a plain address: TLS when the server offers it, else in clear
    Required, // ftps://: TLS on the control and data channels or nothing
    Implicit, // ftps:// on port 990: TLS from the first byte
    Ssh,      // sftp://: always encrypted by SSH
};

// A directory on a server that receives files.
struct Address
{
    Scheme scheme = Scheme::Ftp;
    Tls tls = Tls::Try;
    // The directory as the URL the transfer library is given,
    // percent-encoded, without user or password, always ending in "/":
    // "ftp://host:21/dir/". An ftps:// address with TLS negotiated after
    // connecting is an ftp:// URL here (the library's ftps:// is implicit).
    QString directoryUrl;
    // The directory's path on the server, decoded: "/dir/" ("/" for the
    // login folder).
    QString path;
    QString host;
    int port = 0; // the scheme's default when none is written
};

// Reads the address setting: "ftp://host/dir", "ftps://...", "sftp://..." or
// a bare "host/dir" (FTP, encrypted when the server offers it). The scheme is matched without
// regard to case. A user or password written into the address is dropped (the account settings hold
// them). Nothing for an empty text, another scheme, a missing host, a query or fragment.
std::optional<Address> parseAddress(const QString &setting);

// How one file is stored: uploaded to uploadUrl under the temporary name
// (over FTP from the login folder, without changing folders), then renamed
// by the server commands in afterUpload. The other commands run with
// folderUrl as the URL.
struct UploadPlan
{
    QString uploadUrl;
    QString temporaryName;
    QStringList afterUpload;
    QString folderUrl;           // the folder that holds the file
    QString fileUrl;             // the file under its own name
    QStringList removeTemporary; // deletes the temporary (after a failure)
    QStringList removeFile;      // deletes the file itself
};

// The temporary name of a file on its way: hidden, so a web server does not
// serve it, and marked as partial.
QString temporaryName(const QString &fileName);

// path: a file name, or a path below the address's directory with "/"
// between folders ("pics/a.gif"). Nothing when a part of it is empty,
// "." or "..", or holds a line break or a NUL (a line break would end the
// server command), or the path starts or ends with "/".
std::optional<UploadPlan> planUpload(const Address &address, const QString &path);

// Why an upload failed, from the transfer library's result and the
// server's last reply code.
enum class Failure {
    None,
    Login,          // user name or password refused
    Unreachable,    // no server answers at that address
    UnknownHost,    // the name does not resolve
    Timeout,        // the server stopped answering
    ConnectionLost, // the connection broke during the transfer
    DiskFull,       // the server has no room for the file
    NoFolder,       // the folder is missing or may not be written
    TlsRefused,     // ftps:// and the server offers no TLS, or TLS failed
    HostKey,        // SFTP host key unknown and not accepted, or changed
    Cancelled,
    LocalFile, // the file here cannot be read
    Other,
};
Failure classify(int curlCode, long responseCode, const QString &detail);

// The line shown under "Cannot upload file!".
QString describe(Failure failure, const QString &host, const QString &detail);

// text with every occurrence of secret replaced, so a password can never
// reach a message or a log through a server's or library's error text.
QString scrub(const QString &text, const QString &secret);

} // namespace ftp
