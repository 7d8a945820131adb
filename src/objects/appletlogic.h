// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The APPLET tag of the Java Applet dialog and the PARAM list of the Insert
// Parameters dialog. Every value is written as typed.

#include "kernel/tagreader.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace applet {

struct AppletOptions
{
    QString fileName;      // "Filename of Applet"
    QString urlDirectory;  // "URL Directory of Applet"
    QString name;          // "Name Used In HTML Code"
    QString alternateText; // "Alternate Text"
    QString alignment;
    QString width = QStringLiteral("100");
    QString height = QStringLiteral("100");
    QString hspace = QStringLiteral("100");
    QString vspace = QStringLiteral("100");
};

// One line, no line end: <APPLET NAME="..." ...></APPLET>.
QString buildAppletTag(const AppletOptions &options);
std::optional<AppletOptions> readAppletTag(const tagreader::Element &element,
                                           AppletOptions options);

// One name/value pair of the parameter grid.
struct Parameter
{
    QString name;
    QString value;
};

// One <PARAM NAME="..." Value="..."> line per pair, each ending in CR LF;
// empty pairs are written too.
QString buildParameterList(const QList<Parameter> &parameters);
// The PARAM children of an APPLET or OBJECT.
std::optional<QList<Parameter>> readParameterList(const tagreader::Element &element,
                                                  QList<Parameter> parameters);

const QStringList &alignmentItems(); // LEFT, CENTER, RIGHT
const QStringList &sizeItems();      // 50 to 500 in steps of 50

} // namespace applet
