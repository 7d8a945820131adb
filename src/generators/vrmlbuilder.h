// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The VRML Builder: a VRML 2.0 world saved to a file, either one line of
// coloured 3-D text or a site map of captioned, linked shapes. It inserts
// nothing into the document and stays open after saving.
//
// Object names: VRML; TabStrip1 ("VRML Text", "VRML Sitemap"); Text1 (text
// string), Command1 ("&Text Color"), Picture1 (swatch); Option1 (spheres),
// Option2 (cubes), URLGrid, Text2 (cell editor), SpinButton1; Command2
// ("&Save File"), Command3 ("E&xit").

#include "generators/vrmlbuilderlogic.h"
#include "widgets/builderdialog.h"

class ColourField;
class ListGrid;
class QLineEdit;
class QRadioButton;
class QTabWidget;

class VrmlBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit VrmlBuilder(BuilderHost &host);

    // The world of the visible tab.
    vrml::VrmlOptions options() const;
    void setOptions(const vrml::VrmlOptions &options);

    // "&Save File": asks for a file and writes the world; false (after
    // "Cannot save file!") when cancelled or not written.
    bool saveFile();

private:
    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_text = nullptr;
    ColourField *m_colour = nullptr;
    QRadioButton *m_spheres = nullptr;
    QRadioButton *m_cubes = nullptr;
    ListGrid *m_grid = nullptr;
};
