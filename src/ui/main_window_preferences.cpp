// The main window's two settings dialogs: "Preferences" and the chart's "Chart Style".
#include "chart/chart_style.h"
#include "config/configuration.h"
#include "device/serial_link.h"
#include "dsp/statistics.h"
#include "ui/main_window.h"
#include "ui/preferences_dialog.h"

void MainWindow::EditPreferences()
{
    PreferencesDialog dialog(m_settings, m_listPorts(), this,
                             {m_config.UnitScale("linear", "metric"), m_config.UnitScale("linear", "imperial")});
    dialog.ShowFoundModelSigma(QString::fromStdString(FoundSigmaText(m_series.modelSigmaFound)));
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    const bool rebuild = TakePreferences(dialog.Edited(), m_settings);
    StoreSettings();
    if (rebuild) {
        RefreshSelected();
        // The season's climbs under the filters and rules now chosen, and its units.
        ShowClimbFacts();
        FindClimbsInBackground();
    }
}

void MainWindow::EditChartStyle(int item, bool noDialog)
{
    if (!noDialog) {
        if (m_chart->SeriesCount() == 0)
            return;
        ChartStyleDialog dialog(*m_chart, item, this);
        if (m_runDialog(dialog) != QDialog::Accepted)
            return;
    }
    // The altitude's and the vario's display settings follow what the chart now shows.
    const auto keep = [](const ChartSeries* s, bool& on, uint32_t& style, uint32_t& color, double& min, double& max) {
        on = s->m_visible;
        style = StoredScalingMode(s->m_scalingMode);
        color = static_cast<uint32_t>(s->m_colorIndex);
        min = s->m_customMin;
        max = s->m_customMax;
    };
    if (const auto s = m_chart->SeriesAt(0))
        keep(s.get(), m_settings.altOn, m_settings.altStyle, m_settings.altColor, m_settings.altMin, m_settings.altMax);
    if (const auto s = m_chart->SeriesAt(1)) {
        // The vario's bounds as shown (ft/min, kt) are stored in the length unit a second; a
        // bound left as it was shown keeps its stored value exactly.
        const LengthUnit& units = m_series.units;
        const double storedMin = m_settings.varioMin, storedMax = m_settings.varioMax;
        keep(s.get(), m_settings.varioOn, m_settings.varioStyle, m_settings.varioColor, m_settings.varioMin,
             m_settings.varioMax);
        for (auto [bound, stored] :
             {std::pair(&m_settings.varioMin, storedMin), std::pair(&m_settings.varioMax, storedMax)})
            *bound = *bound == units.SpeedShownFromStored(stored) ? stored : units.SpeedStoredFromShown(*bound);
    }
    if (!noDialog)
        StoreSettings();
    m_chart->Recalc();
    m_chart->update();
}

void MainWindow::StoreSettings()
{
    const StoreResult saved = SaveSettings(m_settings, *m_store);
    if (!saved)
        m_warn(tr("The preferences could not be stored:\n%1").arg(QString::fromStdString(saved.Error())));
    else if (!saved->empty())
        m_warn(tr("The preferences were stored, but %1").arg(QString::fromStdString(*saved)));
}
