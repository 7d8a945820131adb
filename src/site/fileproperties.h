// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Properties window (propform) for a file of the web-site folder: name,
// size and date (Label4..Label6 in the "File Attributes" frame), a preview
// of a web image (Image1 in the viewport Picture1, with HScroll1/VScroll1
// when it is larger) and its size in pixels (Label7, Label8), or the notice
// "Not A Web Image" (Label9). "Play File" (cmdPlaySound) opens a sound or
// video file in a media player; "&OK" (Command1) closes.

#include "widgets/builderdialog.h"

#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;

class FileProperties : public BuilderDialog
{
    Q_OBJECT
public:
    // Starts a media player for a file; false when none can be started.
    using Player = std::function<bool(const QString &path)>;

    FileProperties(BuilderHost &host, const QString &path);

    // Shows the properties of path (a bare name is taken from the web-site
    // folder). An empty path shows "No File Selected" and opens nothing.
    static FileProperties *open(BuilderHost &host, const QString &path);

    QString path() const { return m_path; }
    // The player Play File uses: the first media player found on the system,
    // else the desktop's handler for the file.
    void setPlayer(Player player) { m_player = std::move(player); }
    static bool startMediaPlayer(const QString &path);

    void playFile();

private:
    void showPicture();
    void scrollTo();

    QString m_path;
    Player m_player = &FileProperties::startMediaPlayer;
    QWidget *m_viewport = nullptr;
    QLabel *m_image = nullptr;
    QLabel *m_noPicture = nullptr;
    QScrollBar *m_hScroll = nullptr;
    QScrollBar *m_vScroll = nullptr;
    QLabel *m_width = nullptr;
    QLabel *m_height = nullptr;
    QLabel *m_notice = nullptr;
    QPushButton *m_play = nullptr;
    QPushButton *m_ok = nullptr;
};
