#include "ui/export_dialog.h"

#include <QFileDialog>

QStringList ExportFilters(bool imageAllowed)
{
    QStringList filters{QStringLiteral("Alt Files (*.alt)"), QStringLiteral("CSV Files (*.csv)")};
    if (imageAllowed)
        filters << QStringLiteral("JPEG Files (*.jpg)");
    return filters;
}

namespace {

ExportType TypeAt(const QStringList& filters, const QString& filter)
{
    const qsizetype position = filters.indexOf(filter) + 1;
    return position >= 1 && position <= 3 ? static_cast<ExportType>(position) : ExportType::None;
}

}  // namespace

void SetUpExportDialog(QFileDialog& dialog, bool imageAllowed)
{
    dialog.setWindowTitle(QStringLiteral("Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = ExportFilters(imageAllowed);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(QStringLiteral("alt"));
    // The dialog adds the suffix before it asks about overwriting, so the question names the real file.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        const std::string ext = ExportExtension(TypeAt(filters, filter));
        if (!ext.empty())
            dialog.setDefaultSuffix(QString::fromStdString(ext.substr(1)));
    });
}

ExportType ChosenExportType(const QFileDialog& dialog)
{
    return TypeAt(dialog.nameFilters(), dialog.selectedNameFilter());
}
