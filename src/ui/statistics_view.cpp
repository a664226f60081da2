#include "ui/statistics_view.h"

#include <QVBoxLayout>

#include "ui/property_list.h"

namespace {
const QString kLog = QStringLiteral("Log");
const QString kSelection = QStringLiteral("Selection");
const QString kClimbs = QStringLiteral("Climbs");
}  // namespace

CPropertiesView::CPropertiesView(QWidget* parent) : QWidget(parent), m_list(new PropertyList(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    Fill();
}

void CPropertiesView::Fill()
{
    m_list->clear();
    QTreeWidgetItem* log = m_list->AddCategory(kLog);
    m_list->AddItem(log, "Duration", "00:00");
    m_list->AddItem(log, "Rate", "0.1 sec");
    m_list->AddItem(log, "max Altitude", "100 m");
    m_list->AddItem(log, "Altitude", "above start");
    // No temperature is decoded: a fixed number would read as a measurement.
    m_list->AddItem(log, "Temperature", "n/a");
    QTreeWidgetItem* selection = m_list->AddCategory(kSelection);
    m_list->AddItem(selection, "Duration", "00:00");
    m_list->AddItem(selection, "start Altitude", "0 m");
    m_list->AddItem(selection, "end Altitude", "0 m");
    m_list->AddItem(selection, "max Altitude", "100 m");
    m_list->AddItem(selection, "min Vario", "-5 m/sec");
    m_list->AddItem(selection, "max Vario", "5 m/sec");
    m_list->AddItem(selection, "avr Vario", "5 m/sec");
    QTreeWidgetItem* climbs = m_list->AddCategory(kClimbs);
    m_list->AddItem(climbs, "Count", "0");
    m_list->AddItem(climbs, "Time climbing", "00:00 (0.0 %)");
    m_list->AddItem(climbs, "Height gained", "0.0 m");
    m_list->AddItem(climbs, "Best climb", "-");
    log->setExpanded(false);
    selection->setExpanded(false);
    climbs->setExpanded(false);
}

void CPropertiesView::ShowClimbs(const ClimbStatTexts& t)
{
    m_list->SetValue(kClimbs, "Count", QString::fromStdString(t.count));
    m_list->SetValue(kClimbs, "Time climbing", QString::fromStdString(t.timeClimbing));
    m_list->SetValue(kClimbs, "Height gained", QString::fromStdString(t.heightGained));
    m_list->SetValue(kClimbs, "Best climb", QString::fromStdString(t.bestClimb));
    m_list->Category(kClimbs)->setExpanded(t.count != "0");
}

void CPropertiesView::ShowLog(const LogStatTexts& texts)
{
    m_list->SetValue(kLog, "Duration", QString::fromStdString(texts.duration));
    m_list->SetValue(kLog, "Rate", QString::fromStdString(texts.rate));
    m_list->SetValue(kLog, "max Altitude", QString::fromStdString(texts.maxAltitude));
    m_list->SetValue(kLog, "Altitude", QString::fromStdString(texts.reference));
    m_list->Category(kLog)->setExpanded(true);
    m_list->Category(kSelection)->setExpanded(false);
}

void CPropertiesView::ShowSelection(const SelectionStatTexts& t)
{
    const std::pair<const char*, const std::string*> items[] = {
        {"Duration", &t.duration},         {"start Altitude", &t.startAltitude}, {"end Altitude", &t.endAltitude},
        {"max Altitude", &t.maxAltitude},  {"min Vario", &t.minVario},           {"max Vario", &t.maxVario},
        {"avr Vario", &t.avrVario},
    };
    for (const auto& [name, text] : items)
        m_list->SetValue(kSelection, name, QString::fromStdString(*text));
    m_list->Category(kSelection)->setExpanded(true);
}

void CPropertiesView::Clear()
{
    Fill();
}
