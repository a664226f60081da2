#include "ui/export_dialog.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

QStringList ExportFilters(bool imageAllowed)
{
    // The type chosen is read back by the filter's position in this list, never by its words.
    QStringList filters{QCoreApplication::translate("ExportDialog", "Alt Files (*.alt)"),
                        QCoreApplication::translate("ExportDialog", "CSV Files (*.csv)")};
    if (imageAllowed)
        filters << QCoreApplication::translate("ExportDialog", "JPEG Files (*.jpg)");
    return filters;
}

namespace {

ExportType TypeAt(const QStringList& filters, const QString& filter)
{
    const qsizetype position = filters.indexOf(filter) + 1;
    return position >= 1 && position <= 3 ? static_cast<ExportType>(position) : ExportType::None;
}

}  // namespace

void SetUpExportDialog(QFileDialog& dialog, bool imageAllowed, const QString& suggestedName)
{
    //: The title of the file dialog of Export (a log, or a stretch of the log shown)
    dialog.setWindowTitle(QCoreApplication::translate("ExportDialog", "Export"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = ExportFilters(imageAllowed);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(QStringLiteral("alt"));
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName + QString::fromStdString(ExportExtension(ExportType::Alt)));
    // The dialog adds the suffix before it asks about overwriting, so the question names the real file.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters, suggestedName](const QString& filter) {
                         const std::string ext = ExportExtension(TypeAt(filters, filter));
                         if (ext.empty())
                             return;
                         dialog.setDefaultSuffix(QString::fromStdString(ext.substr(1)));
                         // The suggestion, still as it was offered, follows the type chosen.
                         const QStringList chosen = dialog.selectedFiles();
                         if (!suggestedName.isEmpty() && chosen.size() == 1 &&
                             QFileInfo(chosen.first()).completeBaseName() == suggestedName)
                             dialog.selectFile(suggestedName + QString::fromStdString(ext));
                     });
}

QString ExportName(const QString& shownName, const QString& defaultName)
{
    QString name =
        shownName != defaultName ? shownName.trimmed() : defaultName.section(QStringLiteral(" ("), 0, 0).simplified();
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            c = u'-';
    return name;
}

ExportType ChosenExportType(const QFileDialog& dialog)
{
    return TypeAt(dialog.nameFilters(), dialog.selectedNameFilter());
}
