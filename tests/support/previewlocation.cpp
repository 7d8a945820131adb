// SPDX-License-Identifier: GPL-3.0-or-later
// Every GUI test finds the browser engine's module where the build put it.

#include "preview/previewmodule.h"

#include <QCoreApplication>

namespace {

void locatePreviewModule()
{
    previewmodule::setLocation(QStringLiteral(LORIMEL_PREVIEW_MODULE));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(locatePreviewModule)
