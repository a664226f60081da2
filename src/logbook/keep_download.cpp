#include "logbook/keep_download.h"

Result<KeptDownload> KeepDownload(Logbook& book, const std::vector<uint8_t>& image,
                                  const std::vector<BuiltFlight>& flights, FileTime receivedAt)
{
    KeptDownload kept;
    auto path = book.ImagePathOf(image);
    if (!path)
        return Fail(path.Error());
    if (*path) {
        kept.alreadyKept = true;
        // Its file deleted since: put back, now that the bytes are here again.
        if (auto restored = ImageStore::Restore(**path, image))
            kept.restored = *restored;
        else
            kept.report.imageProblem = restored.Error();
        return kept;
    }
    auto report = book.ArchiveDownload(image, flights, receivedAt);
    if (!report)
        return Fail(report.Error());
    kept.report = *report;
    return kept;
}

std::string KeptText(const KeptDownload& kept)
{
    const std::string image = kept.report.imageProblem.empty() ? "" : " But " + kept.report.imageProblem + ".";
    if (kept.alreadyKept)
        return "This memory image is in the logbook already." +
               std::string(kept.restored ? " Its file was missing and is written again." : "") + image;
    const int added = kept.report.added;
    std::string text = "Kept in the logbook: " + std::to_string(added) + (added == 1 ? " new flight" : " new flights");
    if (kept.report.alreadyThere > 0)
        text += ", " + std::to_string(kept.report.alreadyThere) + " there already";
    return text + "." + image;
}
