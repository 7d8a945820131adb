// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own upload and Publish Site from the command line, for
// timing them against curl and lftp (bench/compare_upload.sh,
// bench/compare_publish.sh). The account comes from the environment
// (LORIMEL_FTP_USER, LORIMEL_FTP_PASSWORD), never from the command line.
//   lorimel_transfer upload FILE ADDRESS
//   lorimel_transfer publish FOLDER ADDRESS

#include "site/ftpuploader.h"
#include "site/sitepublisher.h"

#include <cstdio>
#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr,
                     "usage: lorimel_transfer upload FILE ADDRESS | publish FOLDER ADDRESS\n");
        return 2;
    }
    const QString user = qEnvironmentVariable("LORIMEL_FTP_USER");
    const QString password = qEnvironmentVariable("LORIMEL_FTP_PASSWORD");
    int status = 1;
    if (args[1] == QLatin1String("upload")) {
        FtpUploader uploader;
        uploader.setAccount(args[3], user, password);
        QObject::connect(&uploader, &FtpUploader::finished, &app, [&](bool ok, const QString &why) {
            if (!ok)
                std::fprintf(stderr, "%s\n", qPrintable(why));
            status = ok ? 0 : 1;
            app.quit();
        });
        if (!uploader.send(args[2], QFileInfo(args[2]).fileName()))
            return 1;
        app.exec();
    } else if (args[1] == QLatin1String("publish")) {
        SitePublisher publisher;
        SitePublisher::Target target;
        target.folder = args[2];
        target.address = args[3];
        target.userName = user;
        target.password = password;
        QObject::connect(&publisher, &SitePublisher::planned, &app,
                         [&] { publisher.start(false); });
        QObject::connect(
            &publisher, &SitePublisher::finished, &app, [&](const SitePublisher::Outcome &outcome) {
                std::fprintf(stderr, "%d uploaded\n", outcome.uploaded);
                if (!outcome.failure.ok())
                    std::fprintf(stderr, "%s\n", qPrintable(SitePublisher::summary(outcome)));
                status = outcome.failure.ok() ? 0 : 1;
                app.quit();
            });
        if (!publisher.makePlan(target))
            return 1;
        app.exec();
    }
    return status;
}
