// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Frame Builder's second step edits, and the FRAMESET it writes.
// Six fixed layouts of two or three frames; each has an outer set split by
// size 1 and, with three frames, an inner set split by size 2.

#include <QList>
#include <QString>
#include <QStringList>

namespace framebuilder {

constexpr int LayoutCount = 6;
constexpr int SpinStep = 5; // what one click of a size's spin arrows adds or takes

enum class Split { Cols, Rows };

struct FrameFields
{
    QString name;
    QString source;
    bool scrollBars = false;
    bool frameBorder = false;
    bool resizable = false;
};

// Frame k (1 to 3) as the window opens: named "Frame1" ... "Frame3",
// without source, every option off.
FrameFields initialFrame(int k);

struct FrameOptions
{
    int layout = 1; // 1 to 6
    QString size1;  // the outer set's first area, written verbatim
    QString size2;  // the inner set's first area (layouts 3 to 6)
    // Frames 1 to 3; a two-frame layout ignores the third.
    QList<FrameFields> frames{initialFrame(1), initialFrame(2), initialFrame(3)};
};

bool isLayout(int layout);
// 2 for layouts 1 and 2, 3 for layouts 3 to 6, 0 for any other number.
int frameCount(int layout);
// How the outer set (size 1) and the inner set (size 2) divide their area.
Split outerSplit(int layout);
Split innerSplit(int layout);
// The object name of a layout's step-2 window: "Form13" ... "Form19".
QString stepWindowName(int layout);
// The caption beside size 1 or size 2 (which = 1 or 2) of a layout.
QString sizeCaption(int layout, int which);

// "<FRAME NAME="n" SRC="s" NORESIZE SCROLLING=NO FRAMEBORDER=0>" CR LF.
QString frameLine(const FrameFields &frame);
// "<FRAMESET COLS="size, *">" CR LF, or ROWS.
QString setLine(Split split, const QString &size);
// The whole FRAMESET of options.layout; empty for a layout that does not
// exist.
QString buildFrameset(const FrameOptions &options);

// A size after one click of its spin arrows: the text's leading number
// plus 5 (up) or minus 5 (down), written without a percent sign. Down on a
// number below 5 leaves the text as it is.
QString spinSize(const QString &text, bool up);

// The items of both size combos: "10%" ... "100%".
const QStringList &sizeItems();

} // namespace framebuilder
