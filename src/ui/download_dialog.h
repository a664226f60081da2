#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "device/collector.h"
#include "device/memory_image.h"
#include "device/serial_link.h"

class Configuration;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

// "Data download": receives the logger's memory while it arrives, lists the
// flights found in it with check boxes, and keeps the bytes for building them.
class CDownloadDataDlg : public QDialog, public t_collector {
    Q_OBJECT
public:
    CDownloadDataDlg(const Configuration& config, uint32_t minimumDuration, QWidget* parent = nullptr);
    ~CDownloadDataDlg() override;

    // Opens the link with this dialog as its collector.
    bool OpenLink(const std::string& portName, uint32_t bitsPerSecond, std::string* error);
    uint32_t Collect(const uint8_t* bytes, uint32_t count) override;
    void LineLost(const std::string& reason) override;

    bool Completed() const { return m_completed; }
    bool Lost() const { return m_lost; }
    // How long the line may stay silent in the middle of a transfer before the dialog says so.
    void SetSilenceLimit(int ms) { m_silenceLimitMs = ms; }
    // How long the line must stay quiet after zeros that came before any signature for the
    // transfer to count as ended.
    void SetQuietEnd(int ms) { m_quietEndMs = ms; }
    const ReceiveBuffer& Buffer() const { return m_buffer; }
    MemoryImageParser& Parser() { return m_parser; }
    QTreeWidget* List() const { return m_list; }
    QLabel* Line1() const { return m_line1; }
    QLabel* Line2() const { return m_line2; }
    QPushButton* Button() const { return m_button; }

    void done(int result) override;

private:
    void OnProgress(qulonglong arrived, bool endIfQuiet);
    void OnComplete();
    void OnLineLost(const QString& reason);
    void ParseStep();
    void ShowSilence();
    void EndIfQuiet();
    // Gives a flight the line's errors when nothing else is known against it, and shows
    // a damaged flight as such in its row.
    void MarkLineDamage(size_t index);

    const Configuration& m_config;
    ReceiveBuffer m_buffer;
    MemoryImageParser m_parser;
    CSerialLink m_link;
    bool m_progressShown = false;
    bool m_completed = false;
    bool m_lost = false;
    int m_silenceLimitMs = 5000;
    int m_quietEndMs = 2000;
    bool m_endIfQuiet = false;  // the last bytes were zeros and no signature has come
    std::string m_lineDamage;   // the errors the port counted during the transfer
    QElapsedTimer m_sinceData;  // since the last bytes arrived
    QLabel* m_line1;
    QLabel* m_line2;
    QTreeWidget* m_list;
    QPushButton* m_button;
    QTimer* m_timer;
};
