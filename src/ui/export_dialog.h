#pragma once

#include <QStringList>

#include "export/log_export.h"

class QFileDialog;

// The filters of the export's save dialog, in the order whose positions are the types:
// "Alt Files (*.alt)", "CSV Files (*.csv)" and, when an image is allowed, "JPEG Files (*.jpg)".
QStringList ExportFilters(bool imageAllowed);

// Sets a save dialog up for an export: the suggested name (none when empty) with the chosen
// filter's extension, those filters, an overwrite prompt, no read-only box, and the chosen
// filter's extension for a name typed without one (".alt" until another filter is chosen).
void SetUpExportDialog(QFileDialog& dialog, bool imageAllowed, const QString& suggestedName = {});

// The name an export of a log suggests: the pilot's name for it when it has one, else its
// number ("Log 3" for "Log  3 (00:03:30)"), with the characters a file name cannot hold
// replaced.
QString ExportName(const QString& shownName, const QString& defaultName);

// The type the dialog's chosen filter stands for.
ExportType ChosenExportType(const QFileDialog& dialog);
