// bench_typing: five characters typed into Text2 ("name contains", its box checked) at 50 ms intervals while
// "ALL" loads 100,000 rows through the real window (offscreen). Each keystroke starts a newer rebuild nested in
// the running one; the figure is the time from the last keystroke to the final lists, when the outermost rebuild
// has given up and returned. Beside it, the same final rebuild started from an idle window: the least it can be.
#include "bench/Measurement.h"
#include "bench/OpenBrowser.h"
#include "bench/ScaleData.h"
#include "browser/Form1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

using namespace tervala;
using namespace tervala::bench;

namespace {

constexpr int Rows = 100000;
constexpr int KeyIntervalMs = 50;
const QString Typed = QStringLiteral("arina");

struct Typing {
    double lastKeyMs; // after choosing "ALL"
    double finalListsMs; // after choosing "ALL"
};

Typing typeDuringLoad(Form1& form)
{
    form.Text2->clear();
    form.Option1[0]->setValue(true);
    settle();
    QElapsedTimer sinceAll;
    Typing typing {};
    // One timer per keystroke: a timer does not fire again while its own handler runs, and each keystroke's
    // handler runs the nested rebuild in which the next keystroke arrives.
    std::vector<std::unique_ptr<QTimer>> keystrokes;
    for (int index = 0; index < int(Typed.size()); ++index) {
        auto& keystroke = keystrokes.emplace_back(std::make_unique<QTimer>());
        keystroke->setSingleShot(true);
        keystroke->setTimerType(Qt::PreciseTimer);
        keystroke->setInterval(KeyIntervalMs * (index + 1));
        QObject::connect(keystroke.get(), &QTimer::timeout, [&, index] {
            if (index + 1 == int(Typed.size()))
                typing.lastKeyMs = millisecondsSince(sinceAll);
            QTest::keyClick(form.Text2, Typed.at(index).toLatin1());
        });
    }
    sinceAll.start();
    for (const auto& keystroke : keystrokes)
        keystroke->start();
    form.Option1[Form1::AllLetters]->setValue(true);
    settle();
    typing.finalListsMs = millisecondsSince(sinceAll);
    if (form.Text2->text() != Typed)
        throw std::runtime_error("typed \"" + form.Text2->text().toStdString() + "\"");
    return typing;
}

double lastKeyFromIdle(Form1& form)
{
    form.Text2->setText(Typed.chopped(1));
    settle();
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(form.Text2, Typed.back().toLatin1());
    settle();
    return millisecondsSince(timer);
}

} // namespace

int main(int argc, char** argv)
{
    useOffscreenPlatformUnlessSet();
    QApplication app(argc, argv);
    try {
        const auto folder = makeWorkFolder();
        writeNameDatabase(folder->filePath(QStringLiteral("ter.va")), Rows);
        Form1 form(folder->path());
        loadAndShow(form);
        form.Check3->setValue(1);
        form.Text2->setFocus();
        settle();

        const Typing typing = typeDuringLoad(form);
        const int rowsShown = form.flex1->rows() - 1 + form.flex2->rows() - 1;
        const double alone = lastKeyFromIdle(form);
        std::printf("rows %d, typed \"%s\" every %d ms after choosing ALL\n", Rows, qPrintable(Typed), KeyIntervalMs);
        std::printf("last keystroke at %.1f ms, final lists (%d rows) at %.1f ms\n",
                    typing.lastKeyMs,
                    rowsShown,
                    typing.finalListsMs);
        std::printf("last keystroke to final lists: %.1f ms (the same rebuild from an idle window: %.1f ms)\n",
                    typing.finalListsMs - typing.lastKeyMs,
                    alone);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "bench_typing: %s\n", error.what());
        return 1;
    }
    return 0;
}
