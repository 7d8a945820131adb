// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Frame Builder, a two-step wizard: the first window chooses one of six
// layouts from pictures, the second asks for the sizes of the splits and
// each frame's name, source and options, and Finish writes the FRAMESET.
// The main window stays held from the first step to the last.

#include "builders/framebuilderlogic.h"
#include "widgets/builderdialog.h"

#include <QAbstractButton>
#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;

// A picture of one layout to choose from: its frames as numbered panes on
// a background that shows whether the layout is chosen. Clicked, or Space
// when it has the focus, chooses it.
class FrameLayoutPicture : public QAbstractButton
{
    Q_OBJECT
public:
    explicit FrameLayoutPicture(int layout, QWidget *parent = nullptr);

    int layout() const { return m_layout; }
    // The background of the chosen picture and of the others.
    static QColor chosenColour();
    static QColor otherColour();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_layout;
};

// Step 1: "Choose Your Frame Format".
class FrameBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FrameBuilder(BuilderHost &host);

    int chosenLayout() const { return m_layout; }
    void chooseLayout(int layout);

    // Next: shows the second step of the chosen layout and closes this one.
    void accept() override;

private:
    int m_layout = 1;
    QList<FrameLayoutPicture *> m_pictures;
};

// Step 2 of one layout.
class FrameBuilderStep2 : public BuilderDialog
{
    Q_OBJECT
public:
    FrameBuilderStep2(BuilderHost &host, int layout);

    // Shows the second step of a layout; nullptr for a layout that does
    // not exist.
    static FrameBuilderStep2 *open(BuilderHost &host, int layout);

    int layout() const { return m_layout; }
    framebuilder::FrameOptions options() const;
    // Fills every field; the layout stays this window's own.
    void setOptions(const framebuilder::FrameOptions &options);

    // Finish: writes the FRAMESET.
    void accept() override;
    // Back: the first step again, afresh.
    void back();

private:
    struct FrameControls
    {
        QLineEdit *name = nullptr;
        QLineEdit *source = nullptr;
        QCheckBox *scrollBars = nullptr;
        QCheckBox *frameBorder = nullptr;
        QCheckBox *resizable = nullptr;
    };

    QWidget *sizeRow(QComboBox *&combo, int which);
    QWidget *frameGroup(int frame);

    int m_layout;
    QComboBox *m_size1 = nullptr;
    QComboBox *m_size2 = nullptr;
    QList<FrameControls> m_frames;
};
