// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Background Sounds: a BGSOUND or EMBED element for a sound file. The site
// pane opens it with a file name for the Source box.

#include "builders/graphicslogic.h"
#include "widgets/builderdialog.h"

class FileField;
class QComboBox;
class QRadioButton;

class BackgroundSoundsBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit BackgroundSoundsBuilder(BuilderHost &host);

    // fileName, when given, goes into the Source box.
    static BackgroundSoundsBuilder *open(BuilderHost &host, const QString &fileName = QString());

    graphics::SoundOptions options() const;
    void setOptions(const graphics::SoundOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    QRadioButton *m_bgsound = nullptr;
    QRadioButton *m_embed = nullptr;
    FileField *m_source = nullptr;
    QComboBox *m_loop = nullptr;
};
