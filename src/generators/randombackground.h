// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random Background Coloring: five colours, one of which a page script
// picks each time the page loads.

#include "generators/randomscriptslogic.h"
#include "widgets/builderdialog.h"

#include <array>

class ColourField;

class RandomBackgroundDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit RandomBackgroundDialog(BuilderHost &host);

    randomscripts::BackgroundOptions options() const;
    void setOptions(const randomscripts::BackgroundOptions &options);

    void accept() override;

private:
    qint64 m_lastColour = 0;
    std::array<ColourField *, 5> m_swatches{};
};
