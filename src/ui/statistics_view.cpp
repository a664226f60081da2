#include "ui/statistics_view.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include <utility>
#include <vector>

#include "ui/language.h"
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
    // Each item with the text it shows until there is a log; the English name is its key.
    const struct {
        const QString& category;
        const char* shown;
        std::vector<std::pair<const char*, const char*>> items;
    } categories[] = {
        // No temperature is decoded: a fixed number would read as a measurement.
        {kLog,
         QT_TR_NOOP("Log"),
         {{QT_TR_NOOP("Duration"), "00:00"},
          {QT_TR_NOOP("Takeoff"), "-"},
          {QT_TR_NOOP("Landing"), "-"},
          {QT_TR_NOOP("Airtime"), "00:00"},
          {QT_TR_NOOP("Flights"), ""},
          //: The sample period of the log: "1 s".
          {QT_TR_NOOP("Rate"), "0.1 sec"},
          {QT_TR_NOOP("max Altitude"), "100 m"},
          {QT_TR_NOOP("Model Sigma"), ""},
          //: What the altitude is measured from: "above start", "above sea level".
          {QT_TR_NOOP("Altitude"), QT_TRANSLATE_NOOP("Statistics", "above start")},
          //: The logger's temperature, not decoded: "n/a".
          {QT_TR_NOOP("Temperature"), QT_TR_NOOP("n/a")}}},
        {kSelection,
         QT_TR_NOOP("Selection"),
         {{QT_TR_NOOP("Duration"), "00:00"},
          {QT_TR_NOOP("start Altitude"), "0 m"},
          {QT_TR_NOOP("end Altitude"), "0 m"},
          {QT_TR_NOOP("max Altitude"), "100 m"},
          {QT_TR_NOOP("min Vario"), "-5 m/sec"},
          {QT_TR_NOOP("max Vario"), "5 m/sec"},
          //: The mean vario of the selection.
          {QT_TR_NOOP("avr Vario"), "5 m/sec"}}},
        {kClimbs,
         QT_TR_NOOP("Climbs"),
         {{QT_TR_NOOP("Count"), "0"},
          {QT_TR_NOOP("Time climbing"), "00:00 (0.0 %)"},
          {QT_TR_NOOP("Height gained"), "0.0 m"},
          {QT_TR_NOOP("Best climb"), "-"}}},
    };
    m_list->clear();
    for (const auto& c : categories) {
        QTreeWidgetItem* category = m_list->AddCategory(tr(c.shown), c.category);
        for (const auto& [name, value] : c.items) {
            const QString key = QString::fromLatin1(name);
            QString shown = LocalNumbers(QString::fromLatin1(value));
            if (key == QLatin1String("Altitude"))
                shown = QCoreApplication::translate("Statistics", value);
            else if (key == QLatin1String("Temperature"))
                shown = tr(value);
            m_list->AddItem(category, tr(name), shown, key);
        }
        category->setExpanded(false);
    }
    m_list->Item(kLog, QStringLiteral("Flights"))->setHidden(true);
    m_list->Item(kLog, QStringLiteral("Model Sigma"))->setHidden(true);
}

void StatisticsView::SetValues(const QString& category,
                               std::initializer_list<std::pair<const char*, const std::string*>> values)
{
    for (const auto& [name, text] : values)
        m_list->SetValue(category, QString::fromLatin1(name), LocalNumbers(*text));
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
