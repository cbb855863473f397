// The lines are rebuilt whenever the measure changes: a rank line has one series per run of recorded years,
// and only the first series of each sex appears in the legend.
#include "browser/PopularityChart.h"

#include "popularity/PopularityText.h"
#include "runtime/controls/WindowShortcuts.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace tervala {

namespace {

struct LineStyle {
    const char* title;
    QColor colour;
};
const LineStyle GirlsLine { QT_TRANSLATE_NOOP("tervala::PopularityChart", "Girls"), QColor(192, 48, 112) };
const LineStyle BoysLine { QT_TRANSLATE_NOOP("tervala::PopularityChart", "Boys"), QColor(32, 96, 192) };

// Years between labels of the year axis, counted from 1900.
constexpr double YearTickInterval = 20;

} // namespace

PopularityChart::PopularityChart(const QString& name,
                                 QList<YearCount> girls,
                                 QList<YearCount> boys,
                                 const PopularityNote& note,
                                 QWidget* parent)
    : QDialog(parent)
    , m_name(name)
    , m_girls(std::move(girls))
    , m_boys(std::move(boys))
    , m_note(note)
    , m_year(note.lastYear)
    , m_chart(new QChart)
    , m_view(new QChartView(m_chart, this))
    , m_birthsOption(new QRadioButton(tr("&Births per year"), this))
    , m_rankOption(new QRadioButton(tr("&Rank"), this))
    , m_readout(new QLabel(this))
{
    setWindowTitle(tr("Popularity of %1 over time").arg(name));
    setAttribute(Qt::WA_DeleteOnClose);
    m_chart->setTitle(tr("%1 in the US, %2–%3").arg(name).arg(note.firstYear).arg(note.lastYear));
    m_view->setObjectName(QStringLiteral("chart"));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setMinimumSize(560, 340);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->setAccessibleName(tr("Chart of %1 by year; Left and Right choose the year read out below").arg(name));
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    m_birthsOption->setObjectName(QStringLiteral("birthsOption"));
    m_rankOption->setObjectName(QStringLiteral("rankOption"));
    m_readout->setObjectName(QStringLiteral("readout"));
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto* measures = new QButtonGroup(this);
    measures->addButton(m_birthsOption);
    measures->addButton(m_rankOption);
    m_birthsOption->setChecked(true);
    connect(m_birthsOption, &QRadioButton::toggled, this, [this](bool checked) {
        showMeasure(checked ? ChartMeasure::Births : ChartMeasure::Rank);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* switchRow = new QHBoxLayout;
    switchRow->addWidget(m_birthsOption);
    switchRow->addWidget(m_rankOption);
    switchRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(switchRow);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_readout);
    layout->addWidget(buttons);

    rt::addQuitShortcut(this);
    rt::addCloseShortcut(this);

    showMeasure(ChartMeasure::Births);
    showYear(m_year);
}

void PopularityChart::showMeasure(ChartMeasure measure)
{
    m_measure = measure;
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis);
    // Lines of zero births on an axis of its own making would say nothing true: the title says it instead.
    if (m_girls.isEmpty() && m_boys.isEmpty()) {
        m_chart->setTitle(
            tr("%1 is not among the US records, %2–%3").arg(m_name).arg(m_note.firstYear).arg(m_note.lastYear));
        return;
    }

    auto* years = new QValueAxis;
    years->setTitleText(tr("Year"));
    years->setLabelFormat(QStringLiteral("%i"));
    years->setRange(m_note.firstYear, m_note.lastYear);
    years->setTickType(QValueAxis::TicksDynamic);
    years->setTickAnchor(1900);
    years->setTickInterval(YearTickInterval);
    // Ranks run from 1 to tens of thousands; on a log scale the top hundred stay apart.
    auto* births = measure == ChartMeasure::Births ? new QValueAxis : nullptr;
    auto* ranks = births ? nullptr : new QLogValueAxis;
    QAbstractAxis* values = births ? static_cast<QAbstractAxis*>(births) : ranks;
    m_chart->addAxis(years, Qt::AlignBottom);
    m_chart->addAxis(values, Qt::AlignLeft);

    double highest = 1;
    for (const auto& [history, style] : { std::pair(&m_girls, GirlsLine), std::pair(&m_boys, BoysLine) }) {
        const QList<QList<QPointF>> runs = chartLine(*history, measure, m_note.firstYear, m_note.lastYear);
        for (qsizetype run = 0; run < runs.size(); ++run) {
            auto* series = new QLineSeries;
            series->setName(tr(style.title));
            series->setColor(style.colour);
            series->replace(runs[run]);
            m_chart->addSeries(series);
            series->attachAxis(years);
            series->attachAxis(values);
            if (run > 0)
                m_chart->legend()->markers(series).constFirst()->setVisible(false);
            for (const QPointF& point : runs[run])
                highest = std::max(highest, point.y());
        }
    }
    if (births) {
        births->setTitleText(tr("Births per year"));
        births->setLabelFormat(QStringLiteral("%i"));
        births->setRange(0, std::ceil(highest * 1.05));
        births->applyNiceNumbers();
    } else {
        ranks->setTitleText(tr("Rank (1 = top)"));
        ranks->setLabelFormat(QStringLiteral("%i"));
        ranks->setBase(10);
        ranks->setRange(1, std::pow(10.0, std::max(1.0, std::ceil(std::log10(highest)))));
        ranks->setReverse(true);
    }
}

void PopularityChart::showYear(int year)
{
    m_year = std::clamp(year, m_note.firstYear, m_note.lastYear);
    m_readout->setText(yearReadout(m_year, m_girls, m_boys));
}

bool PopularityChart::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::MouseMove) {
        const QPointF scenePoint = m_view->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (m_chart->plotArea().contains(m_chart->mapFromScene(scenePoint)))
            showYear(int(std::lround(m_chart->mapToValue(m_chart->mapFromScene(scenePoint)).x())));
    } else if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Left || key == Qt::Key_Right) {
            showYear(m_year + (key == Qt::Key_Left ? -1 : 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tervala
