#include "ui/statistics_view.h"

#include <QVBoxLayout>

#include <utility>
#include <vector>

#include "ui/property_list.h"

namespace {
const QString kLog = QStringLiteral("Log");
const QString kSelection = QStringLiteral("Selection");
const QString kClimbs = QStringLiteral("Climbs");
}  // namespace

StatisticsView::StatisticsView(QWidget* parent) : QWidget(parent), m_list(new PropertyList(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    Fill();
}

void StatisticsView::Fill()
{
    // Each item with the text it shows until there is a log.
    const struct {
        const QString& category;
        std::vector<std::pair<const char*, const char*>> items;
    } categories[] = {
        // No temperature is decoded: a fixed number would read as a measurement.
        {kLog,
         {{"Duration", "00:00"},
          {"Takeoff", "-"},
          {"Landing", "-"},
          {"Airtime", "00:00"},
          {"Flights", ""},
          {"Rate", "0.1 sec"},
          {"max Altitude", "100 m"},
          {"Model Sigma", ""},
          {"Altitude", "above start"},
          {"Temperature", "n/a"}}},
        {kSelection,
         {{"Duration", "00:00"},
          {"start Altitude", "0 m"},
          {"end Altitude", "0 m"},
          {"max Altitude", "100 m"},
          {"min Vario", "-5 m/sec"},
          {"max Vario", "5 m/sec"},
          {"avr Vario", "5 m/sec"}}},
        {kClimbs,
         {{"Count", "0"}, {"Time climbing", "00:00 (0.0 %)"}, {"Height gained", "0.0 m"}, {"Best climb", "-"}}},
    };
    m_list->clear();
    for (const auto& c : categories) {
        QTreeWidgetItem* category = m_list->AddCategory(c.category);
        for (const auto& [name, value] : c.items)
            m_list->AddItem(category, QString::fromLatin1(name), QString::fromLatin1(value));
        category->setExpanded(false);
    }
    m_list->Item(kLog, QStringLiteral("Flights"))->setHidden(true);
    m_list->Item(kLog, QStringLiteral("Model Sigma"))->setHidden(true);
}

void StatisticsView::SetValues(const QString& category,
                               std::initializer_list<std::pair<const char*, const std::string*>> values)
{
    for (const auto& [name, text] : values)
        m_list->SetValue(category, QString::fromLatin1(name), QString::fromStdString(*text));
}

void StatisticsView::ShowClimbs(const ClimbStatTexts& t)
{
    SetValues(kClimbs, {{"Count", &t.count},
                        {"Time climbing", &t.timeClimbing},
                        {"Height gained", &t.heightGained},
                        {"Best climb", &t.bestClimb}});
    m_list->Category(kClimbs)->setExpanded(t.count != "0");
}

void StatisticsView::ShowLog(const LogStatTexts& t)
{
    SetValues(kLog, {{"Duration", &t.duration},
                     {"Rate", &t.rate},
                     {"max Altitude", &t.maxAltitude},
                     {"Altitude", &t.reference},
                     {"Model Sigma", &t.modelSigma}});
    m_list->Item(kLog, QStringLiteral("Model Sigma"))->setHidden(t.modelSigma.empty());
    m_list->Category(kLog)->setExpanded(true);
    m_list->Category(kSelection)->setExpanded(false);
}

void StatisticsView::ShowAirtime(const AirtimeStatTexts& t)
{
    SetValues(kLog,
              {{"Takeoff", &t.takeoff}, {"Landing", &t.landing}, {"Airtime", &t.airtime}, {"Flights", &t.flights}});
    m_list->Item(kLog, QStringLiteral("Flights"))->setHidden(t.flights.empty());
}

void StatisticsView::ShowSelection(const SelectionStatTexts& t)
{
    SetValues(kSelection, {{"Duration", &t.duration},
                           {"start Altitude", &t.startAltitude},
                           {"end Altitude", &t.endAltitude},
                           {"max Altitude", &t.maxAltitude},
                           {"min Vario", &t.minVario},
                           {"max Vario", &t.maxVario},
                           {"avr Vario", &t.avrVario}});
    m_list->Category(kSelection)->setExpanded(true);
}

void StatisticsView::Clear()
{
    Fill();
}
