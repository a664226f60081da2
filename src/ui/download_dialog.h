#pragma once

#include <QDialog>

#include <functional>
#include <memory>

#include "device/download_session.h"

class Configuration;
class QComboBox;
class QDateEdit;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// "Data download": the window's face of a download session. It shows how the transfer
// goes, lists the flights found with check boxes while they arrive, and, once the
// transfer is complete, has the download kept (m_keep) before it may be closed. A saved
// memory image is shown the same way (Replay).
class DownloadDialog : public QDialog {
    Q_OBJECT
public:
    DownloadDialog(const Configuration& config, uint32_t minimumDuration, QWidget* parent = nullptr);
    ~DownloadDialog() override;

    // Opens the link of the session; fails with the reason.
    Status OpenLink(const std::string& portName, uint32_t bitsPerSecond);
    // Shows a memory image saved before, as if it had just been downloaded.
    [[nodiscard]] Status Replay(const std::vector<uint8_t>& image);

    // Called once when the transfer is complete, before the dialog can be closed: keeps the
    // download and returns the line that says what became of it (none: nothing is said).
    std::function<QString(DownloadSession& session)> m_keep;
    // Whether a flight is in the logbook already (downloaded before): its row is greyed and says
    // so, so that the new ones stand out. None: every flight counts as new.
    std::function<bool(const BrixoLog& log)> m_inLogbook;

    bool Completed() const { return m_session.Completed(); }
    bool Lost() const { return m_session.Lost(); }
    // How long the line may stay silent in the middle of a transfer before the dialog says so.
    void SetSilenceLimit(int ms) { m_session.m_silenceLimit = std::chrono::milliseconds(ms); }
    // How long the line must stay quiet after zeros that came before any signature for the
    // transfer to count as ended.
    void SetQuietEnd(int ms) { m_session.m_quietEnd = std::chrono::milliseconds(ms); }
    DownloadSession& Session() { return m_session; }
    const ReceiveBuffer& Buffer() const { return m_session.Buffer(); }
    MemoryImageParser& Parser() { return m_session.Parser(); }
    QTreeWidget* List() const { return m_list; }
    QLabel* Line1() const { return m_line1; }
    QLabel* Line2() const { return m_line2; }
    // The logger's advice at the end of a transfer, in plain words.
    QLabel* Advice() const { return m_advice; }
    // The memory received: moving with the bytes once the logger's signature came, full at the end.
    QProgressBar* Progress() const { return m_progress; }
    // The bar's position for the bytes received from the signature on, of kProgressSteps: how
    // much the logger sends is known only at its end, so the bar is half way at 64 KiB and
    // nears its end the more comes (10 KB 13 %, 2 MB 97 %).
    static constexpr int kProgressSteps = 1000;
    static int ProgressOf(size_t received);
    // What became of the download in the logbook.
    QLabel* KeptLine() const { return m_kept; }
    QPushButton* Button() const { return m_button; }
    // "Flown on" (today unless changed) and "Site" (typed, or one used before) for the flights
    // the logbook keeps of this download.
    void OfferSites(const QStringList& sites);
    QDateEdit* FlownOnEdit() const { return m_flownOn; }
    QComboBox* SiteBox() const { return m_site; }
    // As given when the dialog closed: the day ("2026-12-07") and the site (trimmed; empty: none).
    std::string FlownOn() const;
    std::string Site() const;

    void done(int result) override;

private:
    void OnFlightListed(size_t index);
    void OnComplete();
    // The link was lost before the memory was complete: nothing is taken over, and the list says so.
    void OnLost(const QString& reason);
    void ShowProgress();
    // Shows a damaged flight as such in its row, and the first one in words once complete.
    void ShowDamage(size_t index);

    DownloadSession m_session;
    bool m_progressShown = false;
    QLabel* m_line1;
    QLabel* m_line2;
    QLabel* m_advice;
    QProgressBar* m_progress;
    QLabel* m_kept;
    QTreeWidget* m_list;
    QDateEdit* m_flownOn;
    QComboBox* m_site;
    QPushButton* m_button;
    QTimer* m_timer;
};
