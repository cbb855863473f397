// The chart window driven as a user would: the lines of both sexes, the measure switch, the readout under the
// pointer and from the keyboard, and Escape.
#include "browser/PopularityChart.h"

#include "TestSupport.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QRadioButton>
#include <QTest>
#include <QValueAxis>

namespace {

// "name: (x,y) (x,y)" for each series of the chart, legend-less series marked "-".
QStringList seriesOf(QChart* chart)
{
    QStringList lines;
    for (QAbstractSeries* abstract : chart->series()) {
        auto* series = static_cast<QLineSeries*>(abstract);
        QString line = series->name() + (chart->legend()->markers(series).first()->isVisible() ? ":" : "-:");
        for (const QPointF& point : series->points())
            line += QString(" (%1,%2)").arg(point.x()).arg(point.y());
        lines << line;
    }
    return lines;
}

// The range of each axis, "first-last", the reversed ones marked.
QString axesOf(QChart* chart)
{
    QStringList ranges;
    for (QAbstractAxis* axis : chart->axes()) {
        QString range;
        if (auto* values = qobject_cast<QValueAxis*>(axis))
            range = QString("%1-%2").arg(values->min()).arg(values->max());
        else if (auto* logValues = qobject_cast<QLogValueAxis*>(axis))
            range = QString("%1-%2").arg(logValues->min()).arg(logValues->max());
        ranges << range + (axis->isReverse() ? " reversed" : "");
    }
    return ranges.join(' ');
}

} // namespace

TEST(PopularityChart, SwitchReadoutAndEscape)
{
    auto* window = new tervala::PopularityChart("Jordan",
                                                { { 2023, 80, 300 }, { 2024, 95, 280 } },
                                                { { 2021, 7, 50 }, { 2022, 900, 40 }, { 2024, 1200, 33 } },
                                                { {}, 0, 2022, 2024 });
    QPointer<tervala::PopularityChart> alive(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(window->findChild<QRadioButton*>("rankOption"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(seriesOf(window->chart()),
              QStringList({ "Girls: (2023,300) (2024,280)", "Boys: (2022,40)", "Boys-: (2024,33)" }));
    EXPECT_EQ(axesOf(window->chart()), QString("2022-2024 1-1000 reversed"));
    QTest::mouseClick(window->findChild<QRadioButton*>("birthsOption"), Qt::LeftButton);
    EXPECT_EQ(axesOf(window->chart()), QString("2022-2024 0-1500"));
    QTest::mouseClick(window->findChild<QRadioButton*>("rankOption"), Qt::LeftButton);

    auto* readout = window->findChild<QLabel*>("readout");
    EXPECT_EQ(readout->text(), QString("2024: girls #280 (95 births), boys #33 (1,200 births)"));
    auto* view = window->findChild<QChartView*>("chart");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(readout->text(), QString("2023: girls #300 (80 births), boys not recorded"));
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(window->shownYear(), 2022);
    const QPointF at2024 = window->chart()->mapToPosition(QPointF(2024, 100));
    QTest::mouseMove(view->viewport(), view->mapFromScene(window->chart()->mapToScene(at2024)));
    EXPECT_EQ(window->shownYear(), 2024);

    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }));
}

// A name never recorded gets no lines and no axes, only a title that says so.
TEST(PopularityChart, ANameWithoutARecordGetsNoAxes)
{
    tervala::PopularityChart window("Adèle", {}, {}, { {}, 0, 2022, 2024 });
    EXPECT_EQ(window.chart()->title(), QString("Adèle is not among the US records, 2022–2024"));
    EXPECT_EQ(axesOf(window.chart()), QString());
    EXPECT_EQ(seriesOf(window.chart()), QStringList());
    window.findChild<QRadioButton*>("rankOption")->click();
    EXPECT_EQ(axesOf(window.chart()) + window.chart()->title(),
              QString("Adèle is not among the US records, 2022–2024"));
}

TEST(PopularityChart, CtrlWClosesIt)
{
    auto* window = new tervala::PopularityChart("Ada", {}, {}, { {}, 0, 2022, 2024 });
    QPointer<tervala::PopularityChart> alive(window);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QRadioButton*>("birthsOption"), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return alive.isNull(); }));
}
