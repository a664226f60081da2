#pragma once

#include <QStringList>

#include "export/log_export.h"

class QFileDialog;

// The filters of the export's save dialog, in the order whose positions are the types:
// "Alt Files (*.alt)", "CSV Files (*.csv)" and, when an image is allowed, "JPEG Files (*.jpg)".
QStringList ExportFilters(bool imageAllowed);

// Sets a save dialog up for an export: no initial name, those filters, an overwrite prompt,
// no read-only box, and the chosen filter's extension for a name typed without one (".alt"
// until another filter is chosen).
void SetUpExportDialog(QFileDialog& dialog, bool imageAllowed);

// The type the dialog's chosen filter stands for.
ExportType ChosenExportType(const QFileDialog& dialog);
