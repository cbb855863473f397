// The browser window as the benchmarks start it: loaded (both lists built, as at start-up) and shown.
#pragma once

#include "browser/Form1.h"

#include <QTest>

#include <stdexcept>

namespace tervala::bench {

inline void loadAndShow(Form1& form)
{
    form.load();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        throw std::runtime_error("the window was never shown");
}

} // namespace tervala::bench
