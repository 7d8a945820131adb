// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeping the window alive while the file system does not answer: folder
// listings and the scan of mounted volumes run on a thread of their own, and
// the pane's folder icons come from the kind of entry alone, never from
// reading a file.

#include <QAbstractFileIconProvider>
#include <QCoreApplication>
#include <QIcon>
#include <QMetaObject>
#include <QPointer>
#include <QTreeView>

class QFileSystemModel;
class QWidget;

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace site {

// Runs work on a thread of its own and waits at most waitMs for it. When it
// is done in time its result is returned. Otherwise nothing is returned and,
// once the work ends (a hung network mount may never let it), late gets the
// result on the GUI thread, provided context still exists.
template <typename T>
std::optional<T> runWithoutBlocking(QObject *context, int waitMs, std::function<T()> work,
                                    std::function<void(T)> late)
{
    struct Shared
    {
        std::mutex mutex;
        std::condition_variable done;
        std::optional<T> result;
        bool abandoned = false; // the caller stopped waiting
    };
    auto shared = std::make_shared<Shared>();
    QPointer<QObject> receiver(context);
    std::thread([shared, work = std::move(work), late = std::move(late), receiver] {
        T value = work();
        std::unique_lock<std::mutex> lock(shared->mutex);
        if (!shared->abandoned) {
            shared->result = std::move(value);
            shared->done.notify_all();
            return;
        }
        lock.unlock();
        if (!late || !QCoreApplication::instance())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [receiver, late, value] {
                if (receiver)
                    late(value);
            },
            Qt::QueuedConnection);
    }).detach();
    std::unique_lock<std::mutex> lock(shared->mutex);
    if (shared->done.wait_for(lock, std::chrono::milliseconds(waitMs),
                              [&] { return shared->result.has_value(); }))
        return std::move(shared->result);
    shared->abandoned = true;
    return std::nullopt;
}

// How long the pane waits for the file system before it goes on without it.
constexpr int FileSystemWaitMs = 400;

// Folder and file icons by the kind of entry only. A file system model asks
// its provider from its reading thread, and the default one may read a file
// to learn its type (which waits for ever on some files): this one never
// opens anything, and its pictures are made once on the GUI thread.
class KindIcons : public QAbstractFileIconProvider
{
public:
    KindIcons(const QIcon &folder, const QIcon &file) : m_folder(folder), m_file(file) {}
    QIcon icon(IconType type) const override { return type == File ? m_file : m_folder; }
    // Empty: the model then asks icon(IconType) on the GUI thread.
    QIcon icon(const QFileInfo &) const override { return QIcon(); }
    QString type(const QFileInfo &info) const override;

    // The one provider of the program. It is never deleted: a model's
    // reading thread may still ask it while the model goes away.
    static KindIcons *shared(const QIcon &folder, const QIcon &file);

private:
    QIcon m_folder;
    QIcon m_file;
};

// The folder tree the site pane and the file tools share: folders only,
// read in the background with kind icons, in one column that scrolls
// sideways for deep folders instead of eliding them. It keeps the folder it
// shows in view while the model fills in and sorts, until the user moves
// the tree, and reports only the folders the user picks.
class FolderTree : public QTreeView
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    QFileSystemModel *folderModel() const { return m_model; }
    // Selects and opens the folder and brings it into view, without
    // reporting it as picked. False when the model has no such folder (a
    // hidden one).
    bool showFolder(const QString &path);

signals:
    // The user made another folder current.
    void folderPicked(const QString &path);

protected:
    bool viewportEvent(QEvent *event) override;

private:
    void reveal();

    QFileSystemModel *m_model = nullptr;
    QString m_shown;
    bool m_updating = false;
    bool m_following = false; // bring the folder back into view
};

} // namespace site
