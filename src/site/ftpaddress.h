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

// A directory on a server that receives files.
struct Address
{
    Scheme scheme = Scheme::Ftp;
    // The directory as a URL, percent-encoded, without user or password,
    // always ending in "/": "ftp://host:21/dir/".
    QString directoryUrl;
    // The directory's path on the server, decoded: "/dir/" ("/" for the
    // login folder).
    QString path;
};

// Reads the address setting: "ftp://host/dir", "ftps://...", "sftp://..." or
// a bare "host/dir" (plain FTP). The scheme is matched without regard to
// case. A user or password written into the address is dropped (the
// account settings hold them). Nothing for an empty text, another scheme, a
// missing host, a query or fragment.
std::optional<Address> parseAddress(const QString &setting);

// How one file is stored: uploaded to uploadUrl under the temporary name,
// then renamed by the server commands in afterUpload.
struct UploadPlan
{
    QString uploadUrl;
    QString temporaryName;
    QStringList afterUpload;
};

// The temporary name of a file on its way: hidden, so a web server does not
// serve it, and marked as partial.
QString temporaryName(const QString &fileName);

// Nothing for a name that is empty, ".", "..", or holds "/", a line break
// or a NUL (none can be a file name in one directory, and a line break
// would end the server command).
std::optional<UploadPlan> planUpload(const Address &address, const QString &fileName);

// text with every occurrence of secret replaced, so a password can never
// reach a message or a log through a server's or library's error text.
QString scrub(const QString &text, const QString &secret);

} // namespace ftp
