#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>

#include "app/memory_tuning.h"
#include "config/configuration.h"

inline const Configuration& BuiltInConfiguration()
{
    static const Configuration config = [] {
        Configuration c;
        if (!c.LoadBuiltIn())
            std::abort();  // the document compiled into the program is well-formed
        return c;
    }();
    return config;
}

// Runs the registered benchmarks with the widgets on the offscreen platform and
// memory kept for reuse, as the programs run.
inline int RunWidgetBenchmarks(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KeepFreedMemoryForReuse();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
