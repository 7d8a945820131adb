#pragma once
// "About": the product, a disclaimer and a report on this computer.

#include "widgets/builderdialog.h"

class AboutWindow : public BuilderDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(BuilderHost &host);

    // Shows the window, holding the main window until it closes.
    static AboutWindow *open(BuilderHost &host);

    static QString disclaimer();
};
