// The window "Popularity over time" of one name: births or rank per year for girls and boys as two lines, a
// switch between the two measures, and a readout of the year under the pointer (or chosen with Left/Right
// while the chart has the focus); a name never recorded gets no lines or axes but a title that says so. Escape
// closes it. It shows what it is given and reads no file itself.
#pragma once

#include "popularity/PopularityFile.h"
#include "popularity/PopularitySeries.h"

#include <QDialog>

class QChart;
class QChartView;
class QLabel;
class QRadioButton;

namespace tervala {

class PopularityChart : public QDialog {
    Q_OBJECT

public:
    // name: the name as the list shows it; girls and boys: its recorded years, oldest first.
    PopularityChart(const QString& name,
                    QList<YearCount> girls,
                    QList<YearCount> boys,
                    const PopularityNote& note,
                    QWidget* parent = nullptr);

    ChartMeasure measure() const { return m_measure; }
    QChart* chart() const { return m_chart; }
    // The year the readout shows, between the note's first and last year.
    int shownYear() const { return m_year; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMeasure(ChartMeasure measure);
    void showYear(int year);

    QString m_name;
    QList<YearCount> m_girls;
    QList<YearCount> m_boys;
    PopularityNote m_note;
    ChartMeasure m_measure = ChartMeasure::Births;
    int m_year = 0;
    QChart* m_chart;
    QChartView* m_view;
    QRadioButton* m_birthsOption;
    QRadioButton* m_rankOption;
    QLabel* m_readout;
};

} // namespace tervala
