// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Graphics and Background Sounds dialogs write: one IMG element
// with its size, spacing, alignment, image map and visual filter, and one
// BGSOUND or EMBED element. Every value is written exactly as typed.

#include "kernel/tagreader.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace graphics {

struct GraphicsOptions
{
    QString mediaType = QStringLiteral("SRC"); // SRC, DYNSRC or VRML
    QString url;
    QString height;
    QString width;
    QString hspace;
    QString vspace;
    QString border;
    QString alignment;
    QString description; // ALT
    bool imageMap = false;
    QString mapName;
    QString filterType;
    QString filterValue; // opacity, strength or pixel displacement
    QString filterColor; // "#RRGGBB", empty when none was chosen
};

// "<IMG " media type="url", the sizes, spacing, BORDER and ALIGN unquoted
// when not empty, ALT quoted, USEMAP with ISMAP, a STYLE for the filter and
// ">".
QString buildGraphics(const GraphicsOptions &options);

// The STYLE value of a filter named as the Filter Type list names it (also
// "Shadow Filter" and "Glow Filter", which the list leaves out), empty for
// any other name.
QString filterStyle(const QString &filterType, const QString &value, const QString &color);

struct Filter
{
    QString type;
    QString value;
    QString color;
};
// The filter whose STYLE value filterStyle writes exactly as `style`;
// nothing for any other style.
std::optional<Filter> filterFromStyle(const QString &style);

// An IMG over `options`. A STYLE that is no filter of the list is left for
// the tag to keep.
std::optional<GraphicsOptions> readGraphics(const tagreader::Element &element,
                                            GraphicsOptions options);

QStringList mediaTypeItems();
QStringList borderItems();
QStringList alignmentItems();
QStringList filterItems();
QString fileFilter();

struct SoundOptions
{
    bool embed = false; // EMBED instead of BGSOUND
    QString source;
    QString loop = QStringLiteral("INFINITE");
};

// "<BGSOUND SRC="source"" with " LOOP=" when a loop is given, or
// "<EMBED SRC="source"", then ">".
QString buildSound(const SoundOptions &options);
// A BGSOUND or an EMBED over `options`.
std::optional<SoundOptions> readSound(const tagreader::Element &element, SoundOptions options);

QStringList loopItems();
QString soundFileFilter();

} // namespace graphics
